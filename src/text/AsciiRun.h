#pragma once

#include <cstddef>

namespace tarn {

// The index of the first of the `n` bytes at `p` that is NUL or beyond ASCII, or `n` when there
// is none. Runs at memory speed: every document passes through it.
size_t FindNulOrBeyondAscii(const unsigned char* p, size_t n);

}  // namespace tarn
