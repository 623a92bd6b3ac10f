#include "text/AsciiRun.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tarn {

size_t FindNulOrBeyondAscii(const unsigned char* p, size_t n) {
  size_t i = 0;
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  for (; i + 64 <= n; i += 64) {
    const auto* v = reinterpret_cast<const __m128i*>(p + i);
    const __m128i a = _mm_loadu_si128(v), b = _mm_loadu_si128(v + 1);
    const __m128i c = _mm_loadu_si128(v + 2), d = _mm_loadu_si128(v + 3);
    const __m128i high = _mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d));
    const __m128i least = _mm_min_epu8(_mm_min_epu8(a, b), _mm_min_epu8(c, d));
    if ((_mm_movemask_epi8(high) | _mm_movemask_epi8(_mm_cmpeq_epi8(least, zero))) != 0) break;
  }
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const int mask = _mm_movemask_epi8(v) | _mm_movemask_epi8(_mm_cmpeq_epi8(v, zero));
    if (mask != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
  }
#endif
  for (; i < n; ++i) {
    if (p[i] == 0 || p[i] >= 0x80) return i;
  }
  return n;
}

}  // namespace tarn
