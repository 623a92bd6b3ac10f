#include "cli/StudySteps.h"

#include "analysis/MainSession.h"
#include "concordance/Glosses.h"
#include "concordance/StudyListCommands.h"
#include "known/KnownWordCommands.h"
#include "profile/ProfileCommands.h"

namespace tarn::cli {

namespace {

// The study list of the text view, without the words `leave_known` says are known.
void WriteStudyList(const StepCall& call, bool leave_known) {
  MainSession& session = call.session;
  const Glosses glosses = Glosses::Read(session.Words().folder + "/" + kGlossFile);
  ProfileCommands profile(session);
  StudyListCommands study(session, profile, glosses);
  if (!leave_known) {
    study.ExportStudyList(call.forms);
    return;
  }
  const KnownWordCommands known(session, profile, call.known);
  study.ExportStudyList(call.forms, known.KnownTest(call.forms != FormScope::kWordAlone));
}

void ExportStudy(const StepCall& call) { WriteStudyList(call, false); }

void ExportStudyNew(const StepCall& call) { WriteStudyList(call, true); }

constexpr SessionStep kSteps[] = {
    {"export-study", "NAME",
     "write the text view's words with count, exam level, gloss, first sentence and forms to "
     "NAME.tsv (for flashcards) and NAME.csv (导出生词本)",
     1, ExportStudy},
    {"export-study-new", "NAME",
     "the same without the words whose base form is known (导出生词本（略去熟词）)", 1,
     ExportStudyNew},
};

}  // namespace

std::span<const SessionStep> StudySteps() { return kSteps; }

}  // namespace tarn::cli
