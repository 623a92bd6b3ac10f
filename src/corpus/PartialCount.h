#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/FirstSeenCounter.h"
#include "corpus/CorpusCount.h"

namespace tarn {

// The first line of a partial count, the form's name and its version.
inline constexpr std::string_view kPartialCountMagic = "tarn-partial";
inline constexpr int kPartialCountVersion = 1;

// One partial count file as read and checked (PartialCountReader.h describes the form): its
// texts, what it skipped, and its words in first-seen order with their tallies and, text by
// text, their counts.
struct PartialCount {
  // A word's count in one text, by the word's index in `words`.
  using TextCount = CorpusTally::WordCount;

  std::string path;
  std::vector<std::string> texts;
  std::vector<int64_t> text_words;  // each text's running words
  std::vector<SkippedText> unlisted;
  std::vector<SkippedText> failed;
  std::string bytes;                                // the file, which `words` point into
  std::vector<std::string_view> words;              // code page 936, lower case, first seen first
  std::vector<WordTally> tallies;                   // by word
  std::vector<std::vector<TextCount>> text_counts;  // by text, each word once
  size_t first_word_line = 0;                       // the line number of words[0]
  int64_t running_words = 0;                        // the sum of text_words
};

}  // namespace tarn
