#include "analysis/WordStreamCounter.h"

#include <array>

#include "text/CodePage936.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// What a byte of the document is to the line splitter and the code page.
enum ByteKind : unsigned char { kAscii, kCr, kLf, kNul, kLead, kHighSingle };
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

constexpr std::array<unsigned char, 256> kByteKinds = MakeByteKinds();
constexpr std::array<unsigned char, 128> kLowered = MakeLowered();
constexpr std::array<unsigned char, 256> kUnitKinds = MakeUnitKinds();

}  // namespace

WordStreamCounter::WordStreamCounter(bool l_rule) : l_rule_(l_rule), word_(256, '\0') {}

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
  size_t end = n;
  while (i < n) {
    const unsigned char b = p[i];
    switch (kByteKinds[b]) {
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
  stopped_ = true;
}

void WordStreamCounter::FillTable(THashTable& table) const {
  std::u16string key;
  words_.ForEach([&](std::string_view word, int64_t count) {
    key.assign(word.begin(), word.end());
    table.AddCount(key, count);
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
  if (word_length_ == word_.size()) word_.resize(word_.size() * 2);
  word_[word_length_++] = static_cast<char>(letter);
}

inline void WordStreamCounter::EndWord() {
  if (word_length_ == 0) return;
  words_.Add(std::string_view(word_.data(), word_length_));
  word_length_ = 0;
}

}  // namespace tarn
