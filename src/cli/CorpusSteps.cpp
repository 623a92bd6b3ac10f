#include "cli/CorpusSteps.h"

#include <functional>

#include "analysis/MainSession.h"
#include "concordance/ViewForms.h"
#include "corpus/CorpusListing.h"
#include "corpus/CorpusRun.h"

namespace tarn::cli {

namespace {

// Runs `count` on a corpus run of the session and makes the corpus the session's document.
void CountIntoSession(const StepCall& call,
                      const std::function<CorpusStatistics(CorpusRun& run)>& count) {
  MainSession& session = call.session;
  CorpusRun run(session.State(), *session.Words().StopWords, session.Port());
  call.corpus = count(run);
  // The texts of a corpus are not kept: the commands that read a document again find none.
  session.ForgetSource();
  call.forms = FormScope::kWordAlone;
}

void Corpus(const StepCall& call) {
  CountIntoSession(call, [&call](CorpusRun& run) {
    if (call.progress == nullptr) return run.Run(call.arguments, call.jobs);
    CountedCorpus counted;
    (*call.progress)(
        [&](RunProgress* progress) { counted = run.Count(call.arguments, call.jobs, progress); });
    return run.Show(std::move(counted));
  });
}

void MergePartials(const StepCall& call) {
  CountIntoSession(call, [&call](CorpusRun& run) { return run.Merge(call.arguments, call.jobs); });
}

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
