#pragma once

#include <string>
#include <vector>

#include "dicttools/DictTool.h"

namespace tarn::dicttools {

// The lines lower-cased (A-Z only), each kept only the first time it appears, where two lines
// are the same when CompareTextIgnoreCase finds them equal. Linear in the number of lines.
std::vector<std::string> UniqueLowerLines(const std::vector<std::string>& lines);

// The lines in CompareTextIgnoreCase order; lines that compare equal keep their input order.
std::vector<std::string> SortedLines(const std::vector<std::string>& lines);

// The text area through UniqueLowerLines; shows the count.
DictToolResult RemoveDuplicateLines(const DictToolInput& input);

// The text area through SortedLines; shows the count.
DictToolResult SortLines(const DictToolInput& input);

}  // namespace tarn::dicttools
