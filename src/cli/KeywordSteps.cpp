#include "cli/KeywordSteps.h"

#include <filesystem>

#include "analysis/MainSession.h"
#include "corpus/Keywords.h"
#include "corpus/ReferenceCounts.h"

namespace tarn::cli {

namespace {

// Against the paths counted as a corpus, or the dict folder's spoken counts without paths.
void Keywords(const StepCall& call) {
  MainSession& session = call.session;
  ShowKeywords(
      session.State(),
      [&call, &session] {
        if (call.arguments.empty()) {
          return ReadReferenceCounts(
              (std::filesystem::path(session.Words().folder) / kSpokenCountsFile).string());
        }
        return CountReferenceCorpus(call.arguments, call.jobs, ConversionSettings{},
                                    session.Port());
      },
      session.Port());
}

constexpr SessionStep kSteps[] = {
    {"keywords", "[REFERENCE_PATH...]",
     "the words more frequent than in spoken English, or than in the files and folders given "
     "(counted as a corpus): WORD, COUNT, REFCOUNT, G2 and LOGRATIO (two decimals), by G2 (关键词)",
     1, Keywords},
};

}  // namespace

std::span<const SessionStep> KeywordSteps() { return kSteps; }

}  // namespace tarn::cli
