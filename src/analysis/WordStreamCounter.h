#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/CountedTexts.h"
#include "analysis/CountedWords.h"
#include "analysis/CountingPipe.h"
#include "analysis/FirstSeenCounter.h"
#include "analysis/NameEvidence.h"

namespace tarn {

class THashTable;

// Cuts a document into words in one pass over its code page 936 bytes, fed in chunks cut
// anywhere. The words are those of the two-pass definition over the whole text: the lines (a
// NUL ends the text; CR LF, CR or LF end a line) joined with CR LF after every line, A-Z
// lower-cased outside double-byte characters, widened to UTF-16 (a double-byte character or an
// invalid byte is one unit that is no letter), then the apostrophe rules and the separators.
//
// An apostrophe takes part in a rule only when the unit before it is a-z or 0-9, so opening
// quotes are plain separators: 's counts nothing, don't counts do, it's counts it, we'll counts
// we (the "l" rule also drops the unit after the second letter). Words are kept whole however
// long they are.
//
// Beside the counts it keeps, for NameEvidence, what the first letter of each occurrence says
// about a name (a shown or a hidden capital, or lower case), from the text as written before
// lower-casing; the capitals travel beside the words of a batch, so every word is counted in
// lower case.
class WordStreamCounter {
 public:
  // Words handed to the counter at a time. A text of more words is counted on a second
  // thread while the rest is cut into words.
  static constexpr size_t kBatchWords = 32768;

  // `l_rule`: whether the "'l" rule applies (the file run); the clipboard run goes without.
  explicit WordStreamCounter(bool l_rule = true, size_t batch_words = kBatchWords);

  // Counts the words that `bytes` completes; a word cut by the chunk's end waits for the next.
  void Feed(std::string_view bytes);
  // Ends the text (its last line gains its line break); call once, after the last Feed.
  void Finish();
  // Forgets everything fed so far, as if newly made with the same settings; in a stream of
  // texts, what was fed of the current text (DropText).
  void Reset() {
    if (texts_ != nullptr) {
      DropText();
      return;
    }
    pipe_.reset();
    *this = WordStreamCounter(l_rule_, batch_words_);
  }

  // Counts a stream of texts into one counter, each cut into words as if it were the only one,
  // `texts` hearing what each of them counted; call before the first Feed. Finish then ends the
  // current text's words without ending the stream; EndText or DropText decides what becomes of
  // the text, and the next Feed begins another. FinishTexts ends the stream. With
  // `side_by_side`, the words are counted on a second thread while the next are cut.
  void CountTexts(CountedTexts& texts, bool side_by_side) {
    texts_ = &texts;
    side_by_side_ = side_by_side;
  }
  // Keeps the current text (ended by Finish, or empty) as a text of the stream.
  void EndText();
  // Gives up the current text, ended or not: its words are taken back from the counter.
  void DropText();
  // Returns once every text of the stream is counted; Words() is then complete.
  void FinishTexts();

  // Whether the document gave at least one line (a byte before the first NUL).
  bool HasText() const { return has_text_; }
  // Whether the text has ended (a NUL or Finish); later bytes are ignored.
  bool Ended() const { return stopped_; }
  // The counted words, first seen first; complete once Finish has returned.
  const FirstSeenCounter& Words() const { return words_; }
  // Adds every counted word with its count to `table` as FillWordTable does.
  void FillTable(THashTable& table) const;
  // Hands over the counted words, once Finish has returned; Words() is empty afterwards.
  FirstSeenCounter TakeWords();
  // Hands over the counted words as name evidence, as TakeWords does.
  NameEvidence TakeEvidence() { return NameEvidence(TakeWords()); }

 private:
  // A UTF-16 unit of the working text, reduced to what the rules can tell apart: the ASCII
  // character itself as written, or kOtherUnit for every unit above U+007F.
  static constexpr unsigned char kOtherUnit = 0x80;
  // What a unit is to the capital of a word after it: a capital is evidence of a name straight
  // after a letter and a space, or after a title's full stop and a space ("Mr. Holmes").
  enum UnitClass : unsigned char { kOtherClass, kLetterClass, kSpaceClass, kTitleStopClass };

  // Takes the bytes of a 64-byte block up to the first that is NUL, an apostrophe or beyond
  // ASCII, all at once; returns how many it took.
  size_t PlainBlock(const unsigned char* block);
  // Marks the capitals of the words ended in a plain block, the first of which is the batch's
  // word `first_span` (`capital_starts`, bit i for byte i, among `starts`, the words that began
  // in the block), and
  // works out what the capital of the word open at the block's end says (`open_start`, its
  // first letter's bit, or 0). `open_before` is the word open as the block began.
  void BlockCapitals(const unsigned char* block, size_t first_span, uint64_t letters,
                     uint64_t starts, uint64_t capitals, uint64_t capital_starts,
                     uint64_t open_start, WordSpan open_before);
  // Notes that the batch's word `span` begins with a capital, shown (`shown` 1) or hidden (0).
  void MarkCapital(size_t span, unsigned char shown);
  // Brings after_word_, shown_next_ and previous_alnum_ up to the end of the last plain block,
  // if that is still to do.
  void SettleBlockEnd() {
    if (block_end_.block != nullptr) SettleBlock();
  }
  [[gnu::noinline]] void SettleBlock();
  // Whether the full stop that is the plain block's byte `i` follows a title (`letters` its
  // letters, `starts` the words that began in it, `open_before` the word open before it).
  bool TitleStopInBlock(uint64_t letters, uint64_t starts, size_t i, WordSpan open_before) const;
  // Whether a full stop straight after the word at `word` of `length` letters follows a title.
  bool TitleStop(size_t word, size_t length) const;
  // Records the class of one more unit of the text.
  void NoteClass(UnitClass unit_class) {
    shown_next_ = unit_class == kSpaceClass && after_word_;
    after_word_ = unit_class == kLetterClass || unit_class == kTitleStopClass;
  }
  void Unit(unsigned char unit);
  void RuleUnit(unsigned char unit);
  void AppendLetter(unsigned char letter);
  // Notes the case of the open word's first two letters from `count` letters, as written,
  // about to be appended to it.
  void NoteLetters(const unsigned char* letters, size_t count);
  // Notes what the capital of the word just ended says, if it begins with one.
  void NoteCapital();
  void EndWord();

  // Brings the cutting back to the start of a text, for the next text of a stream.
  void StartText();
  // Ends the last line and the last word, as the end of the text does.
  void EndLastLine();

  bool l_rule_;
  CountedTexts* texts_ = nullptr;  // in a stream of texts, what hears of them
  bool side_by_side_ = false;      // a stream of texts is counted on a second thread
  std::vector<uint32_t> entries_;  // the first-seen indexes of a batch counted in place
  size_t batch_words_;
  // Line and code page state carried from one chunk to the next.
  bool stopped_ = false;    // a NUL ended the text
  bool has_text_ = false;   // some byte came before the end of the text
  bool line_open_ = false;  // the last byte was no line break
  bool carry_cr_ = false;  // the last chunk ended with CR; an LF opening the next one belongs to it
  unsigned char lead_ = 0;  // a lead byte waiting for the byte after it
  // Apostrophe rule state.
  bool rule_pending_ = false;    // kill_ or apostrophe_ is set
  bool apostrophe_ = false;      // an apostrophe waits for the unit after it
  int kill_ = 0;                 // units still to drop after the "l" rule
  bool previous_alnum_ = false;  // the previous unit, before any rule, was a-z or 0-9
  // What the units so far say to a capital after them: whether the last one is a letter or a
  // title's full stop, and whether a capital now would be shown (the last unit is a space and
  // the one before it a letter or a title's full stop). Then what they made of the open word's
  // first letter.
  bool after_word_ = false;
  bool shown_next_ = false;
  // The last plain block, while what its end says is not worked out: where its bytes are (in
  // the chunk being fed), how many it took, its letters, the words that began in it and the word
  // open as it began. Null when after_word_, shown_next_ and previous_alnum_ are up to date.
  struct BlockEnd {
    const unsigned char* block = nullptr;
    size_t taken = 0;
    uint64_t letters = 0;
    uint64_t starts = 0;
    WordSpan open_before{0, 0};
  };
  BlockEnd block_end_;
  bool open_shown_ = false;          // a capital there would be evidence
  unsigned char open_capitals_ = 0;  // bit 0: its first letter is a capital; bit 1: its second
  // Finished words wait in the batch's bytes before `word_start_` until the batch is full; the
  // current word follows them. Between words lies whatever the text had there.
  void FlushWords();
  WordBatch batch_;
  std::string open_word_;
  size_t word_start_ = 0;
  size_t word_length_ = 0;
  // The counting thread writes it for every word: a cache line of its own keeps the fields
  // around it, which the cutting thread writes, from bouncing between the two cores.
  alignas(64) FirstSeenCounter words_;
  // Counts full batches into `words_` once the text has more than one; declared after `words_`
  // so that its thread ends before `words_` goes.
  std::unique_ptr<CountingPipe> pipe_;
};

// Adds every word of `words` with its count to `table` in first-seen order, which gives the
// chains that one AddCount per running word would give an empty table.
void FillWordTable(const FirstSeenCounter& words, THashTable& table);
void FillWordTable(const CountedWords& words, THashTable& table);

}  // namespace tarn
