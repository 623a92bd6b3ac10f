#pragma once

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// The eight filters keep the lines that pass their test, in order. K is box 1 trimmed; the
// tests compare UTF-16 code units exactly.

// Lines whose trimmed length lies between box 1 and box 2 (inclusive), written trimmed;
// shows "提取成功！". A box that is not all digits shows its message and changes nothing.
DictToolResult ExtractByLength(const DictToolInput& input);

// Lines whose trimmed form starts with K, written as they were; shows the count.
DictToolResult ExtractByPrefix(const DictToolInput& input);

// Every line ExtractByPrefix would not pass, as it was; shows the count.
DictToolResult DeleteByPrefix(const DictToolInput& input);

// Lines whose trimmed form ends with a non-empty K and is longer than it, as they were;
// shows the count.
DictToolResult ExtractBySuffix(const DictToolInput& input);

// Every line ExtractBySuffix would not pass, as it was; shows the count.
DictToolResult DeleteBySuffix(const DictToolInput& input);

// Lines whose trimmed form contains a non-empty K, written trimmed; shows the count.
DictToolResult ExtractBySubstring(const DictToolInput& input);

// Lines whose trimmed form does not contain K (all of them for an empty K), written trimmed;
// shows the count.
DictToolResult DeleteBySubstring(const DictToolInput& input);

// Lines whose last two bytes are equal and not a lower-case vowel (recall, add), as they were;
// shows the count.
DictToolResult ExtractDoubledFinal(const DictToolInput& input);

}  // namespace tarn::dicttools
