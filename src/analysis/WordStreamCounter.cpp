#include "analysis/WordStreamCounter.h"

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "text/CodePage936.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// What a byte of the document is to the line splitter and the code page.
enum ByteKind : unsigned char { kLetterByte, kAscii, kCr, kLf, kNul, kLead, kHighSingle };
// What a unit of the working text is to the rules.
enum UnitKind : unsigned char { kLetter, kDigit, kApostrophe, kSeparator };

constexpr std::array<unsigned char, 256> MakeByteKinds() {
  std::array<unsigned char, 256> kinds{};
  for (int b = 0; b < 256; ++b) {
    if (b == 0) {
      kinds[b] = kNul;
    } else if (b == '\r') {
      kinds[b] = kCr;
    } else if (b == '\n') {
      kinds[b] = kLf;
    } else if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z')) {
      kinds[b] = kLetterByte;
    } else if (b < 0x80) {
      kinds[b] = kAscii;
    } else if (b >= 0x81 && b <= 0xFE) {
      kinds[b] = kLead;
    } else {
      kinds[b] = kHighSingle;  // 0x80 and 0xFF stand alone
    }
  }
  return kinds;
}

constexpr std::array<unsigned char, 128> MakeLowered() {
  std::array<unsigned char, 128> lowered{};
  for (int b = 0; b < 128; ++b) lowered[b] = (b >= 'A' && b <= 'Z') ? b + ('a' - 'A') : b;
  return lowered;
}

constexpr std::array<unsigned char, 256> MakeUnitKinds() {
  std::array<unsigned char, 256> kinds{};
  for (int u = 0; u < 256; ++u) {
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) {
      kinds[u] = kLetter;
    } else if (u >= '0' && u <= '9') {
      kinds[u] = kDigit;
    } else if (u == '\'') {
      kinds[u] = kApostrophe;
    } else {
      kinds[u] = kSeparator;
    }
  }
  return kinds;
}

// Bytes looked at together by the block path, and the room it may write beyond a word.
constexpr size_t kBlock = 64;
constexpr size_t kBlockSlack = 16;

// Words handed to the counter at a time.
constexpr size_t kBatchWords = 256;

constexpr std::array<unsigned char, 256> kByteKinds = MakeByteKinds();
constexpr std::array<unsigned char, 128> kLowered = MakeLowered();
constexpr std::array<unsigned char, 256> kUnitKinds = MakeUnitKinds();

}  // namespace

WordStreamCounter::WordStreamCounter(bool l_rule) : l_rule_(l_rule), word_(4096, '\0') {
  batch_.reserve(kBatchWords);
}

void WordStreamCounter::Feed(std::string_view bytes) {
  if (stopped_ || bytes.empty()) return;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  size_t i = 0;
  if (carry_cr_) {
    carry_cr_ = false;
    if (p[0] == '\n') i = 1;
  }
  if (lead_ != 0 && i < n) {
    if (IsCp936Pair(lead_, p[i])) ++i;
    lead_ = 0;
    Unit(kOtherUnit);
  }
  // Room for every letter this chunk can add, so that runs of letters are copied unchecked.
  const size_t needed = word_start_ + word_length_ + n + kBlockSlack;
  if (word_.size() < needed) word_.resize(std::max(needed, 2 * word_.size()));
  size_t end = n;
  while (i < n) {
    if (!rule_pending_ && i + kBlock < n && PlainBlock(p + i)) {
      i += kBlock;
      continue;
    }
    unsigned char b = p[i];
    if (kByteKinds[b] == kLetterByte && !rule_pending_) {
      char* out = word_.data() + word_start_ + word_length_;
      const size_t first = i;
      do {
        *out++ = static_cast<char>(kLowered[b]);
      } while (++i < n && kByteKinds[b = p[i]] == kLetterByte);
      word_length_ += i - first;
      previous_alnum_ = true;
      continue;
    }
    switch (kByteKinds[b]) {
      case kLetterByte:
      case kAscii:
        Unit(kLowered[b]);
        ++i;
        break;
      case kCr:
        Unit('\r');
        Unit('\n');
        ++i;
        if (i == n) {
          carry_cr_ = true;
        } else if (p[i] == '\n') {
          ++i;
        }
        break;
      case kLf:
        Unit('\r');
        Unit('\n');
        ++i;
        break;
      case kLead:
        if (i + 1 == n) {
          lead_ = b;  // its partner, if any, opens the next chunk
          ++i;
          break;
        }
        // A double-byte character, or an invalid lead byte whose follower stands alone.
        i += IsCp936Pair(b, p[i + 1]) ? 2 : 1;
        Unit(kOtherUnit);
        break;
      case kHighSingle:
        Unit(kOtherUnit);
        ++i;
        break;
      default:  // kNul: the text ends here
        stopped_ = true;
        end = i;
        i = n;
        break;
    }
  }
  if (end > 0) {
    has_text_ = true;
    line_open_ = p[end - 1] != '\r' && p[end - 1] != '\n';
  }
}

bool WordStreamCounter::PlainBlock(const unsigned char* block) {
#ifdef __SSE2__
  // Plain: ASCII without NUL or apostrophe. There every non-letter is a separator (line
  // breaks included) and, with no rule pending, only the letters and the word ends matter.
  alignas(16) unsigned char lowered[kBlock + kBlockSlack];
  uint64_t letters = 0;
  uint32_t special = 0;
  const __m128i zero = _mm_setzero_si128();
  const __m128i apostrophe = _mm_set1_epi8('\'');
  const __m128i case_bit = _mm_set1_epi8(0x20);
  const __m128i before_a = _mm_set1_epi8('a' - 1);
  const __m128i after_z = _mm_set1_epi8('z' + 1);
  for (size_t k = 0; k < kBlock; k += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + k));
    special |= static_cast<uint32_t>(_mm_movemask_epi8(v)) |
               static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, zero))) |
               static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, apostrophe)));
    const __m128i low = _mm_or_si128(v, case_bit);
    _mm_store_si128(reinterpret_cast<__m128i*>(lowered + k), low);
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi8(low, before_a), _mm_cmplt_epi8(low, after_z));
    letters |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(letter))) << k;
  }
  if (special != 0) return false;
  size_t at = 0;
  while (at < kBlock) {
    const uint64_t rest = letters >> at;
    if ((rest & 1) == 0) {
      EndWord();
      if (rest == 0) break;
      at += static_cast<size_t>(__builtin_ctzll(rest));
      continue;
    }
    const size_t run = ~rest == 0 ? kBlock : static_cast<size_t>(__builtin_ctzll(~rest));
    char* out = word_.data() + word_start_ + word_length_;
    for (size_t k = 0; k < run; k += 16) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(lowered + at + k)));
    }
    word_length_ += run;
    at += run;
  }
  const unsigned char last = block[kBlock - 1];
  previous_alnum_ = kUnitKinds[kLowered[last]] == kLetter || kUnitKinds[last] == kDigit;
  return true;
#else
  (void)block;
  return false;
#endif
}

void WordStreamCounter::Finish() {
  if (lead_ != 0) {
    lead_ = 0;
    Unit(kOtherUnit);
  }
  if (line_open_) {
    line_open_ = false;
    Unit('\r');
    Unit('\n');
  }
  if (apostrophe_) RuleUnit(' ');
  EndWord();
  FlushWords();
  stopped_ = true;
}

void WordStreamCounter::FillTable(THashTable& table) const {
  // The words are distinct, so an empty table takes them without a lookup each: what AddCount
  // would insert.
  const bool fresh = table.ItemCount() == 0;
  if (fresh) table.Reserve(static_cast<int32_t>(words_.DistinctCount()));
  std::u16string key;
  words_.ForEach([&](std::string_view word, int64_t count) {
    key.assign(word.begin(), word.end());
    if (fresh) {
      table.AddItem(key, {}, count, 1, 1);
    } else {
      table.AddCount(key, count);
    }
  });
}

inline void WordStreamCounter::Unit(unsigned char unit) {
  if (rule_pending_) {
    RuleUnit(unit);
    return;
  }
  const unsigned char kind = kUnitKinds[unit];
  if (kind == kLetter) {
    AppendLetter(unit);
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

void WordStreamCounter::RuleUnit(unsigned char unit) {
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
    if (unit == 't' && word_length_ > 0) --word_length_;  // the letter before the apostrophe
    EndWord();
    if (unit == 'l') {
      kill_ = 1;
      rule_pending_ = true;
    }
    previous_alnum_ = true;
    return;
  }
  EndWord();  // the apostrophe was only a separator
  Unit(unit);
}

inline void WordStreamCounter::AppendLetter(unsigned char letter) {
  if (word_start_ + word_length_ == word_.size()) word_.resize(word_.size() * 2);
  word_[word_start_ + word_length_++] = static_cast<char>(letter);
}

inline void WordStreamCounter::EndWord() {
  if (word_length_ == 0) return;
  batch_.push_back(WordSpan{word_start_, word_length_});
  word_start_ += word_length_;
  word_length_ = 0;
  if (batch_.size() == kBatchWords) FlushWords();
}

void WordStreamCounter::FlushWords() {
  words_.AddBatch(word_.data(), batch_.data(), batch_.size());
  batch_.clear();
  word_start_ = 0;
}

}  // namespace tarn
