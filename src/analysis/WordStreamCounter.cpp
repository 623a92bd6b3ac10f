#include "analysis/WordStreamCounter.h"

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "analysis/WordUnits.h"
#include "text/CodePage936.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// What a byte of the document is to the line splitter and the code page.
enum ByteKind : unsigned char { kLetterByte, kAscii, kCr, kLf, kNul, kLead, kHighSingle };

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

constexpr std::array<unsigned char, 256> MakeLowered() {
  std::array<unsigned char, 256> lowered{};
  for (int b = 0; b < 256; ++b) lowered[b] = (b >= 'A' && b <= 'Z') ? b + ('a' - 'A') : b;
  return lowered;
}

// Bytes looked at together by the block path, and the room kept after the last word, which
// key reading looks into.
constexpr size_t kBlock = 64;
constexpr size_t kBlockSlack = 16;

constexpr std::array<unsigned char, 256> kByteKinds = MakeByteKinds();
constexpr std::array<unsigned char, 256> kLowered = MakeLowered();

constexpr unsigned char IsCapital(unsigned char letter) { return letter >= 'A' && letter <= 'Z'; }

// The bits below bit `n` (at most 64).
constexpr uint64_t BitsBelow(size_t n) { return n >= 64 ? ~uint64_t{0} : (uint64_t{1} << n) - 1; }

// The number of bits set, worked out inline: the processors the program is built for need not
// have an instruction for it, and the compiler's routine for it is a call into a shared library.
constexpr size_t CountBits(uint64_t bits) {
  bits -= (bits >> 1) & 0x5555555555555555;
  bits = (bits & 0x3333333333333333) + ((bits >> 2) & 0x3333333333333333);
  bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0f;
  return static_cast<size_t>((bits * 0x0101010101010101) >> 56);
}
static_assert(CountBits(0) == 0 && CountBits(~uint64_t{0}) == 64 &&
              CountBits(0x8000000000000101) == 3);

// Bit i: byte i of the 64-byte block is `byte`.
inline uint64_t BytesEqual(const unsigned char* block, char byte) {
  uint64_t bits = 0;
#ifdef __SSE2__
  const __m128i wanted = _mm_set1_epi8(byte);
  for (size_t k = 0; k < kBlock; k += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + k));
    bits |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, wanted))))
            << k;
  }
#else
  for (size_t k = 0; k < kBlock; ++k) bits |= uint64_t{block[k] == static_cast<unsigned char>(byte)} << k;
#endif
  return bits;
}

}  // namespace

WordStreamCounter::WordStreamCounter(bool l_rule, size_t batch_words)
    : l_rule_(l_rule), batch_words_(batch_words) {
  batch_.bytes.resize(4096);
  batch_.spans.reserve(batch_words_);
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
  // Room for every byte this chunk can add, so that the bytes are copied unchecked. Without an
  // open word the next one goes right after the last, so the room needed stays bounded.
  if (word_length_ == 0) {
    word_start_ =
        batch_.spans.empty() ? 0 : batch_.spans.back().offset + batch_.spans.back().length;
  }
  std::string& words = batch_.bytes;
  const size_t needed = word_start_ + word_length_ + n + kBlockSlack;
  if (words.size() < needed) words.resize(std::max(needed, 2 * words.size()));
  size_t end = n;
  while (i < n) {
    if (!rule_pending_ && i + kBlock < n) {
      const size_t taken = PlainBlock(p + i);
      i += taken;
      if (taken == kBlock) continue;
    }
    SettleBlockEnd();
    unsigned char b = p[i];
    if (kByteKinds[b] == kLetterByte && !rule_pending_) {
      char* out = batch_.bytes.data() + word_start_ + word_length_;
      const size_t first = i;
      do {
        *out++ = static_cast<char>(kLowered[b]);
      } while (++i < n && kByteKinds[b = p[i]] == kLetterByte);
      if (word_length_ < 2) NoteLetters(p + first, i - first);
      word_length_ += i - first;
      NoteClass(kLetterClass);
      previous_alnum_ = true;
      continue;
    }
    switch (kByteKinds[b]) {
      case kLetterByte:
      case kAscii:
        Unit(b);
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
  SettleBlockEnd();
  if (end > 0) {
    has_text_ = true;
    line_open_ = p[end - 1] != '\r' && p[end - 1] != '\n';
  }
}

size_t WordStreamCounter::PlainBlock(const unsigned char* block) {
#ifdef __SSE2__
  // Plain: ASCII without NUL or apostrophe. There every non-letter is a separator (line
  // breaks included) and, with no rule pending, only the letters and the word ends matter. The
  // block is copied lowered as it stands, so a word is where it was and needs no copy of its
  // own; what lies between words is never read.
  char* out = batch_.bytes.data() + word_start_ + word_length_;
  const size_t at = word_start_ + word_length_;
  uint64_t letters = 0;
  uint64_t special = 0;
  uint64_t case_bits = 0;
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
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), low);
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi8(low, before_a), _mm_cmplt_epi8(low, after_z));
    letters |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(letter))) << k;
    // Shifted up by two, each byte's case bit is its top bit: clear in a capital.
    case_bits |=
        static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_slli_epi16(v, 2)))) << k;
  }
  // Only the bytes before the first one that needs the rules are taken.
  const size_t taken = special == 0 ? kBlock : static_cast<size_t>(__builtin_ctzll(special));
  if (taken == 0) return 0;
  const uint64_t last_bit = uint64_t{1} << (taken - 1);
  letters &= last_bit | (last_bit - 1);
  const uint64_t capitals = letters & ~case_bits;
  uint64_t starts = letters & ~(letters << 1);
  // The last letter of each run, except a run that reaches the end and may go on after it.
  uint64_t ends = letters & ~(letters >> 1) & ~last_bit;
  const WordSpan open_before{word_start_, word_length_};
  std::vector<WordSpan>& spans = batch_.spans;
  if (word_length_ > 0) {
    // The word open before the block ends before it, inside it, or goes on through it.
    if ((letters & 1) == 0) {
      spans.push_back(WordSpan{word_start_, word_length_});
      NoteCapital();
      word_length_ = 0;
    } else {
      open_capitals_ |=
          static_cast<unsigned char>(((capitals & 1) << 1) & -uint64_t{word_length_ == 1});
      starts &= starts - 1;  // the run at the block's start is the open word's
      if (ends == 0) {
        word_length_ += taken;
      } else {
        const size_t end = static_cast<size_t>(__builtin_ctzll(ends));
        word_length_ += end + 1;
        spans.push_back(WordSpan{word_start_, word_length_});
        NoteCapital();
        word_length_ = 0;
        ends &= ends - 1;
      }
    }
  }
  const uint64_t block_starts = starts;
  const size_t first_span = spans.size();
  while (ends != 0) {
    const size_t start = static_cast<size_t>(__builtin_ctzll(starts));
    const size_t end = static_cast<size_t>(__builtin_ctzll(ends));
    spans.push_back(WordSpan{at + start, end - start + 1});
    starts &= starts - 1;
    ends &= ends - 1;
  }
  // `starts` is left with the word open at the block's end, if it began in the block.
  if (starts != 0) {
    const size_t start = static_cast<size_t>(__builtin_ctzll(starts));
    word_start_ = at + start;
    word_length_ = taken - start;
    open_capitals_ = static_cast<unsigned char>((capitals >> start) & 3);
  } else if (word_length_ == 0) {
    word_start_ = at + taken;
  }
  // Capitals are few; in prose most blocks hold one all the same.
  const uint64_t capital_starts = block_starts & capitals;
  if (capital_starts != 0) {
    BlockCapitals(block, first_span, letters, block_starts, capitals, capital_starts, starts,
                  open_before);
  }
  // What the block's last bytes say to what follows is worked out once something needs it: the
  // next block's bytes mostly do not. A one-byte block's answer needs the block before settled.
  if (taken < 2) SettleBlockEnd();
  block_end_ = BlockEnd{block, taken, letters, block_starts, open_before};
  if (spans.size() >= batch_words_) {
    SettleBlockEnd();
    FlushWords();
  }
  return taken;
#else
  (void)block;
  return 0;
#endif
}

inline void WordStreamCounter::BlockCapitals(const unsigned char* block, size_t first_span,
                                             uint64_t letters, uint64_t starts, uint64_t capitals,
                                             uint64_t capital_starts, uint64_t open_start,
                                             WordSpan open_before) {
  // The first two bytes' capitals are told by the units before the block.
  if ((capital_starts & 3) != 0) SettleBlockEnd();
  // Whether each capital is shown is worked out for all of them at once: which of them is
  // depends on the text, so a branch per capital would be mispredicted about as often as not.
  const uint64_t spaces = BytesEqual(block, ' ');
  const uint64_t stops = BytesEqual(block, '.');
  // Shown straight after a space that follows a word: bit i, a space before byte i and a
  // letter two bytes before it (bit 1 from before the block). The first byte's capital is told
  // by the units before the block.
  const uint64_t after_space = capital_starts & (spaces << 1);
  uint64_t shown = after_space & ((letters << 2) | (uint64_t{after_word_} << 1));
  shown |= capital_starts & 1 & uint64_t{shown_next_};
  // Or after a space that follows a title's full stop.
  for (uint64_t titles = after_space & (stops << 2); titles != 0; titles &= titles - 1) {
    const size_t start = static_cast<size_t>(__builtin_ctzll(titles));
    shown |= uint64_t{TitleStopInBlock(letters, starts, start - 2, open_before)} << start;
  }
  // The word open at the block's end may have its second letter still to come.
  open_shown_ = ((shown & open_start) != 0) | (open_shown_ & (open_start == 0));
  // A capital followed by a second one starts a word in capitals: hidden.
  const uint64_t marks = capital_starts & ~open_start;
  const uint64_t shown_marks = marks & shown & ~(capitals >> 1);
  for (uint64_t rest = marks; rest != 0; rest &= rest - 1) {
    const size_t start = static_cast<size_t>(__builtin_ctzll(rest));
    // The words that began in the block were finished in the order of their starts.
    const size_t span = first_span + CountBits(starts & BitsBelow(start));
    MarkCapital(span, static_cast<unsigned char>((shown_marks >> start) & 1));
  }
}

inline void WordStreamCounter::MarkCapital(size_t span, unsigned char shown) {
  batch_.capitals.push_back(static_cast<uint32_t>(span << 1) | shown);
}

void WordStreamCounter::SettleBlock() {
  const BlockEnd& end = block_end_;
  const unsigned char last = end.block[end.taken - 1];
  const bool word_before_last =
      end.taken >= 2 ? ((end.letters >> (end.taken - 2)) & 1) != 0 : after_word_;
  shown_next_ = last == ' ' && word_before_last;
  if (end.taken >= 2 && last == ' ' && end.block[end.taken - 2] == '.') {
    shown_next_ = TitleStopInBlock(end.letters, end.starts, end.taken - 2, end.open_before);
  }
  after_word_ = ((end.letters >> (end.taken - 1)) & 1) != 0;
  if (last == '.') {
    after_word_ = TitleStopInBlock(end.letters, end.starts, end.taken - 1, end.open_before);
  }
  previous_alnum_ = kUnitKinds[kLowered[last]] == kLetter || kUnitKinds[last] == kDigit;
  block_end_.block = nullptr;
}

inline bool WordStreamCounter::TitleStopInBlock(uint64_t letters, uint64_t starts, size_t i,
                                                WordSpan open_before) const {
  // Straight after a word of the block, or after the word open before it.
  if (i > 0 && ((letters >> (i - 1)) & 1) != 0) {
    const uint64_t run = starts & BitsBelow(i);
    if (run != 0) {
      const size_t start = 63 - static_cast<size_t>(__builtin_clzll(run));
      return TitleStop(open_before.offset + open_before.length + start, i - start);
    }
    return TitleStop(open_before.offset, open_before.length + i);
  }
  return i == 0 && open_before.length > 0 && TitleStop(open_before.offset, open_before.length);
}

bool WordStreamCounter::TitleStop(size_t word, size_t length) const {
  if (length < 2 || length > kLongestTitleBeforeName) return false;
  return IsTitleBeforeName(std::string_view(batch_.bytes.data() + word, length));
}

void WordStreamCounter::EndLastLine() {
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
}

void WordStreamCounter::Finish() {
  EndLastLine();
  stopped_ = true;
  if (texts_ != nullptr) return;
  FlushWords();
  if (pipe_) {
    pipe_->Drain();
    pipe_.reset();
  }
}

void WordStreamCounter::EndText() {
  if (!stopped_) EndLastLine();
  batch_.ends_text = true;
  FlushWords();
  StartText();
}

void WordStreamCounter::DropText() {
  batch_.spans.clear();
  batch_.capitals.clear();
  batch_.keyed = false;
  if (pipe_) pipe_->Drain();
  texts_->TextDropped(words_);
  StartText();
}

void WordStreamCounter::FinishTexts() {
  if (pipe_) {
    pipe_->Drain();
    pipe_.reset();
  }
}

void WordStreamCounter::StartText() {
  stopped_ = false;
  has_text_ = false;
  line_open_ = false;
  carry_cr_ = false;
  lead_ = 0;
  rule_pending_ = false;
  apostrophe_ = false;
  kill_ = 0;
  previous_alnum_ = false;
  after_word_ = false;
  shown_next_ = false;
  block_end_ = BlockEnd{};
  open_shown_ = false;
  open_capitals_ = 0;
  word_start_ = 0;
  word_length_ = 0;
}

FirstSeenCounter WordStreamCounter::TakeWords() {
  FirstSeenCounter words = std::move(words_);
  words_ = FirstSeenCounter();
  return words;
}

void WordStreamCounter::FillTable(THashTable& table) const { FillWordTable(words_, table); }

namespace {

// FillWordTable of either form of the counted words.
template <typename Words>
void FillFrom(const Words& words, THashTable& table) {
  // The words are distinct, so an empty table takes them without a lookup each: what AddCount
  // would insert.
  const bool fresh = table.ItemCount() == 0;
  if (fresh) table.Reserve(static_cast<int32_t>(words.DistinctCount()));
  std::u16string key;
  words.ForEach([&](std::string_view word, int64_t count) {
    key.assign(word.begin(), word.end());
    if (fresh) {
      table.AddItem(key, {}, count, 1, 1);
    } else {
      table.AddCount(key, count);
    }
  });
}

}  // namespace

void FillWordTable(const FirstSeenCounter& words, THashTable& table) { FillFrom(words, table); }

void FillWordTable(const CountedWords& words, THashTable& table) { FillFrom(words, table); }

// Takes a unit as written: the rules and the words see it lower-cased.
inline void WordStreamCounter::Unit(unsigned char unit) {
  if (rule_pending_) {
    RuleUnit(unit);
    return;
  }
  const unsigned char kind = kUnitKinds[unit];
  if (kind == kLetter) {
    AppendLetter(unit);
    NoteClass(kLetterClass);
    previous_alnum_ = true;
  } else if (kind == kApostrophe && previous_alnum_) {
    // Whether it is a rule depends on the next unit; the word stays open for the "t" rule.
    apostrophe_ = true;
    rule_pending_ = true;
    previous_alnum_ = false;
    NoteClass(kOtherClass);
  } else {
    UnitClass unit_class = unit == ' ' ? kSpaceClass : kOtherClass;
    if (unit == '.' && word_length_ > 0 && TitleStop(word_start_, word_length_)) {
      unit_class = kTitleStopClass;
    }
    EndWord();
    NoteClass(unit_class);
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
    NoteClass(kind == kLetter ? kLetterClass : unit == ' ' ? kSpaceClass : kOtherClass);
    previous_alnum_ = kind == kLetter || kind == kDigit;
    return;
  }
  apostrophe_ = false;
  rule_pending_ = false;
  const unsigned char lower = kLowered[unit];
  if (lower == 's' || lower == 't' || (lower == 'l' && l_rule_)) {
    if (lower == 't' && word_length_ > 0) {
      // The letter before the apostrophe goes, and with it what its case said.
      if (--word_length_ < 2) open_capitals_ &= 1;
    }
    EndWord();
    NoteClass(kLetterClass);
    if (lower == 'l') {
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
  // The key of a word is read sixteen bytes at a time, so room for that stays behind it.
  std::string& bytes = batch_.bytes;
  if (word_start_ + word_length_ + kBlockSlack >= bytes.size()) bytes.resize(bytes.size() * 2);
  if (word_length_ < 2) NoteLetters(&letter, 1);
  bytes[word_start_ + word_length_++] = static_cast<char>(kLowered[letter]);
}

inline void WordStreamCounter::NoteLetters(const unsigned char* letters, size_t count) {
  if (word_length_ == 0) {
    open_shown_ = shown_next_;
    open_capitals_ = IsCapital(letters[0]) | ((count > 1 ? IsCapital(letters[1]) : 0) << 1);
  } else if (word_length_ == 1) {
    open_capitals_ |= IsCapital(letters[0]) << 1;
  }
}

inline void WordStreamCounter::NoteCapital() {
  if ((open_capitals_ & 1) == 0) return;
  // A second capital: a word in capitals.
  MarkCapital(batch_.spans.size() - 1, open_shown_ && open_capitals_ != 3 ? 1 : 0);
}

inline void WordStreamCounter::EndWord() {
  if (word_length_ == 0) return;
  batch_.spans.push_back(WordSpan{word_start_, word_length_});
  NoteCapital();
  word_start_ += word_length_;
  word_length_ = 0;
  if (batch_.spans.size() >= batch_words_) FlushWords();
}

void WordStreamCounter::FlushWords() {
  const std::vector<WordSpan>& spans = batch_.spans;
  // The keys are worked out here, where the words are still in cache, unless the counting
  // thread is waiting for work anyway.
  if (!pipe_ || pipe_->Behind()) {
    if (batch_.keys.size() < spans.size()) batch_.keys.resize(spans.size());
    FirstSeenCounter::PaddedKeysOf(batch_.bytes.data(), spans.data(), spans.size(),
                                   batch_.keys.data());
    batch_.keyed = true;
  }
  // A word still open moves to the front of the next batch.
  open_word_.assign(batch_.bytes.data() + word_start_, word_length_);
  // A text that fits in one batch gains nothing from a second thread; nor does a stream of
  // texts counted on one.
  const bool in_place = texts_ != nullptr ? !side_by_side_ : spans.size() < batch_words_;
  if (!pipe_ && in_place) {
    CountBatch(batch_, words_, texts_, entries_);
  } else {
    if (!pipe_) pipe_ = std::make_unique<CountingPipe>(words_, texts_);
    pipe_->Pass(batch_);
  }
  word_start_ = 0;
  open_word_.copy(batch_.bytes.data(), open_word_.size());
}

}  // namespace tarn
