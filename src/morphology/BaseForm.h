#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "morphology/pstemming.h"
#include "wordtable/Hashtable.h"

namespace tarn {

// The base form of the word in the search box (`box_text`, code page 936): the base form that
// follows it in `irregular_pairs` (lines form, base, form, base, ...; matched ignoring case),
// or else StemWord of the box's text as read. Empty when the box should stay as it is: under
// 3 characters, or a recalled or stop word.
std::optional<std::string> BaseForm(std::string_view box_text, const ReducerTables& tables,
                                    const THashTable& stop_words,
                                    const std::vector<std::string>& irregular_pairs);

}  // namespace tarn
