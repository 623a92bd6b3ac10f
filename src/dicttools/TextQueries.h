#pragma once

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// Shows the length of the longest trimmed line, the line and its 1-based row, as
// "13 international 在第250行" (the first of equally long lines; "0  在第0行" for no lines).
// The text is not changed.
DictToolResult FindLongestLine(const DictToolInput& input);

// Box 2 becomes "#code," for each UTF-16 unit of box 1, as many units as box 1 has once
// trimmed, counted from its untrimmed start (" ab" gives "#32,#97,"). Nothing else changes.
DictToolResult ListCharacterCodes(const DictToolInput& input);

}  // namespace tarn::dicttools
