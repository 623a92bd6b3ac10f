#include "corpus/CorpusCount.h"

#include <utility>

#include "analysis/RunProgress.h"
#include "analysis/WordStreamCounter.h"
#include "corpus/CorpusText.h"
#include "corpus/CorpusTextCounts.h"

namespace tarn {

CorpusCount CountCorpus(const std::vector<std::string>& paths, size_t threads,
                        const ConversionSettings& conversion, RunProgress* progress) {
  CorpusCount count;
  ListedCorpus corpus = ListCorpusToCount(paths, progress);
  static_cast<CorpusSkips&>(count) = std::move(corpus.skipped);
  // One stream of all the texts: each word is looked up once, in the corpus's own counter.
  WordStreamCounter counter(true);
  CorpusTextCounts texts(count.tally);
  counter.CountTexts(texts, threads > 1);
  for (size_t i = 0; i < corpus.files.size(); ++i) {
    const std::string& path = corpus.files[i];
    FileProgress file(progress, path, progress != nullptr ? corpus.sizes[i] : 0);
    std::string failure = CountCorpusDocument(path, conversion, counter, &file);
    file.Done();
    if (failure.empty()) {
      counter.EndText();
      count.texts.push_back(path);
    } else {
      counter.DropText();
      count.failed.push_back({path, std::move(failure)});
    }
    texts.AddEndedTexts();
  }
  counter.FinishTexts();
  texts.Finish(counter.TakeWords());
  if (progress != nullptr) progress->ThrowIfCancelled();
  return count;
}

}  // namespace tarn
