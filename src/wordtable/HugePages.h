#pragma once

#include <cstddef>

namespace tarn {

// Asks the system to back the whole 2 MB pages within [data, data + bytes) with huge pages when
// they are first touched. On a machine where every fresh 4 KB page costs a fault (a few
// microseconds, far more under virtualisation) filling a large table's storage costs more in
// faults than in work; one fault per 2 MB removes most of that. Call it on memory not yet
// written; it does nothing for small ranges or where the system has no such pages. The
// programs' operator new (HugePageNew.cpp) calls it for every large block, so the tables need
// not.
void AdviseHugePages(void* data, size_t bytes);

}  // namespace tarn
