#pragma once

#include <string>

#include "morphology/Lexicon.h"
#include "profile/WordHash.h"

namespace tarn {

// The base form that the merged view folds one word into: the base form of its irregular pair
// when it has one, then StemWord of that.
class MergedBase {
 public:
  // Reads the pairs and the reducer tables of `lexicon`, which must outlive this object.
  explicit MergedBase(const Lexicon& lexicon);

  // Readies the reducer tables for lookups from several threads at once; after it, Of may be
  // called concurrently while the lexicon stays unchanged.
  void PrepareConcurrentUse() const;

  // The base form of `word` (a lower-case key of the word table).
  std::u16string Of(const std::u16string& word) const;
  // The same for `word` whose WordHash is `hash`: the base form goes to `base` and its hash to
  // `base_hash`, without new text when the word is its own base form.
  void Of(const std::u16string& word, uint64_t hash, std::u16string& base,
          uint64_t& base_hash) const;
  // Asks for what Of `word` (whose WordHash is `hash`) reads first to be brought into cache;
  // after PrepareConcurrentUse.
  void Prefetch(const std::u16string& word, uint64_t hash) const {
    pairs_.Prefetch(hash);
    tables_.RecallWords.PrefetchLookup(word);
  }

 private:
  // Irregular form -> base form, the first pair of each form as the fold meets it.
  WordMap<std::string> pairs_;
  ReducerTables tables_;
};

}  // namespace tarn
