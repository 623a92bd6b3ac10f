#pragma once

#include <cstddef>

namespace tarn {

// Asks the system to back the whole 2 MB pages within [data, data + bytes) with huge pages when
// they are first touched. On a machine where every fresh 4 KB page costs a fault (a few
// microseconds, far more under virtualisation) filling a large table's storage costs more in
// faults than in work; one fault per 2 MB removes most of that. Call it on memory not yet
// written; it does nothing for small ranges or where the system has no such pages.
void AdviseHugePages(void* data, size_t bytes);

// Sets the empty vector or string `buffer` to `size` copies of `value` in storage advised as
// above.
template <typename Buffer, typename Value>
void FillFresh(Buffer& buffer, size_t size, const Value& value) {
  buffer.reserve(size);
  AdviseHugePages(buffer.data(), size * sizeof(*buffer.data()));
  buffer.resize(size, value);
}

// Moves the contents of `buffer` to advised storage with room for `capacity` elements.
template <typename Buffer>
void GrowFresh(Buffer& buffer, size_t capacity) {
  Buffer bigger;
  bigger.reserve(capacity);
  AdviseHugePages(bigger.data(), capacity * sizeof(*bigger.data()));
  bigger.assign(buffer.begin(), buffer.end());
  buffer.swap(bigger);
}

}  // namespace tarn
