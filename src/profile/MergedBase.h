#pragma once

#include <string>
#include <unordered_map>

#include "morphology/Lexicon.h"

namespace tarn {

// The base form that the merged view folds one word into: the base form of its irregular pair
// when it has one, then StemWord of that.
class MergedBase {
 public:
  // Reads the pairs and the reducer tables of `lexicon`, which must outlive this object.
  explicit MergedBase(const Lexicon& lexicon);

  // The base form of `word` (a lower-case key of the word table).
  std::u16string Of(const std::u16string& word) const;

 private:
  // Irregular form -> base form, the first pair of each form as the fold meets it.
  std::unordered_map<std::u16string, std::string> pairs_;
  ReducerTables tables_;
};

}  // namespace tarn
