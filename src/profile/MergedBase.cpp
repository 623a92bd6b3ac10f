#include "profile/MergedBase.h"

#include "text/CodePage936.h"

namespace tarn {

MergedBase::MergedBase(const Lexicon& lexicon) : tables_(lexicon.Reducers()) {
  const std::vector<std::string>& pairs = lexicon.IrregularPairs;
  for (size_t i = 0; i + 1 < pairs.size(); i += 2) {
    if (pairs[i] != pairs[i + 1]) pairs_.Add(Cp936ToUtf16(pairs[i]), pairs[i + 1]);
  }
}

void MergedBase::PrepareConcurrentUse() const {
  tables_.RecallWords.PrepareConcurrentLookups();
  tables_.EEndWords.PrepareConcurrentLookups();
  tables_.DoubleConsonantWords.PrepareConcurrentLookups();
}

std::u16string MergedBase::Of(const std::u16string& word) const {
  std::u16string base;
  uint64_t base_hash;
  Of(word, WordHash(word), base, base_hash);
  return base;
}

void MergedBase::Of(const std::u16string& word, uint64_t hash, std::u16string& base,
                    uint64_t& base_hash) const {
  const std::string* pair = pairs_.Find(word, hash);
  const std::string form = pair != nullptr ? *pair : Utf16ToCp936(word);
  const std::string stem = StemWord(form, tables_);
  if (pair == nullptr && stem == form) {
    base = word;
    base_hash = hash;
    return;
  }
  base = Cp936ToUtf16(stem);
  base_hash = WordHash(base);
}

}  // namespace tarn
