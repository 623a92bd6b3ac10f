#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "analysis/FirstSeenCounter.h"
#include "corpus/CorpusFiles.h"
#include "documents/DocumentKinds.h"

namespace tarn {

class RunProgress;

// Counts the documents that `paths` stand for (ListCorpusFiles), each by the file run's rules,
// `threads` at a time, and hands the words of each text counted to `add` in the order of the
// files, whatever the number of threads. Returns the files and folders skipped, each with its
// reason, in the order met. Reports to `progress` when there is one, and throws RunCancelled
// once that is cancelled. An exception of `add` ends the counting and is thrown on.
std::vector<SkippedText> CountCorpusTexts(const std::vector<std::string>& paths, size_t threads,
                                          const ConversionSettings& conversion,
                                          const std::function<void(const FirstSeenCounter&)>& add,
                                          RunProgress* progress = nullptr);

// The message that lists the skipped files and folders, one reason a line, after a first line
// that says how many there are; `whose` ("参照语料" ...) says what they were skipped from.
std::string SkippedMessage(const std::vector<SkippedText>& skipped, const std::string& whose = {});

}  // namespace tarn
