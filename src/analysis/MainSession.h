#pragma once

#include <functional>
#include <optional>
#include <string>

#include "analysis/CountingRun.h"
#include "analysis/RunProgress.h"
#include "analysis/StatisticsState.h"
#include "morphology/Lexicon.h"
#include "morphology/LexiconCommands.h"
#include "wordlists/DocumentSource.h"

namespace tarn {

class UserPort;

// One main window's worth of state and commands, without the window: the lexicon, the
// statistics and the port through which the commands talk to the user. The window and tarn-cli
// both drive one; command classes of their own take State(), Words() and Port().
class MainSession {
 public:
  // Empty tables and statistics; `port` must outlive the session.
  explicit MainSession(UserPort& port, MillisecondClock clock = SteadyMilliseconds);

  // Loads the six tables of `dict_folder` (LoadLexicon); throws the first file's error, keeping
  // the tables loaded before it and leaving the rest empty. The folder's word lists also serve
  // the PDF reader's hyphen joining, read when a PDF first needs them.
  void LoadLexicon(const std::string& dict_folder);

  // The statistics, the text view and the summary label.
  StatisticsState& State() { return state_; }
  const StatisticsState& State() const { return state_; }
  // The lexicon's tables.
  Lexicon& Words() { return lexicon_; }
  const Lexicon& Words() const { return lexicon_; }
  // The port the commands use.
  UserPort& Port() { return port_; }
  // Where the text of the last completed counting run can be read again.
  const DocumentSource& Source() const { return source_; }

  // "打开文件并统计": asks for a text or Word file and counts the first chosen name. False when
  // cancelled or the file gave no line; throws the reading error.
  bool OpenAndCount();
  // The document "打开文件并统计" asks for; nothing when cancelled.
  std::optional<std::string> AskDocument();
  // The file run over `path`, as if it had been chosen in the dialog.
  bool CountFile(const std::string& path);
  // The same run with its counting half handed to `host` (another thread, a progress dialog);
  // the statistics change only once the host has returned, and not at all when it throws
  // (RunCancelled among others).
  bool CountFile(const std::string& path, const CountingHost& host);
  // Forgets the text of the last counted document, after a run that keeps none (many files at
  // once): the commands that read the text again find none.
  void ForgetSource() { source_ = DocumentSource(); }
  // "统计剪贴板文字": the clipboard's text replaces the text view and is counted; a clipboard
  // without text counts an empty text.
  void CountClipboard();

  // The popup menu's viewers: the table's lines replace the text view; the filter and stop
  // word viewers also empty the summary label.
  void ShowTable(LexiconTable table);
  // "载入新的过略词表": replaces the filter list from a chosen file; false when cancelled.
  // Throws the reader's error, keeping the old list.
  bool ReloadFilterWords();

  // "查看单词原形": the search box's text after the command, given its text before (code page
  // 936); unchanged for short, recalled and stop words.
  std::string BaseFormCommand(const std::string& box_text) const;

 private:
  CountingRun Run();
  // The file run over `path` by `run_file`, which counts it and shows the result, with the
  // document's text kept for the commands that read it again.
  bool CountFileBy(const std::string& path,
                   const std::function<bool(CountingRun&, const std::string&)>& run_file);

  UserPort& port_;
  MillisecondClock clock_;
  Lexicon lexicon_;
  StatisticsState state_;
  DocumentSource source_;
  ConversionSettings conversion_;
};

}  // namespace tarn
