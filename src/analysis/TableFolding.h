#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarn {

class THashTable;

// Maps one word (code page 936) to the form it folds into.
using WordReducer = std::function<std::string(std::string_view)>;

// Moves the count of every key that `reduce` changes onto the reduced form, keys taken once in
// the table's order: forms created on the way are not reduced again, while a listed key passes
// on what it received before its turn. A result that is blank once trimmed leaves its key alone,
// so no count ever vanishes into an unlisted empty key.
void FoldTable(THashTable& table, const WordReducer& reduce);

}  // namespace tarn
