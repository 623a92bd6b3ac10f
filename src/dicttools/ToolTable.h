#pragma once

#include <span>
#include <string_view>

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// One toolbar operation: the window's handler name, a readable alias for the command line, the
// button's caption (UTF-8) and the function that does the work.
struct DictToolEntry {
  std::string_view handler;
  std::string_view alias;
  std::string_view caption;
  DictToolFunction run;
};

// Every operation of the toolbar that works on the text area or the boxes, in toolbar order
// (open, save and close are not among them).
std::span<const DictToolEntry> DictTools();

// The entry whose handler name or alias is `name` (exact spelling), or nullptr.
const DictToolEntry* FindDictTool(std::string_view name);

}  // namespace tarn::dicttools
