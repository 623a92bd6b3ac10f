#include "profile/MergedBase.h"

#include "text/CodePage936.h"

namespace tarn {

MergedBase::MergedBase(const Lexicon& lexicon) : tables_(lexicon.Reducers()) {
  const std::vector<std::string>& pairs = lexicon.IrregularPairs;
  for (size_t i = 0; i + 1 < pairs.size(); i += 2) {
    if (pairs[i] != pairs[i + 1]) pairs_.try_emplace(Cp936ToUtf16(pairs[i]), pairs[i + 1]);
  }
}

std::u16string MergedBase::Of(const std::u16string& word) const {
  const auto pair = pairs_.find(word);
  const std::string form = pair != pairs_.end() ? pair->second : Utf16ToCp936(word);
  return Cp936ToUtf16(StemWord(form, tables_));
}

}  // namespace tarn
