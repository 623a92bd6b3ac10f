#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "analysis/MainSession.h"
#include "cli/CliPort.h"
#include "concordance/ViewForms.h"
#include "corpus/CorpusStatistics.h"
#include "known/KnownWordBook.h"

namespace tarn::cli {

// A main-window session as tarn-cli runs it, with its lexicon loaded the way the window loads
// it at start-up.
class CliSession {
 public:
  // Loads `dict_folder`, or the default dict folder when none is given. A loading failure is
  // printed to `err` as "error: MESSAGE" and the session goes on with the tables it has. The
  // known words are those of `known_file`, or the user's own list, read when a step needs them.
  CliSession(const std::optional<std::string>& dict_folder, std::ostream& err,
             const std::optional<std::string>& known_file = std::nullopt);

  MainSession& Session() { return session_; }
  CliPort& Port() { return port_; }
  // What a word of the text view's listing stands for, as the last listing step left it.
  FormScope& Forms() { return forms_; }
  // The range and DP of the last corpus step's words.
  CorpusStatistics& Corpus() { return corpus_; }
  KnownWordBook& Known() { return known_; }

 private:
  CliPort port_;
  MainSession session_;
  FormScope forms_ = FormScope::kWordAlone;
  CorpusStatistics corpus_;
  KnownWordBook known_;
};

}  // namespace tarn::cli
