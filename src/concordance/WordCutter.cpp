#include "concordance/WordCutter.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "analysis/WordUnits.h"
#include "text/CodePage936.h"

namespace tarn {

namespace {

// Any unit above U+007F: no letter, no digit, no apostrophe.
constexpr unsigned char kOtherUnit = 0x80;

constexpr unsigned char Lowered(unsigned char b) {
  return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
}

}  // namespace

WordCutter::WordCutter(bool l_rule) : l_rule_(l_rule) {}

void WordCutter::Feed(std::string_view piece) {
  if (ended_ || piece.empty()) return;
  const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
  const size_t n = piece.size();
  const uint64_t base = consumed_;
  size_t i = 0;
  if (carry_cr_) {
    carry_cr_ = false;
    if (p[0] == '\n') i = 1;
  }
  if (lead_ != 0 && i < n) {
    if (IsCp936Pair(lead_, p[i])) ++i;
    lead_ = 0;
    Unit(kOtherUnit, base);
  }
  size_t end = n;
  while (i < n) {
    if (!rule_pending_ && i + kBlock <= n) {
      const size_t taken = PlainBlock(p + i, base + i);
      i += taken;
      if (taken == kBlock) continue;
      if (i == n) break;
    }
    unsigned char b = p[i];
    if (!rule_pending_) {
      // Runs of letters and single spaces, the common case, taken without the rules.
      if (kUnitKinds[b] == kLetter) {
        if (open_length_ == 0) open_start_ = base + i;
        const size_t first = i;
        while (++i < n && kUnitKinds[p[i]] == kLetter) {
        }
        open_length_ += static_cast<uint32_t>(i - first);
        previous_alnum_ = true;
        continue;
      }
      if (b == ' ') {
        EndWord();
        previous_alnum_ = false;
        ++i;
        continue;
      }
    }
    if (b == 0) {
      ended_ = true;
      end = i;
      break;
    }
    if (b == '\r' || b == '\n') {
      Unit('\r', base + i);
      Unit('\n', base + i);
      ++i;
      if (b == '\r') {
        if (i == n) {
          carry_cr_ = true;
        } else if (p[i] == '\n') {
          ++i;
        }
      }
    } else if (b < 0x80) {
      Unit(Lowered(b), base + i);
      ++i;
    } else if (b >= 0x81 && b <= 0xFE) {
      if (i + 1 == n) {
        lead_ = b;  // its partner, if any, opens the next piece
        ++i;
        break;
      }
      // A double-byte character, or an invalid lead byte whose follower stands alone.
      Unit(kOtherUnit, base + i);
      i += IsCp936Pair(b, p[i + 1]) ? 2 : 1;
    } else {
      Unit(kOtherUnit, base + i);
      ++i;
    }
  }
  if (end > 0) line_open_ = p[end - 1] != '\r' && p[end - 1] != '\n';
  consumed_ = base + end;
}

size_t WordCutter::PlainBlock(const unsigned char* block, uint64_t at) {
#ifdef __SSE2__
  // Plain: ASCII without NUL or apostrophe, where every non-letter is a separator (line breaks
  // included) and, with no rule pending, only where the letter runs start and end matters.
  uint64_t letters = 0;
  uint64_t special = 0;
  const __m128i zero = _mm_setzero_si128();
  const __m128i apostrophe = _mm_set1_epi8('\'');
  const __m128i case_bit = _mm_set1_epi8(0x20);
  const __m128i before_a = _mm_set1_epi8('a' - 1);
  const __m128i after_z = _mm_set1_epi8('z' + 1);
  for (size_t k = 0; k < kBlock; k += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + k));
    const auto odd = static_cast<uint32_t>(_mm_movemask_epi8(v)) |
                     static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, zero))) |
                     static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, apostrophe)));
    special |= static_cast<uint64_t>(odd) << k;
    const __m128i low = _mm_or_si128(v, case_bit);
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi8(low, before_a), _mm_cmplt_epi8(low, after_z));
    letters |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(letter))) << k;
  }
  // Only the bytes before the first one that needs the rules are taken.
  const size_t taken = special == 0 ? kBlock : static_cast<size_t>(__builtin_ctzll(special));
  if (taken == 0) return 0;
  const uint64_t last_bit = uint64_t{1} << (taken - 1);
  letters &= last_bit | (last_bit - 1);
  uint64_t starts = letters & ~(letters << 1);
  // The last letter of each run, except a run that reaches the end and may go on after it.
  uint64_t ends = letters & ~(letters >> 1) & ~last_bit;
  if (open_length_ > 0) {
    // The word open before the block ends before it, inside it, or goes on through it.
    if ((letters & 1) == 0) {
      EndWord();
    } else {
      starts &= starts - 1;  // the run at the block's start is the open word's
      if (ends == 0) {
        open_length_ += static_cast<uint32_t>(taken);
      } else {
        open_length_ += static_cast<uint32_t>(__builtin_ctzll(ends) + 1);
        EndWord();
        ends &= ends - 1;
      }
    }
  }
  while (ends != 0) {
    const auto start = static_cast<uint32_t>(__builtin_ctzll(starts));
    const auto end = static_cast<uint32_t>(__builtin_ctzll(ends));
    words_.push_back(CutWord{at + start, end - start + 1});
    starts &= starts - 1;
    ends &= ends - 1;
  }
  if (starts != 0) {
    const auto start = static_cast<uint32_t>(__builtin_ctzll(starts));
    open_start_ = at + start;
    open_length_ = static_cast<uint32_t>(taken) - start;
  }
  const unsigned char last = block[taken - 1];
  previous_alnum_ = kUnitKinds[last] == kLetter || kUnitKinds[last] == kDigit;
  return taken;
#else
  (void)block;
  (void)at;
  return 0;
#endif
}

void WordCutter::Finish() {
  if (lead_ != 0) {
    lead_ = 0;
    Unit(kOtherUnit, consumed_);
  }
  if (line_open_) {
    line_open_ = false;
    Unit('\r', consumed_);
    Unit('\n', consumed_);
  }
  if (apostrophe_) RuleUnit(' ', consumed_);
  EndWord();
  ended_ = true;
}

inline void WordCutter::Unit(unsigned char unit, uint64_t at) {
  if (rule_pending_) {
    RuleUnit(unit, at);
    return;
  }
  const unsigned char kind = kUnitKinds[unit];
  if (kind == kLetter) {
    if (open_length_ == 0) open_start_ = at;
    ++open_length_;
    previous_alnum_ = true;
  } else if (kind == kApostrophe && previous_alnum_) {
    // Whether it is a rule depends on the next unit; the word stays open for the "t" rule.
    apostrophe_ = true;
    rule_pending_ = true;
    previous_alnum_ = false;
  } else {
    EndWord();
    previous_alnum_ = kind == kDigit;
  }
}

void WordCutter::RuleUnit(unsigned char unit, uint64_t at) {
  const unsigned char kind = kUnitKinds[unit];
  if (kill_ > 0) {
    // Dropped by the "l" rule: a separator whatever it was, and no rule of its own.
    --kill_;
    rule_pending_ = kill_ > 0;
    EndWord();
    previous_alnum_ = kind == kLetter || kind == kDigit;
    return;
  }
  apostrophe_ = false;
  rule_pending_ = false;
  if (unit == 's' || unit == 't' || (unit == 'l' && l_rule_)) {
    if (unit == 't' && open_length_ > 0) --open_length_;  // the letter before the apostrophe
    EndWord();
    if (unit == 'l') {
      kill_ = 1;
      rule_pending_ = true;
    }
    previous_alnum_ = true;
    return;
  }
  EndWord();  // the apostrophe was only a separator
  Unit(unit, at);
}

inline void WordCutter::EndWord() {
  if (open_length_ == 0) return;
  words_.push_back(CutWord{open_start_, open_length_});
  open_length_ = 0;
}

}  // namespace tarn
