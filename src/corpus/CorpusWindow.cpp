#include "corpus/CorpusWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "corpus/CorpusListingModel.h"
#include "text/CodePage936.h"
#include "wordlists/FileBytes.h"
#include "wordlists/UserPort.h"

namespace tarn::corpus {

namespace {

constexpr char kTextFilter[] = "文本文件(*.txt)|*.txt";

// The window's buttons, left to right; a null caption is the stretch between the two ends.
struct WindowButton {
  const char* caption;
  const char* object_name;
  void (CorpusWindow::*handler)();
};

}  // namespace

CorpusWindow::CorpusWindow(UserPort& port, QWidget* parent) : QDialog(parent), port_(port) {
  setObjectName(QStringLiteral("frmcorpus"));
  setWindowTitle(QStringLiteral("语料词表"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  BuildWindow();
  resize(560, 640);
}

void CorpusWindow::BuildWindow() {
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("CorpusCaption"));

  model_ = new CorpusListingModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("CorpusTable"));
  table_->setModel(model_);
  table_->verticalHeader()->setVisible(false);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->setColumnWidth(CorpusListingModel::kWord, 180);
  // No indicator at first: the rows stand in listing order until a header is clicked.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  auto* copy = new QAction(this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, &CorpusWindow::CopyClick);
  table_->addAction(copy);

  auto* hint = new QLabel(
      QStringLiteral("单击列标题按这一列排序，再次单击反向排序。文本数是出现这个单词的文本数，"
                     "DP 越接近 0，单词在各文本中分布越均匀。"),
      this);
  hint->setWordWrap(true);
  hint->setStyleSheet(QStringLiteral("color: #5f6b78;"));

  const WindowButton buttons[] = {
      {"复制", "CorpusCopyButton", &CorpusWindow::CopyClick},
      {"导出为文本…", "CorpusExportButton", &CorpusWindow::ExportClick},
      {nullptr, nullptr, nullptr},
      {"关闭", "CorpusCloseButton", &QDialog::hide},
  };
  auto* row = new QHBoxLayout;
  for (const WindowButton& item : buttons) {
    if (item.caption == nullptr) {
      row->addStretch(1);
      continue;
    }
    auto* button = new QPushButton(QString::fromUtf8(item.caption), this);
    button->setObjectName(QString::fromUtf8(item.object_name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, item.handler);
    row->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(table_, 1);
  layout->addWidget(hint);
  layout->addLayout(row);
}

template <typename Command>
void CorpusWindow::Guarded(Command&& command) {
  ReportingErrors(port_, std::forward<Command>(command));
}

void CorpusWindow::Fill(const std::vector<CorpusListingRow>& rows, size_t texts) {
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  model_->SetRows(rows);
  caption_->setText(QStringLiteral("共 %1 个文本，%2 个不同的单词（不含停用词）")
                        .arg(texts)
                        .arg(model_->rowCount()));
}

void CorpusWindow::ShowListing(const std::vector<CorpusListingRow>& rows, size_t texts) {
  Fill(rows, texts);
  show();
  raise();
  activateWindow();
}

void CorpusWindow::Refresh(const std::vector<CorpusListingRow>& rows, size_t texts) {
  Fill(rows, texts);
}

void CorpusWindow::DocumentReplaced() {
  model_->SetRows({});
  caption_->clear();
  hide();
}

void CorpusWindow::CopyClick() {
  Guarded([this] {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
      rows.push_back(index.row());
    }
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    QGuiApplication::clipboard()->setText(model_->LinesText(rows, false, QStringLiteral("\n")));
  });
}

void CorpusWindow::ExportClick() {
  Guarded([this] {
    if (model_->rowCount() == 0) return;
    const std::optional<DialogChoice> choice = port_.AskSaveFile({kTextFilter, ""});
    if (!choice) return;
    const QString text = model_->LinesText({}, true, QStringLiteral("\r\n"));
    WriteFileReplacing(choice->file_name + ".txt", Utf16ToCp936(text.toStdU16String()));
  });
}

}  // namespace tarn::corpus
