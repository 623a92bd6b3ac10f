#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The lines in CompareTextIgnoreCase order, whole lines compared; lines that compare equal keep
// their input order. Descending gives exactly the reverse of the ascending result.
std::vector<std::u16string> LinesInWordOrder(std::vector<std::u16string> lines, bool descending);

// A listing (lines ended by CR, UTF-16) reordered by LinesInWordOrder, in code page 936 with
// CR LF after every line.
std::string ListingInWordOrder(std::u16string_view listing, bool descending);

}  // namespace tarn
