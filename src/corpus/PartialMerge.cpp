#include "corpus/PartialMerge.h"

#include <string>

#include "text/Error.h"
#include "text/Utf8.h"

namespace tarn {

void PartialMerge::Add(const PartialCount& partial) {
  const std::string quoted = "“" + partial.path + "”";
  int64_t total;
  if (__builtin_add_overflow(count_.tally.Words().TotalCount(), partial.running_words, &total)) {
    throw Error("加上" + quoted + "后，语料的总词数超出 64 位整数的范围", partial.path);
  }
  ++partials_;
  std::vector<uint32_t> indexes(partial.words.size());
  for (size_t i = 0; i < partial.words.size(); ++i) {
    const uint32_t index = count_.tally.AddWord(partial.words[i], partial.tallies[i]);
    if (index == listed_by_.size()) listed_by_.push_back(0);
    if (listed_by_[index] == partials_) {
      throw Error(quoted + "第 " + std::to_string(partial.first_word_line + i) + " 行有误：单词“" +
                      Cp936ToUtf8(partial.words[i]) + "”已经列过",
                  partial.path);
    }
    listed_by_[index] = partials_;
    indexes[i] = index;
  }
  for (size_t text = 0; text < partial.texts.size(); ++text) {
    for (const PartialCount::TextCount& in_text : partial.text_counts[text]) {
      count_.tally.AddCount(indexes[in_text.word], in_text.count);
    }
    count_.tally.EndText(partial.text_words[text]);
    count_.texts.push_back(partial.texts[text]);
  }
  count_.unlisted.insert(count_.unlisted.end(), partial.unlisted.begin(), partial.unlisted.end());
  count_.failed.insert(count_.failed.end(), partial.failed.begin(), partial.failed.end());
}

}  // namespace tarn
