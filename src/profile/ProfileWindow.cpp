#include "profile/ProfileWindow.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>
#include <string>

#include "profile/LevelBarChart.h"
#include "profile/ProfileVerdict.h"
#include "text/Utf8.h"
#include "wordlists/FileBytes.h"
#include "wordlists/UserPort.h"

namespace tarn::profile {

namespace {

constexpr char kTableFilter[] = "文本文件(*.txt)|*.txt";
constexpr char kChartFilter[] = "PNG图片(*.png)|*.png";

constexpr int kColumnPadding = 12;
constexpr const char* kColumns[] = {"等级", "不同词数", "词次", "比例", "累计比例"};
constexpr const char* kColumnHints[] = {
    "功能词、专有名词、各等级和不在任何词表中的超纲词",
    "不同的单词原形数（功能词和专有名词按不同的单词计）",
    "这一行的单词在本文中出现的总次数",
    "这一行的词次占全文词次的比例",
    "掌握到这一行为止的词汇能覆盖的词次比例",
};

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The text with CR LF line ends in code page 936, as the program's other exports write text,
// so that a spreadsheet or editor on a Chinese system opens it as it opens those.
std::string ExportText(const std::string& lf_utf8) {
  std::string text;
  for (const char c : lf_utf8) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return Utf8ToCp936(text);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

ProfileWindow::ProfileWindow(UserPort& port, QWidget* parent) : QDialog(parent), port_(port) {
  setObjectName(QStringLiteral("frmprofile"));
  setWindowTitle(QStringLiteral("词汇等级分布"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  BuildWindow();
  resize(960, 600);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void ProfileWindow::BuildWindow() {
  auto* ladder_row = new QHBoxLayout;
  ladder_row->addWidget(new QLabel(QStringLiteral("按哪种等级划分："), this));
  exam_button_ = new QRadioButton(QStringLiteral("考试等级（中考—GRE）"), this);
  exam_button_->setObjectName(QStringLiteral("ExamLadderButton"));
  exam_button_->setChecked(true);
  frequency_button_ = new QRadioButton(QStringLiteral("词频等级（K1—K10）"), this);
  frequency_button_->setObjectName(QStringLiteral("FrequencyLadderButton"));
  auto* ladders = new QButtonGroup(this);
  ladders->addButton(exam_button_);
  ladders->addButton(frequency_button_);
  connect(frequency_button_, &QRadioButton::toggled, this, [this] { Guarded([this] { Fill(); }); });
  ladder_row->addWidget(exam_button_);
  ladder_row->addWidget(frequency_button_);
  ladder_row->addStretch(1);

  table_ = new QTableWidget(0, static_cast<int>(std::size(kColumns)), this);
  table_->setObjectName(QStringLiteral("ProfileTable"));
  for (int column = 0; column < table_->columnCount(); ++column) {
    auto* header = new QTableWidgetItem(QString::fromUtf8(kColumns[column]));
    header->setToolTip(QString::fromUtf8(kColumnHints[column]));
    table_->setHorizontalHeaderItem(column, header);
  }
  table_->verticalHeader()->setVisible(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(table_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { ActivateRow(row); });

  chart_ = new LevelBarChart(this);
  chart_->setObjectName(QStringLiteral("ProfileChart"));

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("ProfileSplitter"));
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(table_);
  splitter->addWidget(chart_);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);

  verdict_label_ = new QLabel(this);
  verdict_label_->setObjectName(QStringLiteral("ProfileVerdict"));
  verdict_label_->setWordWrap(true);
  verdict_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  verdict_label_->setStyleSheet(
      QStringLiteral("QLabel#ProfileVerdict { background: #eef6ee; border: 1px solid #b9d8ba;"
                     " border-radius: 3px; padding: 6px; color: #1e4620; }"));
  unread_label_ = new QLabel(this);
  unread_label_->setObjectName(QStringLiteral("ProfileUnread"));
  unread_label_->setWordWrap(true);
  unread_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  unread_label_->setStyleSheet(QStringLiteral("color: #a33a2c;"));
  unread_label_->hide();
  auto* hint = new QLabel(
      QStringLiteral("双击表格中的一行，可在主窗口列出这一行的单词。95% 和 98% 是阅读研究常用的"
                     "标准：认识九成五的词次，借助词典可以读懂；认识九成八，可以独立阅读。"),
      this);
  hint->setWordWrap(true);
  hint->setStyleSheet(QStringLiteral("color: #5f6b78;"));

  auto* buttons = new QHBoxLayout;
  const auto add_button = [&](const char* caption, const char* name,
                              void (ProfileWindow::*handler)()) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    buttons->addWidget(button);
  };
  add_button("导出表格…", "ExportTableButton", &ProfileWindow::ExportTableClick);
  add_button("导出图表…", "ExportChartButton", &ProfileWindow::ExportChartClick);
  buttons->addStretch(1);
  add_button("关闭", "CloseButton", &QDialog::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(ladder_row);
  layout->addWidget(splitter, 1);
  layout->addWidget(verdict_label_);
  layout->addWidget(unread_label_);
  layout->addWidget(hint);
  layout->addLayout(buttons);
}

template <typename Command>
void ProfileWindow::Guarded(Command&& command) {
  ReportingErrors(port_, std::forward<Command>(command));
}

void ProfileWindow::ShowProfile(ProfileCommands& commands) {
  commands_ = &commands;
  Fill();
  if (!profile_) return;
  show();
  raise();
  activateWindow();
}

void ProfileWindow::Refresh() {
  if (isVisible() && commands_ != nullptr) Fill();
}

Ladder ProfileWindow::SelectedLadder() const {
  return frequency_button_->isChecked() ? Ladder::kFrequency : Ladder::kExam;
}

void ProfileWindow::Fill() {
  if (commands_ == nullptr) return;
  std::optional<VocabularyProfile> profile = commands_->Profile(SelectedLadder());
  if (!profile) return;
  profile_ = std::move(profile);
  FillTable();
  const QString ladder =
      SelectedLadder() == Ladder::kExam ? QStringLiteral("考试等级") : QStringLiteral("词频等级");
  chart_->SetProfile(*profile_,
                     QStringLiteral("各等级词次占全文的比例（") + ladder + QStringLiteral("，共 ") +
                         QString::number(profile_->total_words) + QStringLiteral(" 个词次）"));
  std::string verdict = VerdictSentence(*profile_);
  if (HasKnownRow(*profile_)) verdict += KnownShareSentence(*profile_);
  verdict_label_->setText(FromUtf8(verdict));
  const QString unread = UnreadLists();
  unread_label_->setText(unread);
  unread_label_->setVisible(!unread.isEmpty());
}

void ProfileWindow::FillTable() {
  const std::vector<ProfileRow>& rows = profile_->rows;
  table_->setRowCount(static_cast<int>(rows.size()));
  const Qt::Alignment figures = Qt::AlignRight;
  for (int i = 0; i < table_->rowCount(); ++i) {
    const ProfileRow& row = rows[static_cast<size_t>(i)];
    const QString cells[] = {FromUtf8(row.label), QString::number(row.types),
                             QString::number(row.tokens), FromUtf8(PercentText(row.share_tenths)),
                             FromUtf8(PercentText(row.cumulative_tenths))};
    const QString hint = row.kind == ProfileRow::Kind::kStopWords
                             ? QStringLiteral("功能词在统计时已经去掉，不能列出")
                             : QStringLiteral("双击在主窗口列出这一行的单词");
    // The levels the verdict names stand out, as the chart marks them.
    const bool verdict = row.kind == ProfileRow::Kind::kLevel &&
                         (row.label == profile_->coverage95 || row.label == profile_->coverage98);
    for (int column = 0; column < table_->columnCount(); ++column) {
      QTableWidgetItem* item = Cell(cells[column], column == 0 ? Qt::AlignLeft : figures);
      item->setToolTip(hint);
      if (verdict) {
        QFont bold = table_->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      table_->setItem(i, column, item);
    }
  }
  // Wide enough for every column, so that no figure hides behind a scroll bar.
  table_->resizeColumnsToContents();
  for (int column = 0; column < table_->columnCount(); ++column) {
    table_->setColumnWidth(column, table_->columnWidth(column) + kColumnPadding);
  }
  table_->setMinimumWidth(table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                          table_->verticalScrollBar()->sizeHint().width());
}

QString ProfileWindow::UnreadLists() {
  QStringList unread;
  for (const LevelLists::Level& level : commands_->Lists(SelectedLadder()).Levels()) {
    if (level.read) continue;
    unread << QString::fromUtf8(level.definition->label.data(),
                                static_cast<qsizetype>(level.definition->label.size())) +
                  QStringLiteral("（") + QString::fromLocal8Bit(level.path.c_str()) +
                  QStringLiteral("）");
  }
  if (unread.isEmpty()) return QString();
  return QStringLiteral("无法读取以下等级的词表，它们未计入分析：") +
         unread.join(QStringLiteral("，")) + QStringLiteral("。");
}

void ProfileWindow::ActivateRow(int row) {
  if (!profile_ || row < 0 || row >= static_cast<int>(profile_->rows.size())) return;
  const ProfileRow& chosen = profile_->rows[static_cast<size_t>(row)];
  // Stop words leave the word table in the counting run, so there is nothing to list.
  if (chosen.kind == ProfileRow::Kind::kStopWords) return;
  Q_EMIT RowActivated(profile_->ladder, chosen);
}

void ProfileWindow::ExportTableClick() {
  Guarded([this] {
    if (!profile_) return;
    const std::optional<DialogChoice> choice = port_.AskSaveFile({kTableFilter, ""});
    if (!choice) return;
    WriteFileReplacing(choice->file_name + ".txt", ExportText(tarn::ProfileTable(*profile_)));
  });
}

void ProfileWindow::ExportChartClick() {
  Guarded([this] {
    if (!profile_) return;
    const std::optional<DialogChoice> choice = port_.AskSaveFile({kChartFilter, ""});
    if (!choice) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    chart_->Image().save(&buffer, "PNG");
    WriteFileReplacing(choice->file_name + ".png",
                       std::string_view(png.constData(), static_cast<size_t>(png.size())));
  });
}

}  // namespace tarn::profile
