#include "app/main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <span>
#include <thread>
#include <utility>

#include "analysis/AnalysisViews.h"
#include "analysis/DocumentGuard.h"
#include "analysis/ListingCommands.h"
#include "app/BackgroundCounting.h"
#include "app/GroupBar.h"
#include "app/TextViewSearch.h"
#include "app/TextViewWords.h"
#include "app/ViewText.h"
#include "app/unitabout.h"
#include "concordance/ConcordanceWindow.h"
#include "concordance/StudyListCommands.h"
#include "corpus/CorpusRun.h"
#include "corpus/CorpusSummary.h"
#include "corpus/CorpusWindow.h"
#include "corpus/Keywords.h"
#include "dicttools/untdicttools.h"
#include "known/KnownWordsPath.h"
#include "profile/LevelChooser.h"
#include "profile/ProfileIcons.h"
#include "profile/ProfileWindow.h"
#include "text/CodePage936.h"
#include "wordlists/FileBytes.h"

using tarn::app::GroupBar;
using tarn::app::TextViewSearch;

namespace {

constexpr int kClientWidth = 802;
constexpr int kClientHeight = 574;
constexpr int kGroupBarWidth = 204;
constexpr int kToolbarHeight = 29;
constexpr int kTextViewHeight = 361;
constexpr int kTextViewPointSize = 11;
constexpr int kZoomStep = 2;
// Documents above this size are counted behind the progress dialog, with 取消.
constexpr uint64_t kLargeFileBytes = uint64_t{50} << 20;
// How often a handed-over document looks again whether the dialog in its way has closed.
constexpr int kPendingRetryMilliseconds = 200;

// Stands in the session's text while a command runs; still there afterwards, the command left
// the text view alone, so the view keeps its edits and search marks.
const std::string kViewUntouched("\0untouched\0", 11);

// One command item of the group bar.
struct GroupItem {
  const char* caption;
  const char* object_name;
  QStyle::StandardPixmap icon;
  bool visible;
  void (Tmainfrm::*handler)();
  QIcon (*drawn_icon)() = nullptr;  // when set, wins over `icon`
};

struct Group {
  const char* caption;
  std::initializer_list<GroupItem> items;
};

// One item of the text view's popup menu; a null caption is a separator.
struct PopupItem {
  const char* caption;
  const char* object_name;
  bool visible;
  void (Tmainfrm::*handler)();
};

// A menu of `owner` named `name` with `items`, a null caption standing for a separator.
QMenu* MenuOf(Tmainfrm* owner, const char* name, std::span<const PopupItem> items) {
  auto* menu = new QMenu(owner);
  menu->setObjectName(QString::fromUtf8(name));
  for (const PopupItem& item : items) {
    QAction* action = item.caption == nullptr ? menu->addSeparator()
                                              : menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromUtf8(item.object_name));
    action->setVisible(item.visible);
    if (item.handler != nullptr) QObject::connect(action, &QAction::triggered, owner, item.handler);
  }
  return menu;
}

// The local files among `mime`'s URLs; empty when any URL is not a local file.
QStringList DroppedFiles(const QMimeData* mime) {
  QStringList files;
  if (mime == nullptr || !mime->hasUrls()) return files;
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) return {};
    files.append(url.toLocalFile());
  }
  return files;
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The threads of a corpus run: one per core.
size_t CorpusThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

}  // namespace

Tmainfrm::Tmainfrm(tarn::UserPort& port, const tarn::app::ProgramFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      port_(port),
      files_(files),
      session_(port),
      glosses_(files.dict_folder),
      known_words_(tarn::DefaultKnownWordsPath(), port),
      background_(std::make_unique<tarn::app::BackgroundCounting>(this)),
      large_file_bytes_(kLargeFileBytes) {
  setObjectName(QStringLiteral("mainfrm"));
  setWindowTitle(QStringLiteral("Tarn 英语词频统计4.0版"));
  setFixedSize(kClientWidth, kClientHeight);
  setAcceptDrops(true);
  BuildWindow();
  FormCreate();
}

Tmainfrm::~Tmainfrm() = default;

void Tmainfrm::AttachWindows(Tfrmdicttools* dicttools, TFrmAbout* about) {
  dicttools_ = dicttools;
  about_ = about;
}

void Tmainfrm::AttachProfileWindow(tarn::profile::ProfileWindow* profile) {
  profile_ = profile;
  if (profile_ == nullptr) return;
  connect(profile_, &tarn::profile::ProfileWindow::RowActivated, this,
          [this](tarn::Ladder ladder, const tarn::ProfileRow& row) {
            view_forms_ = tarn::FormScope::kWordAlone;
            SessionCommand(false, [&] { profile_commands_.ShowRow(ladder, row); });
          });
}

void Tmainfrm::AttachConcordanceWindow(tarn::concordance::ConcordanceWindow* concordance) {
  concordance_ = concordance;
}

void Tmainfrm::AttachCorpusWindow(tarn::corpus::CorpusWindow* corpus) { corpus_window_ = corpus; }

void Tmainfrm::BuildWindow() {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* columns = new QSplitter(Qt::Horizontal, this);
  columns->setObjectName(QStringLiteral("RzSplitter1"));
  columns->setChildrenCollapsible(false);
  outer->addWidget(columns);

  auto* bar = new GroupBar(columns);
  bar->setObjectName(QStringLiteral("RzGroupBar1"));
  BuildGroupBar(*bar);
  columns->addWidget(bar);

  auto* right = new QWidget(columns);
  auto* stack = new QVBoxLayout(right);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  stack->addWidget(BuildToolbar());

  auto* rows = new QSplitter(Qt::Vertical, right);
  rows->setObjectName(QStringLiteral("RzSplitter2"));
  rows->setChildrenCollapsible(false);
  RichEdit1 = new QPlainTextEdit(rows);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font = RichEdit1->font();
  font.setPointSize(kTextViewPointSize);
  RichEdit1->setFont(font);
  RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
  RichEdit1->viewport()->installEventFilter(this);
  BuildPopupMenu();
  rows->addWidget(RichEdit1);
  rows->addWidget(BuildTabs());
  stack->addWidget(rows, 1);

  auto* status = new QStatusBar(right);
  status->setObjectName(QStringLiteral("RzStatusBar1"));
  status->setSizeGripEnabled(false);
  RzStatusPane1 = new QLabel(status);
  RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
  // At least its old width, and the whole bar for a word and its gloss.
  RzStatusPane1->setMinimumWidth(353);
  status->addWidget(RzStatusPane1, 1);
  stack->addWidget(status);
  columns->addWidget(right);

  columns->setSizes({kGroupBarWidth, kClientWidth - kGroupBarWidth});
  const int below = kClientHeight - kToolbarHeight - status->sizeHint().height();
  rows->setSizes({kTextViewHeight, below - kTextViewHeight});
}

void Tmainfrm::BuildGroupBar(GroupBar& bar) {
  const Group groups[] = {
      {"统计",
       {{"打开文件并统计", "RzGroup1Items0", QStyle::SP_DialogOpenButton, true,
         &Tmainfrm::RzGroup1Items0Click},
        {"统计剪贴板文字", "RzGroup1Items1", QStyle::SP_FileDialogContentsView, true,
         &Tmainfrm::RzGroup1Items1Click},
        {"打开多个文件并统计", "RzGroup1Items8", QStyle::SP_DirOpenIcon, true,
         &Tmainfrm::RzGroup1Items8Click},
        {"查看全部单词统计", "RzGroup1Items2", QStyle::SP_FileDialogDetailedView, true,
         &Tmainfrm::RzGroup1Items2Click},
        {"查看归并单词统计", "RzGroup1Items5", QStyle::SP_FileDialogListView, true,
         &Tmainfrm::Porterstem},
        {"查看过略词后统计", "RzGroup1Items3", QStyle::SP_FileDialogInfoView, true,
         &Tmainfrm::RzGroup1Items3Click},
        {"查看过略词后归并统计", "RzGroup1Items4", QStyle::SP_FileDialogToParent, true,
         &Tmainfrm::RzGroup1Items4Click},
        {"词典工具", "RzGroup1Items7", QStyle::SP_DirIcon, true, &Tmainfrm::RzGroup1Items7Click},
        {"设置参数", "RzGroup1Items6", QStyle::SP_ComputerIcon, false,
         &Tmainfrm::RzGroup1Items7Click}}},
      {"排序",
       {{"单词升序", "RzGroup2Items0", QStyle::SP_ArrowUp, true, &Tmainfrm::RzGroup2Items0Click},
        {"单词降序", "RzGroup2Items1", QStyle::SP_ArrowDown, true, &Tmainfrm::RzGroup2Items1Click},
        {"词频升序", "RzGroup2Items2", QStyle::SP_ArrowUp, true, &Tmainfrm::RzGroup2Items2Click},
        {"词频降序", "RzGroup2Items3", QStyle::SP_ArrowDown, true,
         &Tmainfrm::RzGroup2Items3Click}}},
      {"导出",
       {{"导出为Xls文件", "RzGroup3Items0", QStyle::SP_DialogSaveButton, true,
         &Tmainfrm::RzGroup3Items0Click},
        {"导出为文本", "RzGroup3Items1", QStyle::SP_FileIcon, true,
         &Tmainfrm::RzGroup3Items1Click},
        {"导出生词本", "RzGroup3Items2", QStyle::SP_FileDialogNewFolder, true,
         &Tmainfrm::RzGroup3Items2Click}}},
      {"帮助",
       {{"帮助", "RzGroup4Items1", QStyle::SP_DialogHelpButton, true,
         &Tmainfrm::RzGroup4Items1Click},
        {"关于", "RzGroup4Items2", QStyle::SP_MessageBoxInformation, true,
         &Tmainfrm::RzGroup4Items2Click},
        {"退出", "RzGroup4Items3", QStyle::SP_DialogCloseButton, true,
         &Tmainfrm::RzGroup4Items3Click}}},
      {"词汇分析",
       {{"词汇等级分布", "RzGroup5Items0", QStyle::SP_CustomBase, true,
         &Tmainfrm::RzGroup5Items0Click, &tarn::profile::LevelChartIcon},
        {"超出等级的生词", "RzGroup5Items1", QStyle::SP_CustomBase, true,
         &Tmainfrm::RzGroup5Items1Click, &tarn::profile::BeyondLevelIcon},
        {"关键词", "RzGroup5Items2", QStyle::SP_FileDialogContentsView, true,
         &Tmainfrm::RzGroup5Items2Click}}},
  };
  for (const Group& group : groups) {
    bar.AddGroup(QString::fromUtf8(group.caption));
    for (const GroupItem& item : group.items) {
      const QIcon icon =
          item.drawn_icon != nullptr ? item.drawn_icon() : style()->standardIcon(item.icon);
      QToolButton* button = bar.AddItem(QString::fromUtf8(item.caption),
                                        QString::fromUtf8(item.object_name), icon, item.visible);
      connect(button, &QToolButton::clicked, this, item.handler);
    }
  }
}

QWidget* Tmainfrm::BuildToolbar() {
  auto* toolbar = new QToolBar(this);
  toolbar->setObjectName(QStringLiteral("RzToolbar1"));
  toolbar->setFixedHeight(kToolbarHeight);
  toolbar->setIconSize(QSize(16, 16));
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto add_button = [&](const char* caption, const char* name, QStyle::StandardPixmap icon,
                        void (Tmainfrm::*handler)()) {
    auto* button = new QToolButton(toolbar);
    button->setObjectName(QString::fromUtf8(name));
    button->setText(QString::fromUtf8(caption));
    button->setIcon(style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, handler);
    toolbar->addWidget(button);
    return button;
  };
  add_button("查看单词原形", "RzToolButton1", QStyle::SP_FileDialogDetailedView,
             &Tmainfrm::RzToolButton1Click)
      ->setFixedWidth(100);
  toolbar->addSeparator();
  add_button("搜索", "RzToolButton2", QStyle::SP_FileDialogContentsView,
             &Tmainfrm::RzToolButton2Click);
  RzEdit1 = new QLineEdit(toolbar);
  RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
  RzEdit1->setFixedWidth(121);
  connect(RzEdit1, &QLineEdit::returnPressed, this, &Tmainfrm::RzEdit1KeyPress);
  toolbar->addWidget(RzEdit1);
  toolbar->addSeparator();
  add_button("放大", "RzToolButton3", QStyle::SP_ArrowUp, &Tmainfrm::RzToolButton3Click);
  add_button("缩小", "RzToolButton4", QStyle::SP_ArrowDown, &Tmainfrm::RzToolButton4Click);
  return toolbar;
}

void Tmainfrm::BuildPopupMenu() {
  const PopupItem items[] = {
      {"查看过略词表", "c1", true, &Tmainfrm::c1Click},
      {"查看不规则词表", "N5", false, &Tmainfrm::N5Click},
      {"查看Eend表", "N6", false, &Tmainfrm::N6Click},
      {"查看recall表", "N7", false, &Tmainfrm::N7Click},
      {"查看辅音尾字double表", "N8", false, &Tmainfrm::N8Click},
      {"查看停用词表", "c2", true, &Tmainfrm::c2Click},
      {nullptr, "N9", true, nullptr},
      {"词典工具", "N10", true, &Tmainfrm::N10Click},
      {"载入新的过略词表", "z1", true, &Tmainfrm::z1Click},
      {nullptr, "N11", true, nullptr},
      {"保存当前词表", "N12", true, &Tmainfrm::N12Click},
      {"归并词根", "g1", true, &Tmainfrm::g1Click},
      {nullptr, "N13", true, nullptr},
      {"查看上下文", "c3", true, &Tmainfrm::c3Click},
      {nullptr, "N14", true, nullptr},
      {"加入熟词本", "KnownAdd", true, &Tmainfrm::KnownAddClick},
      {"移出熟词本", "KnownRemove", true, &Tmainfrm::KnownRemoveClick},
  };
  PopupMenu1 = MenuOf(this, "PopupMenu1", items);
  PopupMenu1->addMenu(BuildKnownWordsMenu());
  const PopupItem corpus_items[] = {
      {"选择文件…", "CorpusFiles", true, &Tmainfrm::CorpusFilesClick},
      {"选择文件夹…", "CorpusFolder", true, &Tmainfrm::CorpusFolderClick},
  };
  corpus_menu_ = MenuOf(this, "CorpusMenu", corpus_items);
  const PopupItem keywords_items[] = {
      {"对照英语口语词频", "KeywordsSpoken", true, &Tmainfrm::KeywordsSpokenClick},
      {"对照其他文件…", "KeywordsFiles", true, &Tmainfrm::KeywordsFilesClick},
      {"对照文件夹…", "KeywordsFolder", true, &Tmainfrm::KeywordsFolderClick},
  };
  keywords_menu_ = MenuOf(this, "KeywordsMenu", keywords_items);
  connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& where) {
    popup_word_ = tarn::concordance::ConcordanceWindow::ListingWord(
        RichEdit1->cursorForPosition(where).block().text());
    PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(where));
  });
}

QMenu* Tmainfrm::BuildKnownWordsMenu() {
  const PopupItem items[] = {
      {"查看熟词本", "KnownShow", true, &Tmainfrm::KnownShowClick},
      {"导入词表…", "KnownImportList", true, &Tmainfrm::KnownImportListClick},
      {nullptr, "KnownLevels", true, nullptr},
      {"导出熟词本…", "KnownExport", true, &Tmainfrm::KnownExportClick},
      {"导出生词本（略去熟词）…", "KnownExportStudy", true, &Tmainfrm::KnownExportStudyClick},
  };
  QMenu* menu = MenuOf(this, "KnownMenu", items);
  menu->setTitle(QStringLiteral("我的熟词本"));
  // One item per exam level, before the exports: "我已掌握高考词汇" marks the whole list.
  QAction* const before = menu->actions()[menu->actions().size() - 2];
  for (const tarn::LevelDefinition& level : tarn::LevelsOf(tarn::Ladder::kExam)) {
    auto* action =
        new QAction(QStringLiteral("我已掌握") + Text(level.label) + QStringLiteral("词汇"), menu);
    action->setObjectName(QStringLiteral("KnownLevel-") + Text(level.Stem()));
    connect(action, &QAction::triggered, this, [this, &level] {
      ChangeKnownWords([&level](auto& known) { return known.ImportLevel(level); },
                       "已加入熟词本的新词：");
    });
    menu->insertAction(before, action);
  }
  menu->insertSeparator(before);
  return menu;
}

QWidget* Tmainfrm::BuildTabs() {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("RzPageControl1"));
  tabs->setTabPosition(QTabWidget::South);
  auto* results = new QWidget(tabs);
  auto* results_layout = new QVBoxLayout(results);
  results_layout->setContentsMargins(0, 0, 0, 0);
  rzLabel1 = new QLabel(results);
  rzLabel1->setObjectName(QStringLiteral("rzLabel1"));
  rzLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  rzLabel1->setMargin(8);
  rzLabel1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  results_layout->addWidget(rzLabel1, 1);
  results_layout->addWidget(BuildCorpusButtons(results));
  tabs->addTab(results, QStringLiteral("统计结果"));
  const char* const pages[][2] = {
      {"使用提示",
       "先用“打开文件并统计”或“统计剪贴板文字”统计一篇英文，\n"
       "再从“统计”“排序”“导出”中选择要看的结果。\n在文本区单击右键可查看词表、保存当前词表。"},
      {"关于 Tarn",
       "Tarn 帮助英语学习者统计英文文章的词频，\n合并单词的各种变化形式，整理自己的生词表。"},
      {"反馈", "欢迎把使用中发现的问题和建议告诉我们。"},
  };
  for (const auto& page : pages) {
    auto* text = new QLabel(QString::fromUtf8(page[1]), tabs);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setMargin(8);
    tabs->addTab(text, QString::fromUtf8(page[0]));
  }
  return tabs;
}

QWidget* Tmainfrm::BuildCorpusButtons(QWidget* parent) {
  // What a corpus run adds to its summary, shown only while the last run is one.
  const PopupItem buttons[] = {
      {"语料词表…", "CorpusListingButton", true, &Tmainfrm::CorpusListingClick},
  };
  corpus_buttons_ = new QWidget(parent);
  auto* row = new QHBoxLayout(corpus_buttons_);
  row->setContentsMargins(8, 0, 8, 6);
  for (const PopupItem& item : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(item.caption), corpus_buttons_);
    button->setObjectName(QString::fromUtf8(item.object_name));
    connect(button, &QPushButton::clicked, this, item.handler);
    row->addWidget(button);
  }
  row->addStretch(1);
  corpus_buttons_->hide();
  return corpus_buttons_;
}

void Tmainfrm::FormCreate() {
  // A list that cannot be used is reported here, once; the program goes on without it.
  known_words_.Open();
  try {
    session_.LoadLexicon(files_.dict_folder);
    session_.State().text_view = tarn::ReadFileBytes(files_.help_file);
    ShowInView(session_.State().text_view);
  } catch (const std::exception& error) {
    port_.ReportError(error.what());
  }
}

void Tmainfrm::FormShow() {
  setWindowTitle(QStringLiteral("TARN 英语词频统计") +
                 QString::fromStdString(tarn::app::FileVersion()) + QStringLiteral("版"));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void Tmainfrm::showEvent(QShowEvent* event) {
  if (!shown_once_) {
    shown_once_ = true;
    FormShow();
  }
  QWidget::showEvent(event);
}

void Tmainfrm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) Q_EMIT Closed();
}

template <typename Command>
void Tmainfrm::Guarded(Command&& command) {
  try {
    command();
  } catch (const tarn::RunCancelled&) {
    // The user stopped the run: nothing changed and nothing needs saying.
  } catch (const std::exception& error) {
    port_.ReportError(error.what());
  }
}

template <typename Command>
void Tmainfrm::SessionCommand(bool reads_view, Command&& command) {
  std::string& view = session_.State().text_view;
  std::string previous;
  if (reads_view) {
    view = tarn::app::StateTextFromView(RichEdit1->toPlainText());
    Guarded(command);
  } else {
    previous = std::exchange(view, kViewUntouched);
    Guarded(command);
    if (view == kViewUntouched) {
      view = std::move(previous);
    } else {
      ShowInView(view);
    }
  }
  ShowSummary();
}

void Tmainfrm::ShowInView(const std::string& cp936) {
  TextViewSearch::ReplaceText(*RichEdit1, tarn::app::ViewTextFromState(cp936));
}

void Tmainfrm::ShowSummary() {
  QString summary = QString::fromStdString(session_.State().summary_label);
  summary.replace(u'\r', u'\n');
  rzLabel1->setText(summary);
  corpus_buttons_->setVisible(corpus_.DescribesLastRun(session_.State()));
}

bool Tmainfrm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RichEdit1->viewport() && event->type() == QEvent::DragEnter &&
      !DroppedFiles(static_cast<QDragEnterEvent*>(event)->mimeData()).isEmpty()) {
    dragEnterEvent(static_cast<QDragEnterEvent*>(event));
    return true;
  }
  if (watched == RichEdit1->viewport() &&
      (event->type() == QEvent::DragMove || event->type() == QEvent::Drop)) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (!DroppedFiles(drop->mimeData()).isEmpty()) {
      if (event->type() == QEvent::Drop) {
        dropEvent(drop);
      } else {
        drop->acceptProposedAction();
      }
      return true;
    }
  }
  if (watched == RichEdit1->viewport() && event->type() == QEvent::MouseButtonDblClick &&
      session_.State().DocumentLoaded) {
    const QPoint where = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QString word = tarn::concordance::ConcordanceWindow::ListingWord(
        RichEdit1->cursorForPosition(where).block().text());
    // After the view has selected the word, as a double-click always does.
    if (!word.isEmpty()) QTimer::singleShot(0, this, [this, word] { ShowConcordance(word); });
  }
  return QWidget::eventFilter(watched, event);
}

void Tmainfrm::RzGroup1Items0Click() {
  CountDocument([this] {
    const std::optional<std::string> path = session_.AskDocument();
    return path && CountDocumentAt(*path);
  });
}

void Tmainfrm::OpenDocument(const QString& path) {
  CountDocument([&] { return CountDocumentAt(QFile::encodeName(path).toStdString()); });
}

void Tmainfrm::TakeHandedOverDocument(const QString& path) {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  pending_documents_.append(path);
  OpenPendingDocuments();
}

void Tmainfrm::OpenPendingDocuments() {
  // A count inside an open dialog's loop would run under the command that opened it.
  if (QApplication::activeModalWidget() != nullptr) {
    QTimer::singleShot(kPendingRetryMilliseconds, this, &Tmainfrm::OpenPendingDocuments);
    return;
  }
  while (!pending_documents_.isEmpty()) OpenDocument(pending_documents_.takeFirst());
}

void Tmainfrm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Tmainfrm::dropEvent(QDropEvent* event) {
  const QStringList files = DroppedFiles(event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  // After the drop has ended, so the source of the drag is not left waiting during the count.
  QTimer::singleShot(0, this, [this, files] {
    if (files.size() == 1 && !QFileInfo(files.front()).isDir()) {
      OpenDocument(files.front());
      return;
    }
    std::vector<std::string> paths;
    for (const QString& file : files) paths.push_back(QFile::encodeName(file).toStdString());
    CountCorpus(paths);
  });
}

void Tmainfrm::CountDocument(const std::function<bool()>& count) {
  bool kept = false;
  SessionCommand(false, [&] {
    try {
      kept = !count();
    } catch (const tarn::RunCancelled&) {
      kept = true;
      throw;
    }
  });
  RefreshProfile();
  if (!kept) NewDocument();
}

bool Tmainfrm::CountDocumentAt(const std::string& path) {
  if (tarn::FileSizeOrZero(path) <= large_file_bytes_) return session_.CountFile(path);
  return session_.CountFile(path, background_->Host());
}

void Tmainfrm::RzGroup1Items8Click() { PopupBelow(corpus_menu_, "RzGroup1Items8"); }

void Tmainfrm::PopupBelow(QMenu* menu, const char* item_name) {
  const auto* button = findChild<QWidget*>(QString::fromUtf8(item_name));
  menu->popup(button != nullptr ? button->mapToGlobal(QPoint(0, button->height()))
                                : QCursor::pos());
}

void Tmainfrm::CorpusFilesClick() {
  Guarded([this] {
    if (const auto files = port_.AskOpenFiles({tarn::DocumentFilter(), std::string()})) {
      CountCorpus(*files);
    }
  });
}

void Tmainfrm::CorpusFolderClick() {
  Guarded([this] {
    if (const auto folder = port_.AskFolder(std::string())) CountCorpus({*folder});
  });
}

void Tmainfrm::CountCorpus(const std::vector<std::string>& paths) {
  bool counted = false;
  SessionCommand(false, [&] {
    tarn::CorpusRun run(session_.State(), *session_.Words().StopWords, port_);
    const size_t threads = CorpusThreads();
    tarn::CountedCorpus counted_corpus;
    background_->Run([&](tarn::RunProgress* progress) {
      counted_corpus = run.Count(paths, threads, progress);
    });
    tarn::BusyCursor busy(port_);
    corpus_ = run.Show(std::move(counted_corpus));
    // The texts of a corpus are not kept: the commands that read a document again find none.
    session_.ForgetSource();
    session_.State().summary_label += tarn::SkippedTextsLines(corpus_);
    counted = true;
  });
  RefreshProfile();
  if (counted) NewDocument();
}

std::vector<tarn::CorpusListingRow> Tmainfrm::CorpusRows() const {
  return tarn::CorpusListingRows(*session_.State().WordTable, corpus_);
}

void Tmainfrm::CorpusListingClick() {
  Guarded([this] {
    if (corpus_window_ == nullptr || !tarn::RequireCorpus(session_.State(), corpus_, port_)) return;
    corpus_window_->ShowListing(CorpusRows(), corpus_.Texts());
  });
}

void Tmainfrm::RzGroup1Items1Click() {
  SessionCommand(false, [this] { session_.CountClipboard(); });
  RefreshProfile();
  NewDocument();
}

void Tmainfrm::NewDocument() {
  view_forms_ = tarn::FormScope::kWordAlone;
  if (concordance_ != nullptr) concordance_->DocumentReplaced();
  if (corpus_window_ == nullptr) return;
  if (!corpus_.DescribesLastRun(session_.State())) {
    corpus_window_->DocumentReplaced();
  } else if (corpus_window_->isVisible()) {
    corpus_window_->Refresh(CorpusRows(), corpus_.Texts());
  }
}

void Tmainfrm::c3Click() {
  const QString selected = RichEdit1->textCursor().selectedText().trimmed();
  QString word = tarn::concordance::ConcordanceWindow::ListingWord(selected);
  if (word.isEmpty()) word = popup_word_;
  if (word.isEmpty()) {
    word =
        tarn::concordance::ConcordanceWindow::ListingWord(RichEdit1->textCursor().block().text());
  }
  ShowConcordance(word);
}

void Tmainfrm::ShowConcordance(const QString& word) {
  Guarded([&] {
    if (concordance_ == nullptr) return;
    concordance_->ShowWord(concordance_commands_, glosses_,
                           tarn::Utf16ToCp936(word.toStdU16String()), view_forms_);
  });
}

void Tmainfrm::RefreshProfile() {
  Guarded([this] {
    if (profile_ != nullptr && session_.State().DocumentLoaded) profile_->Refresh();
  });
}

namespace {

template <void (tarn::AnalysisViews::*view)()>
auto View(tarn::MainSession& session) {
  return [&session] {
    tarn::AnalysisViews views(session.State(), session.Words(), session.Port());
    (views.*view)();
  };
}

template <typename Method>
auto Listing(tarn::MainSession& session, Method method) {
  return [&session, method] {
    tarn::ListingCommands commands(session.State(), session.Port());
    method(commands);
  };
}

}  // namespace

void Tmainfrm::RzGroup1Items2Click() {
  view_forms_ = tarn::FormScope::kWordAlone;
  SessionCommand(false, View<&tarn::AnalysisViews::ShowAllWords>(session_));
}

void Tmainfrm::Porterstem() {
  view_forms_ = tarn::FormScope::kMerged;
  SessionCommand(false, View<&tarn::AnalysisViews::ShowMerged>(session_));
}

void Tmainfrm::RzGroup1Items3Click() {
  view_forms_ = tarn::FormScope::kWordAlone;
  SessionCommand(false, View<&tarn::AnalysisViews::ShowFiltered>(session_));
}

void Tmainfrm::RzGroup1Items4Click() {
  view_forms_ = tarn::FormScope::kFilteredMerged;
  SessionCommand(false, View<&tarn::AnalysisViews::ShowFilteredMerged>(session_));
}

void Tmainfrm::g1Click() {
  SessionCommand(false, View<&tarn::AnalysisViews::MergeRoots>(session_));
}

void Tmainfrm::RzGroup1Items7Click() {
  Guarded([this] {
    if (dicttools_ != nullptr) dicttools_->ShowModeless();
  });
}

void Tmainfrm::N10Click() {
  Guarded([this] {
    if (dicttools_ != nullptr) dicttools_->ShowModal();
  });
}

void Tmainfrm::RzGroup2Items0Click() {
  SessionCommand(false, Listing(session_, [](auto& c) { c.SortByWord(false); }));
}

void Tmainfrm::RzGroup2Items1Click() {
  SessionCommand(false, Listing(session_, [](auto& c) { c.SortByWord(true); }));
}

void Tmainfrm::RzGroup2Items2Click() {
  SessionCommand(false, Listing(session_, [](auto& c) { c.SortByCount(false); }));
}

void Tmainfrm::RzGroup2Items3Click() {
  SessionCommand(false, Listing(session_, [](auto& c) { c.SortByCount(true); }));
}

void Tmainfrm::RzGroup3Items0Click() {
  SessionCommand(true, Listing(session_, [](auto& c) { c.ExportXls(); }));
}

void Tmainfrm::RzGroup3Items1Click() {
  SessionCommand(true, Listing(session_, [](auto& c) { c.ExportText(); }));
}

void Tmainfrm::RzGroup3Items2Click() {
  SessionCommand(true, [this] {
    tarn::StudyListCommands(session_, profile_commands_, glosses_.Get())
        .ExportStudyList(view_forms_);
  });
}

void Tmainfrm::N12Click() {
  SessionCommand(true, Listing(session_, [](auto& c) { c.SaveCurrentList(); }));
}

void Tmainfrm::RzGroup4Items1Click() {
  // DocumentLoaded, the tables and the summary stay, so the sorts still work afterwards.
  SessionCommand(false,
                 [this] { session_.State().text_view = tarn::ReadFileBytes(files_.help_file); });
}

void Tmainfrm::RzGroup4Items2Click() {
  Guarded([this] {
    if (about_ != nullptr) about_->ShowModeless();
  });
}

void Tmainfrm::RzGroup4Items3Click() { close(); }

void Tmainfrm::RzGroup5Items0Click() {
  Guarded([this] {
    if (profile_ != nullptr) profile_->ShowProfile(profile_commands_);
  });
}

void Tmainfrm::RzGroup5Items1Click() {
  Guarded([this] {
    if (!tarn::RequireDocument(session_.State(), port_)) return;
    if (level_chooser_ == nullptr) {
      level_chooser_ = new tarn::profile::LevelChooser(this);
      connect(level_chooser_, &tarn::profile::LevelChooser::Chosen, this,
              [this](const tarn::LevelDefinition& level) {
                // The words beyond a level are merged base forms.
                view_forms_ = tarn::FormScope::kMerged;
                SessionCommand(false, [&] { profile_commands_.ShowBeyond(level); });
              });
    }
    level_chooser_->Ask();
  });
}

void Tmainfrm::RzGroup5Items2Click() {
  Guarded([this] {
    if (tarn::RequireDocument(session_.State(), port_)) PopupBelow(keywords_menu_, "RzGroup5Items2");
  });
}

void Tmainfrm::KeywordsSpokenClick() {
  ShowKeywordsAgainst([this] {
    return tarn::ReadReferenceCounts(
        (std::filesystem::path(session_.Words().folder) / tarn::kSpokenCountsFile).string());
  });
}

void Tmainfrm::KeywordsFilesClick() {
  ShowKeywordsAgainst([this] {
    const auto files = port_.AskOpenFiles({tarn::DocumentFilter(), std::string()});
    if (!files) throw tarn::RunCancelled();
    return tarn::CountReferenceCorpus(*files, CorpusThreads(), tarn::ConversionSettings{}, port_);
  });
}

void Tmainfrm::KeywordsFolderClick() {
  ShowKeywordsAgainst([this] {
    const auto folder = port_.AskFolder(std::string());
    if (!folder) throw tarn::RunCancelled();
    return tarn::CountReferenceCorpus({*folder}, CorpusThreads(), tarn::ConversionSettings{},
                                      port_);
  });
}

void Tmainfrm::ShowKeywordsAgainst(const std::function<tarn::ReferenceCounts()>& reference) {
  SessionCommand(false, [&] {
    tarn::ShowKeywords(session_.State(), reference, port_);
    // The keywords are words of the listing as counted.
    view_forms_ = tarn::FormScope::kWordAlone;
  });
}

void Tmainfrm::RzToolButton1Click() {
  Guarded([this] {
    const std::string word = tarn::Utf16ToCp936(RzEdit1->text().toStdU16String());
    RzEdit1->setText(QString::fromStdU16String(tarn::Cp936ToUtf16(session_.BaseFormCommand(word))));
    // The box keeps exactly the base form; its gloss goes to the status bar.
    const QString base = RzEdit1->text().trimmed();
    const std::string gloss = glosses_.Of(base.toUtf8().toStdString());
    RzStatusPane1->setText(gloss.empty() ? QString() : base + u'：' + QString::fromUtf8(gloss));
  });
}

void Tmainfrm::RzToolButton2Click() {
  Guarded([this] {
    if (!TextViewSearch::SearchAndMark(*RichEdit1, RzEdit1->text())) return;
    RichEdit1->setFocus();
    RzEdit1->setFocus();
  });
}

void Tmainfrm::RzEdit1KeyPress() { RzToolButton2Click(); }

void Tmainfrm::RzToolButton3Click() {
  Guarded([this] { TextViewSearch::ZoomBy(*RichEdit1, kZoomStep); });
}

void Tmainfrm::RzToolButton4Click() {
  Guarded([this] { TextViewSearch::ZoomBy(*RichEdit1, -kZoomStep); });
}

void Tmainfrm::ShowLexiconTable(tarn::LexiconTable table) {
  view_forms_ = tarn::FormScope::kWordAlone;
  SessionCommand(false, [this, table] { session_.ShowTable(table); });
}

void Tmainfrm::c1Click() { ShowLexiconTable(tarn::LexiconTable::kFilterWords); }

void Tmainfrm::N5Click() { ShowLexiconTable(tarn::LexiconTable::kIrregularPairs); }

void Tmainfrm::N6Click() { ShowLexiconTable(tarn::LexiconTable::kEEndWords); }

void Tmainfrm::N7Click() { ShowLexiconTable(tarn::LexiconTable::kRecallWords); }

void Tmainfrm::N8Click() { ShowLexiconTable(tarn::LexiconTable::kDoubleConsonantWords); }

void Tmainfrm::c2Click() { ShowLexiconTable(tarn::LexiconTable::kStopWords); }

void Tmainfrm::z1Click() {
  SessionCommand(false, [this] { session_.ReloadFilterWords(); });
}

void Tmainfrm::ChangeKnownWords(const std::function<size_t(tarn::KnownWordCommands&)>& change,
                                const char* done) {
  std::optional<size_t> changed;
  SessionCommand(false, [&] { changed = change(known_commands_); });
  if (changed) RzStatusPane1->setText(QString::fromUtf8(done) + QString::number(*changed));
  RefreshProfile();
}

void Tmainfrm::ChangeTextViewWords(
    size_t (tarn::KnownWordCommands::*change)(const std::vector<std::string>&, bool),
    const char* done) {
  const std::vector<std::string> words = tarn::app::TextViewWords(*RichEdit1);
  // The merged views list base forms already.
  const bool base_forms = view_forms_ != tarn::FormScope::kWordAlone;
  ChangeKnownWords([&](auto& known) { return (known.*change)(words, base_forms); }, done);
}

void Tmainfrm::KnownAddClick() {
  ChangeTextViewWords(&tarn::KnownWordCommands::Mark, "已加入熟词本的新词：");
}

void Tmainfrm::KnownRemoveClick() {
  ChangeTextViewWords(&tarn::KnownWordCommands::Unmark, "已移出熟词本的词：");
}

void Tmainfrm::KnownShowClick() {
  // The list holds base forms, as a merged view lists them.
  view_forms_ = tarn::FormScope::kMerged;
  SessionCommand(false, [this] { known_commands_.ShowList(); });
}

void Tmainfrm::KnownImportListClick() {
  ChangeKnownWords([](auto& known) { return known.ImportList(); }, "已加入熟词本的新词：");
}

void Tmainfrm::KnownExportStudyClick() {
  SessionCommand(true, [this] {
    tarn::StudyListCommands(session_, profile_commands_, glosses_.Get())
        .ExportStudyList(view_forms_,
                         known_commands_.KnownTest(view_forms_ != tarn::FormScope::kWordAlone));
  });
}

void Tmainfrm::KnownExportClick() {
  SessionCommand(false, [this] { known_commands_.ExportList(); });
}
