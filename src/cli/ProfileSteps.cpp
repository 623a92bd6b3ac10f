#include "cli/ProfileSteps.h"

#include "concordance/ViewForms.h"
#include "known/KnownWordCommands.h"
#include "profile/ProfileCommands.h"

namespace tarn::cli {

namespace {

// The profile's commands with the session's known words.
ProfileCommands CommandsOf(const StepCall& call) {
  return ProfileCommands(call.session, KnownSourceOf(call.known));
}

void Levels(const StepCall& call) { ProfileCommands(call.session).ShowLevels(); }

void Profile(const StepCall& call) {
  CommandsOf(call).ShowProfile(ParseLadder(call.argument).value_or(Ladder::kExam));
}

void Names(const StepCall& call) {
  CommandsOf(call).ShowNames();
  call.forms = FormScope::kWordAlone;
}

// The words beyond a level are merged base forms.
void Beyond(const StepCall& call) {
  CommandsOf(call).ShowBeyond(ProfileCommands::LevelNamed(call.argument));
  call.forms = FormScope::kMerged;
}

constexpr SessionStep kSteps[] = {
    {"levels", "", "list both ladders' levels: LADDER, LABEL and the list's file", 1, Levels},
    {"profile", "[exam|freq]",
     "the vocabulary profile over the exam ladder (default) or the frequency bands, with a "
     "row 熟词 and the share known when the known words hold any (词汇等级分布)",
     1, Profile},
    {"names", "", "the proper names the profile sets apart, as a view", 1, Names},
    {"beyond", "LEVEL",
     "the merged new words beyond LEVEL (a label such as 四级 or K3, or a list's file name "
     "stem), names, non-words and known words left out (超出等级的生词)",
     1, Beyond},
};

}  // namespace

std::span<const SessionStep> ProfileSteps() { return kSteps; }

}  // namespace tarn::cli
