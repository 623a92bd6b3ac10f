#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The English words a line-end hyphen in a PDF may join: every form in the dict folder's widest
// exam and frequency lists and every headword of its glosses, in lower case. Safe to use from
// several threads.
class KnownWords {
 public:
  // The words of `dict_folder`, read on the first lookup, so that only a document with a
  // line-end hyphen waits for them. A list that cannot be read adds no words.
  explicit KnownWords(std::string dict_folder);
  // Exactly `words`, which must be in lower case.
  explicit KnownWords(std::vector<std::string> words);

  // Whether `lower_word` (lower case) is one of the words.
  bool Contains(std::string_view lower_word) const;

 private:
  void Load() const;

  std::string folder_;
  mutable std::once_flag loaded_;
  mutable std::vector<std::string> words_;  // sorted, without repeats
};

}  // namespace tarn
