#include "concordance/ConcordanceWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <set>
#include <utility>

#include "concordance/ConcordanceModel.h"
#include "concordance/ConcordanceOrder.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Utf8.h"
#include "wordlists/FileBytes.h"
#include "wordlists/UserPort.h"

namespace tarn::concordance {

namespace {

constexpr char kTextFilter[] = "文本文件(*.txt)|*.txt";
constexpr int kCellPadding = 16;

// The orders of the order box, in its order.
constexpr struct {
  const char* caption;
  ConcordanceOrder order;
} kOrders[] = {
    {"按在文中出现的顺序", ConcordanceOrder::kDocument},
    {"按左边的词（从近到远）", ConcordanceOrder::kLeftWords},
    {"按右边的词（从近到远）", ConcordanceOrder::kRightWords},
};

QString FromCp936(std::string_view text) { return QString::fromStdU16String(Cp936ToUtf16(text)); }

}  // namespace

ConcordanceWindow::ConcordanceWindow(UserPort& port, QWidget* parent)
    : QDialog(parent), port_(port) {
  setObjectName(QStringLiteral("frmconcordance"));
  setWindowTitle(QStringLiteral("查看上下文"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  BuildWindow();
  resize(940, 580);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

ConcordanceWindow::~ConcordanceWindow() = default;

void ConcordanceWindow::BuildWindow() {
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("ConcordanceHeading"));
  heading_->setWordWrap(true);
  heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont heading_font = heading_->font();
  heading_font.setPointSizeF(heading_font.pointSizeF() * 1.25);
  heading_font.setBold(true);
  heading_->setFont(heading_font);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("排序："), this));
  order_box_ = new QComboBox(this);
  order_box_->setObjectName(QStringLiteral("ConcordanceOrder"));
  for (const auto& order : kOrders) order_box_->addItem(QString::fromUtf8(order.caption));
  connect(order_box_, &QComboBox::currentIndexChanged, this,
          [this] { Guarded([this] { ShowLines(); }); });
  controls->addWidget(order_box_);
  controls->addSpacing(12);
  controls->addWidget(new QLabel(QStringLiteral("上下文宽度："), this));
  width_box_ = new QSpinBox(this);
  width_box_->setObjectName(QStringLiteral("ConcordanceWidth"));
  width_box_->setRange(kMinWidth, kMaxWidth);
  width_box_->setValue(ConcordanceCommands::kDefaultWidth);
  width_box_->setSuffix(QStringLiteral(" 字"));
  // Typing 120 would otherwise search at 1 and 12 first.
  width_box_->setKeyboardTracking(false);
  connect(width_box_, &QSpinBox::valueChanged, this, [this] { Guarded([this] { Fill(); }); });
  controls->addWidget(width_box_);
  controls->addStretch(1);
  const auto add_button = [&](const char* caption, const char* name,
                              void (ConcordanceWindow::*handler)()) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    controls->addWidget(button);
  };
  add_button("复制", "ConcordanceCopy", &ConcordanceWindow::CopyClick);
  add_button("导出为文本…", "ConcordanceExport", &ConcordanceWindow::ExportClick);
  add_button("关闭", "CloseButton", &QDialog::hide);

  model_ = new ConcordanceModel(this);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  QFont keyword = fixed;
  keyword.setBold(true);
  model_->SetKeywordFont(keyword);
  lines_ = new QTableView(this);
  lines_->setObjectName(QStringLiteral("ConcordanceLines"));
  lines_->setModel(model_);
  lines_->setFont(fixed);
  lines_->setSelectionBehavior(QAbstractItemView::SelectRows);
  lines_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lines_->setShowGrid(false);
  lines_->setWordWrap(false);
  lines_->setAlternatingRowColors(true);
  // Clipped, not elided: the left context then keeps the words next to the occurrence.
  lines_->setTextElideMode(Qt::ElideNone);
  // Fixed row heights, so that the view never measures its rows.
  lines_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lines_->verticalHeader()->setDefaultSectionSize(QFontMetrics(fixed).height() + 4);
  lines_->horizontalHeader()->setStretchLastSection(true);
  auto* copy = new QShortcut(QKeySequence::Copy, lines_);
  copy->setContext(Qt::WidgetShortcut);
  connect(copy, &QShortcut::activated, this, &ConcordanceWindow::CopyClick);

  auto* hint = new QLabel(
      QStringLiteral("在主窗口的词表中双击一个单词，或右键选择“查看上下文”，可查看另一个单词。"
                     "复制和导出的每一行是：左边的上下文、TAB、单词、TAB、右边的上下文。"),
      this);
  hint->setWordWrap(true);
  hint->setStyleSheet(QStringLiteral("color: #5f6b78;"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addLayout(controls);
  layout->addWidget(lines_, 1);
  layout->addWidget(hint);
}

template <typename Command>
void ConcordanceWindow::Guarded(Command&& command) {
  ReportingErrors(port_, std::forward<Command>(command));
}

void ConcordanceWindow::ShowWord(ConcordanceCommands& commands, const LazyGlosses& glosses,
                                 std::string word, FormScope scope) {
  commands_ = &commands;
  glosses_ = &glosses;
  std::optional<Concordance> found;
  {
    BusyCursor busy(port_);
    found = commands.Find(word, scope, width_box_->value());
  }
  if (!found) return;
  word_ = std::move(word);
  scope_ = scope;
  model_->SetLines(nullptr, {});
  found_ = std::move(found);
  ShowLines();
  show();
  raise();
  activateWindow();
  commands.TellWhyEmpty(*found_, word_);
}

void ConcordanceWindow::DocumentReplaced() {
  hide();
  model_->SetLines(nullptr, {});
  found_.reset();
  commands_ = nullptr;
}

void ConcordanceWindow::Fill() {
  if (commands_ == nullptr || !found_) return;
  std::optional<Concordance> found;
  {
    BusyCursor busy(port_);
    found = commands_->Find(word_, scope_, width_box_->value());
  }
  if (!found) return;
  model_->SetLines(nullptr, {});
  found_ = std::move(found);
  ShowLines();
  commands_->TellWhyEmpty(*found_, word_);
}

void ConcordanceWindow::ShowLines() {
  if (!found_) return;
  const int chosen = std::max(0, order_box_->currentIndex());
  model_->SetLines(&*found_, OrderOf(*found_, kOrders[chosen].order));
  const bool any = found_->Size() > 0;
  for (QWidget* control : {static_cast<QWidget*>(order_box_), static_cast<QWidget*>(width_box_)})
    control->setEnabled(any);
  for (const char* name : {"ConcordanceCopy", "ConcordanceExport"})
    findChild<QPushButton*>(QString::fromUtf8(name))->setEnabled(any);
  // The left context's width in characters, the occurrences as wide as the widest form.
  const QFontMetrics plain(lines_->font());
  lines_->setColumnWidth(
      ConcordanceModel::kLeft,
      plain.horizontalAdvance(QString(width_box_->value(), u'n')) + kCellPadding);
  std::set<std::string_view> forms;
  for (size_t i = 0; i < found_->Size(); ++i) forms.insert(found_->Occurrence(i));
  QFont bold = lines_->font();
  bold.setBold(true);
  const QFontMetrics keyword(bold);
  int widest = keyword.horizontalAdvance(QStringLiteral("单词"));
  for (const std::string_view form : forms)
    widest = std::max(widest, keyword.horizontalAdvance(FromCp936(form)));
  lines_->setColumnWidth(ConcordanceModel::kOccurrence, widest + kCellPadding);
  ShowHeading();
}

void ConcordanceWindow::ShowHeading() {
  const QString word = QString::fromStdString(Cp936ToUtf8(LowerAscii(word_)));
  setWindowTitle(QStringLiteral("查看上下文：") + word);
  QString heading = word + u'：';
  switch (found_->Reading()) {
    case DocumentSource::Reading::kNoText:
      heading += QStringLiteral("没有可显示的文档");
      break;
    case DocumentSource::Reading::kChanged:
      heading += QStringLiteral("文档在统计之后已被修改，无法显示上下文，请重新统计");
      break;
    case DocumentSource::Reading::kRead: {
      heading += QString::number(found_->Size()) + QStringLiteral(" 处");
      const std::string forms = ConcordanceCommands::FormsFound(*found_, word_);
      if (!forms.empty()) heading += u'（' + QString::fromStdString(forms) + u'）';
      break;
    }
  }
  const std::string gloss = commands_->BaseFormGloss(*glosses_, word_, scope_);
  if (!gloss.empty()) heading += QStringLiteral("  ") + QString::fromStdString(gloss);
  heading_->setText(heading);
}

QString ConcordanceWindow::ListingWord(const QString& line) {
  const QString trimmed = line.trimmed();
  qsizetype end = 0;
  while (end < trimmed.size() && trimmed[end] != u' ' && trimmed[end] != u'\t') ++end;
  return trimmed.left(end);
}

void ConcordanceWindow::CopyClick() {
  Guarded([this] {
    if (model_->rowCount() == 0) return;
    std::vector<int> rows;
    for (const QModelIndex& index : lines_->selectionModel()->selectedRows())
      rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) {
      rows.resize(static_cast<size_t>(model_->rowCount()));
      for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
    }
    QString text;
    for (const int row : rows) text += FromCp936(model_->LineBytes(row)) + u'\n';
    QGuiApplication::clipboard()->setText(text);
  });
}

void ConcordanceWindow::ExportClick() {
  Guarded([this] {
    if (model_->rowCount() == 0) return;
    const std::optional<DialogChoice> choice = port_.AskSaveFile({kTextFilter, ""});
    if (!choice) return;
    std::string bytes;
    for (int row = 0; row < model_->rowCount(); ++row) bytes += model_->LineBytes(row) + "\r\n";
    WriteFileReplacing(choice->file_name + ".txt", bytes);
  });
}

}  // namespace tarn::concordance
