#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// The words of a text in order, repeats included, in code page 936: runs of ASCII letters and
// hyphens. After a letter or digit, 's drops, 't drops with the letter before it (don't ->
// do) and 'l drops with the next character (we'll -> we); any other apostrophe separates.
std::vector<std::string> SplitIntoWordList(std::u16string_view text);

// The whole text area split into one word per line; no message.
DictToolResult SplitIntoWords(const DictToolInput& input);

}  // namespace tarn::dicttools
