#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/RunProgress.h"

namespace tarn {
class CorpusStatistics;
class KnownWordBook;
class MainSession;
enum class FormScope;
}  // namespace tarn

namespace tarn::cli {

class CliPort;

// What a step runs with: the session all steps share, the port that answers its dialogs, the
// step's own argument (empty for a step without one, the first of a list), the optional number
// after a required argument (empty when not given), what a word of the text view's listing
// stands for, which the listing steps set, every argument of a step that takes a list, the
// corpus of the last corpus step, the number of threads a corpus is counted on, the known words
// and, when long runs show their progress, the host that counts them (null: they count on the
// spot).
struct StepCall {
  MainSession& session;
  CliPort& port;
  const std::string& argument;
  const std::string& number;
  FormScope& forms;
  const std::vector<std::string>& arguments;
  CorpusStatistics& corpus;
  size_t jobs;
  KnownWordBook& known;
  const CountingHost* progress = nullptr;
};

// One tarn-cli step: a window command run on the shared session, its argument standing in for
// the dialog's answer. Failures are thrown as tarn::Error.
struct SessionStep {
  std::string_view name;
  // The argument's name ("FILE", "NAME"), empty for none; "[a|b]" for an optional argument
  // that is one of the words listed; "NAME [NUMBER]" for an argument and an optional number;
  // "NAME..." for one or more arguments, up to the next step name; "[NAME...]" for none or
  // more.
  std::string_view usage;
  std::string_view summary;  // one line for --help
  int filter_index;          // the 1-based filter the dialog answers with (save and export)
  void (*run)(const StepCall& call);

  // Whether the step must have an argument.
  bool TakesArgument() const { return !usage.empty() && !usage.starts_with('['); }
  // Whether the step takes every argument up to the next step name.
  bool TakesList() const { return usage.ends_with("...") || usage.ends_with("...]"); }
  // Whether the step's list may be empty.
  bool ListMayBeEmpty() const { return TakesList() && usage.starts_with('['); }
  // Whether `word` is one of the words an optional argument may be.
  bool AcceptsOptional(std::string_view word) const {
    if (!usage.starts_with('[') || word.empty()) return false;
    std::string_view choices = usage.substr(1, usage.size() - 2);
    while (!choices.empty()) {
      const size_t bar = choices.find('|');
      if (choices.substr(0, bar) == word) return true;
      choices = bar == std::string_view::npos ? std::string_view() : choices.substr(bar + 1);
    }
    return false;
  }
  // Whether `word` is the optional number that may follow the step's required argument.
  bool AcceptsNumber(std::string_view word) const {
    return TakesArgument() && usage.ends_with(']') && usage.find(" [") != std::string_view::npos &&
           !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
  }
};

}  // namespace tarn::cli
