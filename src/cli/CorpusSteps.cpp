#include "cli/CorpusSteps.h"

#include "analysis/MainSession.h"
#include "concordance/ViewForms.h"
#include "corpus/CorpusListing.h"
#include "corpus/CorpusRun.h"

namespace tarn::cli {

namespace {

void Corpus(const StepCall& call) {
  MainSession& session = call.session;
  call.corpus = CorpusRun(session.State(), *session.Words().StopWords, session.Port())
                    .Run(call.arguments, call.jobs);
  // The texts of a corpus are not kept: the commands that read a document again find none.
  session.ForgetSource();
  call.forms = FormScope::kWordAlone;
}

void CorpusListing(const StepCall& call) {
  ShowCorpusListing(call.session.State(), call.corpus, call.session.Port());
}

constexpr SessionStep kSteps[] = {
    {"corpus", "PATH...",
     "count the files and folders (their documents, subfolders too, in name order) as one "
     "document (打开多个文件并统计)",
     1, Corpus},
    {"corpus-listing", "",
     "the corpus's words: WORD, COUNT, RANGE (texts holding it) and DP (dispersion, three "
     "decimals)",
     1, CorpusListing},
};

}  // namespace

std::span<const SessionStep> CorpusSteps() { return kSteps; }

}  // namespace tarn::cli
