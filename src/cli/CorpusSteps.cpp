#include "cli/CorpusSteps.h"

#include "analysis/MainSession.h"
#include "concordance/ViewForms.h"
#include "corpus/CorpusListing.h"
#include "corpus/CorpusRun.h"

namespace tarn::cli {

namespace {

// Runs `count` (Run or Merge) on a corpus run of the session and makes the corpus the session's
// document.
void CountIntoSession(const StepCall& call,
                      CorpusStatistics (CorpusRun::*count)(const std::vector<std::string>&,
                                                           size_t)) {
  MainSession& session = call.session;
  CorpusRun run(session.State(), *session.Words().StopWords, session.Port());
  call.corpus = (run.*count)(call.arguments, call.jobs);
  // The texts of a corpus are not kept: the commands that read a document again find none.
  session.ForgetSource();
  call.forms = FormScope::kWordAlone;
}

void Corpus(const StepCall& call) { CountIntoSession(call, &CorpusRun::Run); }

void MergePartials(const StepCall& call) { CountIntoSession(call, &CorpusRun::Merge); }

void CorpusListing(const StepCall& call) {
  ShowCorpusListing(call.session.State(), call.corpus, call.session.Port());
}

constexpr SessionStep kSteps[] = {
    {"corpus", "PATH...",
     "count the files and folders (their documents, subfolders too, in name order) as one "
     "document (打开多个文件并统计)",
     1, Corpus},
    {"merge-partials", "PARTIAL...",
     "merge partial counts (from count-partial) in the order given into the statistics of "
     "counting all their files in that order, as corpus leaves them",
     1, MergePartials},
    {"corpus-listing", "",
     "the corpus's words: WORD, COUNT, RANGE (texts holding it) and DP (dispersion, three "
     "decimals)",
     1, CorpusListing},
};

}  // namespace

std::span<const SessionStep> CorpusSteps() { return kSteps; }

}  // namespace tarn::cli
