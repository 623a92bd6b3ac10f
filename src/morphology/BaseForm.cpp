#include "morphology/BaseForm.h"

#include "text/CodePage936.h"
#include "text/Collation.h"
#include "text/Trim.h"

namespace tarn {

std::optional<std::string> BaseForm(std::string_view box_text, const ReducerTables& tables,
                                    const THashTable& stop_words,
                                    const std::vector<std::string>& irregular_pairs) {
  if (box_text.size() < 3) return std::nullopt;
  const std::string_view word = TrimView(box_text);
  const std::u16string key = Cp936ToUtf16(word);
  if (tables.RecallWords.Contains(key) || stop_words.Contains(key)) return std::nullopt;
  for (size_t i = 0; i < irregular_pairs.size(); ++i) {
    if (CompareTextIgnoreCase(irregular_pairs[i], word) != 0) continue;
    // An irregular form stands at an even index with its base form after it; a base form, or a
    // last line without a partner, is stemmed like any other word.
    if (i % 2 == 0 && i + 1 < irregular_pairs.size()) return irregular_pairs[i + 1];
    break;
  }
  return StemWord(box_text, tables);
}

}  // namespace tarn
