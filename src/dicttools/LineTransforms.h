#pragma once

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// Each line of at least two characters (trimmed) becomes the part before the first K, blanks
// kept; a line without K, or starting with it, becomes an empty line. No message.
DictToolResult CutBeforeKey(const DictToolInput& input);

// The first character of every line whose trimmed length is at least box 1 (a Chinese
// character keeps both bytes, leading blanks give a blank; an empty line gives nothing). A box
// that is not all digits shows "请在文本框中输入数字！" and changes nothing. No message.
DictToolResult TakeFirstCharacters(const DictToolInput& input);

// Every character whose code exceeds box 1 becomes a space; CR and LF always stay, so lines are
// never joined. An empty text reads no number. No message.
DictToolResult BlankAboveCode(const DictToolInput& input);

}  // namespace tarn::dicttools
