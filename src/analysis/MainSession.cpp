#include "analysis/MainSession.h"

#include <memory>
#include <utility>

#include "morphology/BaseForm.h"
#include "morphology/LexiconLoader.h"
#include "text/Lines.h"
#include "text/Utf8.h"
#include "wordlists/UserPort.h"

namespace tarn {

MainSession::MainSession(UserPort& port, MillisecondClock clock)
    : port_(port), clock_(std::move(clock)) {}

void MainSession::LoadLexicon(const std::string& dict_folder) {
  conversion_.pdf.known_words = std::make_shared<const KnownWords>(dict_folder);
  tarn::LoadLexicon(dict_folder, lexicon_);
}

// The stop list can be replaced between commands, so each command takes it afresh.
CountingRun MainSession::Run() {
  CountingRun run(state_, *lexicon_.StopWords, port_, clock_);
  run.SetConversion(conversion_);
  return run;
}

std::optional<std::string> MainSession::AskDocument() {
  const auto choice = port_.AskOpenFile({DocumentFilter(), std::string()});
  if (!choice) return std::nullopt;
  return choice->file_name;
}

bool MainSession::OpenAndCount() {
  const std::optional<std::string> path = AskDocument();
  return path && CountFile(*path);
}

bool MainSession::CountFile(const std::string& path) {
  return CountFileBy(path, [](CountingRun& run, const std::string& file) {
    return run.RunFile(file);
  });
}

bool MainSession::CountFile(const std::string& path, const CountingHost& host) {
  return CountFileBy(path, [this, &host](CountingRun& run, const std::string& file) {
    CountedDocument counted;
    host([&](RunProgress* progress) { counted = run.CountFile(file, progress); });
    BusyCursor busy(port_);
    return run.ShowFile(counted);
  });
}

bool MainSession::CountFileBy(
    const std::string& path,
    const std::function<bool(CountingRun&, const std::string&)>& run_file) {
  CountingRun run = Run();
  const bool text_file = KindOfDocument(path) == DocumentKind::kText;
  // A text file is read again when its text is needed, so only its stamp is kept; it is taken
  // before the run, so a file changed while it is counted reads as changed. A converted
  // document's text is kept as the run counted it.
  std::optional<FileStamp> stamp;
  std::string converted;
  if (text_file) {
    stamp = FileStamp::Of(path);
  } else {
    run.KeepConvertedText(&converted);
  }
  if (!run_file(run, path)) return false;
  source_ = text_file ? DocumentSource::TextFile(path, stamp)
                      : DocumentSource::Text(std::move(converted), true);
  return true;
}

void MainSession::CountClipboard() {
  std::vector<std::string> lines;
  if (const auto text = port_.ClipboardText()) {
    state_.text_view = Utf8ToCp936(*text);
    lines = SplitLines(std::string_view(state_.text_view));
  }
  Run().RunClipboard(lines);
  source_ = DocumentSource::Text(JoinLines(lines), false);
}

void MainSession::ShowTable(LexiconTable table) {
  if (LexiconCommands::EmptiesSummary(table)) state_.summary_label.clear();
  state_.text_view = LexiconCommands(lexicon_).ShowText(table);
}

bool MainSession::ReloadFilterWords() { return LexiconCommands(lexicon_).ReloadFilterWords(port_); }

std::string MainSession::BaseFormCommand(const std::string& box_text) const {
  return BaseForm(box_text, lexicon_.Reducers(), *lexicon_.StopWords, lexicon_.IrregularPairs)
      .value_or(box_text);
}

}  // namespace tarn
