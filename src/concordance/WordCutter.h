#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tarn {

// A word the counting run counts, found in the text: where its letters start (a byte offset
// from the start of the whole text) and how many there are. The word is those bytes of the
// text, A-Z lower-cased.
struct CutWord {
  uint64_t offset;
  uint32_t length;
};

// Cuts code page 936 text, fed in pieces cut anywhere, into exactly the words the counting run
// counts (WordStreamCounter's rules: a NUL ends the text, CR LF, CR and LF are one line break,
// A-Z lower-cased outside double-byte characters, the apostrophe rules), keeping where each word
// stands in the text as written. A word's letters are always contiguous bytes of the text; the
// "t" rule only shortens a word (don't gives the "do" of "don").
class WordCutter {
 public:
  // `l_rule`: whether the "'l" rule applies, as in the run that counted the text.
  explicit WordCutter(bool l_rule);

  // Cuts the next piece; the words it completes are appended to Words().
  void Feed(std::string_view piece);
  // Ends the text; the last word, if any, is appended to Words(). Call once, after the last Feed.
  void Finish();
  // Forgets everything, as if newly made.
  void Reset() { *this = WordCutter(l_rule_); }

  // The words completed since the last ClearWords, in text order.
  const std::vector<CutWord>& Words() const { return words_; }
  // Empties Words(); the word being cut, if any, stays.
  void ClearWords() { words_.clear(); }

  // Bytes of the text taken so far (a NUL and what follows it are no part of the text).
  uint64_t Consumed() const { return consumed_; }
  // Where the next word can start at the earliest: the start of the word being cut, or
  // Consumed() when there is none.
  uint64_t EarliestOpenWord() const { return open_length_ > 0 ? open_start_ : consumed_; }
  // Whether a NUL or Finish has ended the text.
  bool Ended() const { return ended_; }

 private:
  // Bytes looked at together when no rule is pending.
  static constexpr size_t kBlock = 64;

  // Takes the bytes of a kBlock-byte block at offset `at` up to the first that is NUL, an
  // apostrophe or beyond ASCII, all at once; returns how many it took.
  size_t PlainBlock(const unsigned char* block, uint64_t at);
  void Unit(unsigned char unit, uint64_t at);
  void RuleUnit(unsigned char unit, uint64_t at);
  void EndWord();

  bool l_rule_;
  bool ended_ = false;
  bool line_open_ = false;
  bool carry_cr_ = false;
  unsigned char lead_ = 0;
  bool rule_pending_ = false;
  bool apostrophe_ = false;
  int kill_ = 0;
  bool previous_alnum_ = false;
  uint64_t consumed_ = 0;
  uint64_t open_start_ = 0;
  uint32_t open_length_ = 0;
  std::vector<CutWord> words_;
};

}  // namespace tarn
