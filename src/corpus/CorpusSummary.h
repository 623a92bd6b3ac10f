#pragma once

#include <string>

#include "corpus/CorpusStatistics.h"

namespace tarn {

// What the window's summary adds after a corpus run: the skipped files and folders, each on a
// line of its own with its reason (UTF-8, each line begun by a CR), or nothing when none was.
std::string SkippedTextsLines(const CorpusStatistics& corpus);

}  // namespace tarn
