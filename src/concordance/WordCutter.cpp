#include "concordance/WordCutter.h"

#include <array>

#include "text/CodePage936.h"

namespace tarn {

namespace {

// Any unit above U+007F: no letter, no digit, no apostrophe.
constexpr unsigned char kOtherUnit = 0x80;

enum UnitKind : unsigned char { kLetter, kDigit, kApostrophe, kSeparator };

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

constexpr std::array<unsigned char, 256> kUnitKinds = MakeUnitKinds();

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
    unsigned char b = p[i];
    if (!rule_pending_ && kUnitKinds[b] == kLetter) {
      // A run of letters: the common case, taken without the rules.
      if (open_length_ == 0) open_start_ = base + i;
      const size_t first = i;
      do {
        letters_.push_back(static_cast<char>(Lowered(b)));
      } while (++i < n && kUnitKinds[b = p[i]] == kLetter);
      open_length_ += static_cast<uint32_t>(i - first);
      previous_alnum_ = true;
      continue;
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

void WordCutter::ClearWords() {
  const size_t open_at = letters_.size() - open_length_;
  letters_.erase(0, open_at);
  words_.clear();
}

inline void WordCutter::Unit(unsigned char unit, uint64_t at) {
  if (rule_pending_) {
    RuleUnit(unit, at);
    return;
  }
  const unsigned char kind = kUnitKinds[unit];
  if (kind == kLetter) {
    if (open_length_ == 0) open_start_ = at;
    letters_.push_back(static_cast<char>(unit));
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
    if (unit == 't' && open_length_ > 0) {
      // The letter before the apostrophe goes.
      letters_.pop_back();
      --open_length_;
    }
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
  words_.push_back(
      CutWord{open_start_, open_length_, static_cast<uint32_t>(letters_.size() - open_length_)});
  open_length_ = 0;
}

}  // namespace tarn
