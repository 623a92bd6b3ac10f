#pragma once

#include <QStringList>
#include <string_view>

namespace tarn::app {

// A dialog filter list in the "caption|pattern|caption|pattern" form as Qt's name filters,
// one "caption (patterns)" entry per pair, patterns separated by spaces instead of ";". A
// caption without its pattern keeps "*" as the pattern.
QStringList QtNameFilters(std::string_view filter);

}  // namespace tarn::app
