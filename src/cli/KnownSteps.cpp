#include "cli/KnownSteps.h"

#include "cli/CliPort.h"
#include "known/KnownWordCommands.h"
#include "text/Utf8.h"

namespace tarn::cli {

namespace {

// The step's words in code page 936, as the listing holds them.
std::vector<std::string> WordsOf(const StepCall& call) {
  std::vector<std::string> words;
  for (const std::string& word : call.arguments) words.push_back(Utf8ToCp936(word));
  return words;
}

// Runs `change` with the known-word commands of the session.
template <typename Change>
size_t Changing(const StepCall& call, Change&& change) {
  ProfileCommands profile(call.session, KnownSourceOf(call.known));
  KnownWordCommands commands(call.session, profile, call.known);
  return change(commands);
}

void KnownAdd(const StepCall& call) {
  const size_t added = Changing(
      call, [&](KnownWordCommands& commands) { return commands.Mark(WordsOf(call), false); });
  call.port.ShowMessage("已加入熟词本：" + std::to_string(added) + "个新词");
}

void KnownRemove(const StepCall& call) {
  const size_t removed = Changing(
      call, [&](KnownWordCommands& commands) { return commands.Unmark(WordsOf(call), false); });
  call.port.ShowMessage("已移出熟词本：" + std::to_string(removed) + "个词");
}

void KnownList(const StepCall& call) {
  Changing(call, [](KnownWordCommands& commands) {
    commands.ShowList();
    return size_t{0};
  });
}

constexpr SessionStep kSteps[] = {
    {"known-add", "WORD...",
     "add the base forms of the words (as the merged view folds them) to the known words "
     "(加入熟词本); saved at once",
     1, KnownAdd},
    {"known-remove", "WORD...",
     "remove the base forms of the words from the known words (移出熟词本); saved at once", 1,
     KnownRemove},
    {"known-list", "", "the known words into the text view, one a line (我的熟词本)", 1, KnownList},
};

}  // namespace

std::span<const SessionStep> KnownSteps() { return kSteps; }

}  // namespace tarn::cli
