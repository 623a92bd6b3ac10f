#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/MainSession.h"
#include "app/ProgramFiles.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/Glosses.h"
#include "concordance/ViewForms.h"
#include "corpus/CorpusListing.h"
#include "corpus/CorpusStatistics.h"
#include "corpus/ReferenceCounts.h"
#include "known/KnownWordBook.h"
#include "known/KnownWordCommands.h"
#include "profile/ProfileCommands.h"

class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class TFrmAbout;
class Tfrmdicttools;

namespace tarn::app {
class BackgroundCounting;
class GroupBar;
}  // namespace tarn::app

namespace tarn::corpus {
class CorpusWindow;
}

namespace tarn::concordance {
class ConcordanceWindow;
}

namespace tarn::profile {
class LevelChooser;
class ProfileWindow;
}  // namespace tarn::profile

// The main window: the group bar of commands, the toolbar with the search box, the text view
// and the summary label. Every command runs on the session and the widgets then show the
// session's text and summary; an error ends the command and goes to the port's error report.
class Tmainfrm : public QWidget {
  Q_OBJECT

 public:
  // Builds the window hidden and runs FormCreate with `files`. `port` must outlive the window.
  Tmainfrm(tarn::UserPort& port, const tarn::app::ProgramFiles& files, QWidget* parent = nullptr);
  ~Tmainfrm() override;

  // The windows the dictionary tools and about commands show; both must outlive this one.
  void AttachWindows(Tfrmdicttools* dicttools, TFrmAbout* about);
  // The window "词汇等级分布" shows; it must outlive this one. Its double-clicked rows list
  // their words in the text view.
  void AttachProfileWindow(tarn::profile::ProfileWindow* profile);
  // The window "查看上下文" and a double-click on the listing show; it must outlive this one.
  void AttachConcordanceWindow(tarn::concordance::ConcordanceWindow* concordance);

  // The window "语料词表" shows; it must outlive this one.
  void AttachCorpusWindow(tarn::corpus::CorpusWindow* corpus);
  // "打开文件并统计" counts a document larger than `bytes` off the window thread, behind the
  // progress dialog; smaller ones as they always were.
  void SetLargeFileBytes(uint64_t bytes) { large_file_bytes_ = bytes; }

  // Counts the document at `path` as "打开文件并统计" does once its dialog has answered with
  // it: for "tarn FILE", a file handed over by a second start and a file dropped on the window.
  void OpenDocument(const QString& path);

  // A document a second start of the program handed over: the window comes to the front and
  // counts it as soon as no dialog is open.
  void TakeHandedOverDocument(const QString& path);

  // The statistics and lexicon behind the window.
  tarn::MainSession& Session() { return session_; }
  // "我的熟词本", read as the window is created.
  const tarn::KnownWordBook& KnownWords() const { return known_words_; }
  // The Chinese glosses of the dict folder, read on first use.
  const tarn::LazyGlosses& WordGlosses() const { return glosses_; }

 Q_SIGNALS:
  // The user closed the window (close box or "退出"): the program ends.
  void Closed();

 public Q_SLOTS:
  void RzGroup1Items0Click();  // 打开文件并统计
  void RzGroup1Items1Click();  // 统计剪贴板文字
  void RzGroup1Items8Click();  // 打开多个文件并统计: asks whether files or a folder
  void CorpusFilesClick();     // its 选择文件…: the chosen files as one corpus
  void CorpusFolderClick();    // its 选择文件夹…: the folder's documents as one corpus
  void CorpusListingClick();   // 语料词表 below a corpus run's summary, not modal
  void RzGroup1Items2Click();  // 查看全部单词统计
  void Porterstem();           // 查看归并单词统计
  void RzGroup1Items3Click();  // 查看过略词后统计
  void RzGroup1Items4Click();  // 查看过略词后归并统计
  void RzGroup1Items7Click();  // 词典工具 (and the hidden 设置参数), not modal
  void RzGroup2Items0Click();  // 单词升序
  void RzGroup2Items1Click();  // 单词降序
  void RzGroup2Items2Click();  // 词频升序
  void RzGroup2Items3Click();  // 词频降序
  void RzGroup3Items0Click();  // 导出为Xls文件
  void RzGroup3Items1Click();  // 导出为文本
  void RzGroup3Items2Click();  // 导出生词本
  void RzGroup4Items1Click();  // 帮助
  void RzGroup4Items2Click();  // 关于
  void RzGroup4Items3Click();  // 退出
  void RzGroup5Items0Click();  // 词汇等级分布, not modal
  void RzGroup5Items1Click();  // 超出等级的生词: asks for a level, then shows the view
  void RzGroup5Items2Click();  // 关键词: asks for the reference, then lists the keywords
  void KeywordsSpokenClick();  // its 对照英语口语词频: against the dict folder's spoken counts
  void KeywordsFilesClick();   // its 对照其他文件…: against the chosen files as one corpus
  void KeywordsFolderClick();  // its 对照文件夹…: against the folder's documents
  void RzToolButton1Click();   // 查看单词原形, its gloss in the status bar
  void RzToolButton2Click();   // 搜索
  void RzEdit1KeyPress();      // Enter in the search box
  void RzToolButton3Click();   // 放大
  void RzToolButton4Click();   // 缩小
  void c1Click();              // 查看过略词表
  void N5Click();              // 查看不规则词表
  void N6Click();              // 查看Eend表
  void N7Click();              // 查看recall表
  void N8Click();              // 查看辅音尾字double表
  void c2Click();              // 查看停用词表
  void N10Click();             // 词典工具, modal
  void z1Click();              // 载入新的过略词表
  void N12Click();             // 保存当前词表
  void g1Click();              // 归并词根
  void c3Click();  // 查看上下文: the selected word or the listing line's, not modal

  void KnownAddClick();     // 加入熟词本: the selected lines' words or the one under the caret
  void KnownRemoveClick();  // 移出熟词本: the same words
  void KnownShowClick();    // 我的熟词本 > 查看熟词本
  void KnownImportListClick();  // 我的熟词本 > 导入词表…
  void KnownExportClick();      // 我的熟词本 > 导出熟词本…
  void KnownExportStudyClick();  // 我的熟词本 > 导出生词本（略去熟词）…: 导出生词本 without them

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A double-click on the text view also shows the concordance of the line's word; files
  // dropped on the text view are counted as on the rest of the window.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Dropped local files: one file is counted as "打开文件并统计" counts it, several files or a
  // folder as one corpus.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildWindow();
  void BuildGroupBar(tarn::app::GroupBar& bar);
  QWidget* BuildToolbar();
  void BuildPopupMenu();
  QWidget* BuildTabs();
  QWidget* BuildCorpusButtons(QWidget* parent);

  // Loads the lexicon and the help text; the first failure is reported and ends it.
  void FormCreate();
  // The title with the file version, on the first showing.
  void FormShow();

  // Runs `command` on the session, reporting its error; `reads_view` first hands the view's
  // text (edits included) to the session. Afterwards the widgets show the session's state.
  template <typename Command>
  void SessionCommand(bool reads_view, Command&& command);
  // Runs a window-only command, reporting its error.
  template <typename Command>
  void Guarded(Command&& command);
  // One of the popup menu's table viewers.
  void ShowLexiconTable(tarn::LexiconTable table);
  void ShowInView(const std::string& cp936);
  void ShowSummary();
  void LoadHelp();
  // After a counting run: the profile window, when it is open, shows the new document.
  void RefreshProfile();
  // After a counting run: the listing's words stand for themselves and the concordance window
  // no longer shows the old document.
  void NewDocument();
  // A counting run of one document by `count` (false when cancelled or the file gave no line),
  // with what follows every new document.
  void CountDocument(const std::function<bool()>& count);
  // "打开文件并统计" after the dialog answered with `path`.
  bool CountDocumentAt(const std::string& path);
  // Counts the handed-over documents once no dialog is open.
  void OpenPendingDocuments();
  // The corpus run over `paths`, off the window thread behind the progress dialog.
  void CountCorpus(const std::vector<std::string>& paths);
  // The corpus listing of the last run, which must be a corpus run.
  std::vector<tarn::CorpusListingRow> CorpusRows() const;
  // The concordance of `word` (a word of the listing) in the concordance window.
  void ShowConcordance(const QString& word);
  // Opens `menu` below the group bar's item `item_name`.
  void PopupBelow(QMenu* menu, const char* item_name);
  // Runs `change` on the known words and says in the status bar what it did: `done` followed
  // by the number it returns.
  void ChangeKnownWords(const std::function<size_t(tarn::KnownWordCommands&)>& change,
                        const char* done);
  // ChangeKnownWords with `change` (Mark or Unmark) of the words TextViewWords picks.
  void ChangeTextViewWords(
      size_t (tarn::KnownWordCommands::*change)(const std::vector<std::string>&, bool),
      const char* done);
  // The popup menu's 我的熟词本 submenu.
  QMenu* BuildKnownWordsMenu();
  // The keywords of the last run against the reference that `reference` reads, in the text view.
  void ShowKeywordsAgainst(const std::function<tarn::ReferenceCounts()>& reference);

  tarn::UserPort& port_;
  tarn::app::ProgramFiles files_;
  tarn::MainSession session_;
  tarn::LazyGlosses glosses_;
  tarn::KnownWordBook known_words_;
  tarn::ProfileCommands profile_commands_{session_, tarn::KnownSourceOf(known_words_)};
  tarn::KnownWordCommands known_commands_{session_, profile_commands_, known_words_};
  // What a word of the listing stands for: set by the counting runs and the views.
  tarn::FormScope view_forms_ = tarn::FormScope::kWordAlone;
  Tfrmdicttools* dicttools_ = nullptr;
  TFrmAbout* about_ = nullptr;
  tarn::profile::ProfileWindow* profile_ = nullptr;
  tarn::profile::LevelChooser* level_chooser_ = nullptr;
  tarn::ConcordanceCommands concordance_commands_{session_};
  tarn::concordance::ConcordanceWindow* concordance_ = nullptr;
  // The range and DP of the last corpus run, which may no longer be the last run.
  tarn::CorpusStatistics corpus_;
  tarn::corpus::CorpusWindow* corpus_window_ = nullptr;
  std::unique_ptr<tarn::app::BackgroundCounting> background_;
  uint64_t large_file_bytes_;
  QMenu* corpus_menu_ = nullptr;
  QMenu* keywords_menu_ = nullptr;
  QWidget* corpus_buttons_ = nullptr;
  // Handed-over documents waiting for the open dialog to close.
  QStringList pending_documents_;
  // The word of the line the popup menu was opened on.
  QString popup_word_;
  bool shown_once_ = false;

  QPlainTextEdit* RichEdit1 = nullptr;
  QLabel* rzLabel1 = nullptr;
  QLineEdit* RzEdit1 = nullptr;
  QLabel* RzStatusPane1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
};
