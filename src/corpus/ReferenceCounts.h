#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/CountedWords.h"
#include "analysis/FirstSeenCounter.h"
#include "documents/DocumentKinds.h"

namespace tarn {

class UserPort;

// The counts of a reference corpus, which keywords are measured against: its running words and
// how often it holds each word.
class ReferenceCounts {
 public:
  // `words` (lower case, code page 936) from a corpus of `running_words` words, at least as many
  // as `words` counts: a counts file may leave its rare words out but keeps them in its total.
  ReferenceCounts(FirstSeenCounter words, int64_t running_words)
      : words_(std::move(words)), running_words_(running_words) {}

  // The corpus's running words, stop words included.
  int64_t RunningWords() const { return running_words_; }
  // How often the corpus holds `word` (lower case, code page 936); 0 for a word it lacks.
  int64_t CountOf(std::string_view word) const { return words_.Find(word).count; }

 private:
  CountedWords words_;
  int64_t running_words_;
};

// The shipped spoken-English counts, in the dict folder.
inline constexpr char kSpokenCountsFile[] = "spoken-counts.txt";

// Reads a counts file: a first line whose first field (up to a TAB or the line's end) is the
// corpus's running words, then one "word<TAB>count" line for each word, the words in ASCII or
// code page 936 (lower-cased here), the counts positive; CR LF line ends are taken too. Throws
// the reader's "Cannot open file ..." when the file cannot be read, and an Error naming the file
// and the line when a line is not of that form, the counts add up to more than the running
// words, or there are no running words.
ReferenceCounts ReadReferenceCounts(const std::string& path);

// Counts the documents that `paths` stand for as a corpus run counts them, `threads` at a time,
// into a reference whose running words are all the words counted. Files and folders that are
// skipped are listed in one message through `port`; when no text can be counted, or the texts
// hold no word, throws an Error that names the paths and says why.
ReferenceCounts CountReferenceCorpus(const std::vector<std::string>& paths, size_t threads,
                                     const ConversionSettings& conversion, UserPort& port);

}  // namespace tarn
