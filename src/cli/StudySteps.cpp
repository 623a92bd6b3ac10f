#include "cli/StudySteps.h"

#include "analysis/MainSession.h"
#include "concordance/Glosses.h"
#include "concordance/StudyListCommands.h"
#include "profile/ProfileCommands.h"

namespace tarn::cli {

namespace {

void ExportStudy(const StepCall& call) {
  MainSession& session = call.session;
  const Glosses glosses = Glosses::Read(session.Words().folder + "/" + kGlossFile);
  ProfileCommands profile(session);
  StudyListCommands(session, profile, glosses).ExportStudyList(call.forms);
}

constexpr SessionStep kSteps[] = {
    {"export-study", "NAME",
     "write the text view's words with count, exam level, gloss, first sentence and forms to "
     "NAME.tsv (for flashcards) and NAME.csv (导出生词本)",
     1, ExportStudy},
};

}  // namespace

std::span<const SessionStep> StudySteps() { return kSteps; }

}  // namespace tarn::cli
