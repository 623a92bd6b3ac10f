#include "concordance/Sentences.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "concordance/FormSet.h"
#include "concordance/TextWindow.h"
#include "concordance/WordCutter.h"
#include "text/CodePage936.h"

namespace tarn {

namespace {

// Abbreviations after which a stop never ends a sentence: titles before a name and the Latin
// ones before an example. Compared without regard to case.
constexpr std::array<std::string_view, 25> kNeverEnds = {
    "mr", "mrs", "ms",  "messrs", "mme", "mlle", "dr",  "st",  "prof", "rev", "capt", "col", "gen",
    "lt", "sgt", "hon", "mt",     "ft",  "gov",  "e.g", "i.e", "cf",   "viz", "vs",   "al"};
// Abbreviations that a number follows ("No. 5", "pp. 12").
constexpr std::array<std::string_view, 9> kBeforeNumbers = {"no", "nos", "vol", "vols", "p",
                                                            "pp", "ch",  "fig", "art"};
// Words that open a heading when a number follows them.
constexpr std::array<std::string_view, 7> kHeadingWords = {"chapter", "book",   "part",  "stave",
                                                           "canto",   "volume", "letter"};

// Double-byte punctuation of code page 936.
constexpr std::string_view kEllipsis = "\xA1\xAD";
constexpr std::string_view kRightDouble = "\xA1\xB1";
constexpr std::string_view kRightSingle = "\xA1\xAF";

constexpr bool IsBlankByte(unsigned char b) { return b <= 0x20; }
constexpr bool IsLower(unsigned char b) { return b >= 'a' && b <= 'z'; }
constexpr bool IsUpper(unsigned char b) { return b >= 'A' && b <= 'Z'; }
constexpr bool IsLetter(unsigned char b) { return IsLower(b) || IsUpper(b); }
constexpr bool IsDigit(unsigned char b) { return b >= '0' && b <= '9'; }

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (IsUpper(x) ? x + ('a' - 'A') : x) == y;
         });
}

template <size_t N>
bool Listed(const std::array<std::string_view, N>& list, std::string_view word) {
  return std::any_of(list.begin(), list.end(),
                     [word](std::string_view entry) { return SameLetters(word, entry); });
}

// Reads one paragraph's characters: a double-byte character is one step.
class Prose {
 public:
  Prose(std::string_view text, size_t end) : text_(text), end_(end) {}

  unsigned char At(size_t i) const { return static_cast<unsigned char>(text_[i]); }
  size_t Step(size_t i) const { return i + 1 < end_ && IsCp936Pair(At(i), At(i + 1)) ? 2 : 1; }
  bool Is(size_t i, std::string_view pair) const {
    return i + 1 < end_ && text_.substr(i, 2) == pair;
  }
  // The stop, "!", "?" or ellipsis at `i`: its length in bytes, or 0.
  size_t Terminator(size_t i) const {
    const unsigned char b = At(i);
    if (b == '.' || b == '!' || b == '?') return 1;
    return Is(i, kEllipsis) ? 2 : 0;
  }
  // The closing quote or bracket at `i`: its length in bytes, or 0.
  size_t Closer(size_t i) const {
    const unsigned char b = At(i);
    if (b == '"' || b == '\'' || b == ')' || b == ']') return 1;
    return Is(i, kRightDouble) || Is(i, kRightSingle) ? 2 : 0;
  }
  // The letters and stops just before `i` ("Mr", "e.g", "J").
  std::string_view TokenBefore(size_t i, size_t from) const {
    size_t k = i;
    while (k > from && (IsLetter(At(k - 1)) || At(k - 1) == '.')) --k;
    return text_.substr(k, i - k);
  }

 private:
  std::string_view text_;
  size_t end_;
};

// Whether the line is a heading: short, with a letter and no lower-case letter, or a heading
// word and a number ("Chapter 12", "CHAPTER IV", "Book the First" is not one).
bool IsHeading(std::string_view line) {
  if (line.empty() || line.size() > 80) return false;
  const bool lower = std::any_of(line.begin(), line.end(), [](char c) { return IsLower(c); });
  const bool letter = std::any_of(line.begin(), line.end(), [](char c) { return IsLetter(c); });
  if (letter && !lower) return true;
  const size_t space = line.find(' ');
  if (space == std::string_view::npos || !Listed(kHeadingWords, line.substr(0, space))) {
    return false;
  }
  const std::string_view rest = line.substr(space + 1);
  if (rest.empty()) return false;
  if (IsDigit(rest[0])) return true;
  const size_t numeral = rest.find_first_not_of("IVXLCDMivxlcdm");
  return numeral != 0 && (numeral == std::string_view::npos || !IsLetter(rest[numeral]));
}

void AddTrimmed(std::string_view text, size_t begin, size_t end, std::vector<SentenceSpan>& out) {
  while (begin < end && IsBlankByte(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsBlankByte(static_cast<unsigned char>(text[end - 1]))) --end;
  if (begin < end) out.push_back({begin, end});
}

// Whether the end mark of `[mark, after)` ends the sentence, given what follows it.
bool EndsSentence(const Prose& prose, size_t paragraph, size_t mark, size_t marks, size_t next,
                  size_t end) {
  if (next == end) return true;
  const unsigned char c = prose.At(next);
  if (IsLower(c)) return false;
  // A spaced ellipsis (". . .") or a stray mark goes on.
  if (c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?') return false;
  if (marks != 1 || prose.At(mark) != '.') return true;
  const std::string_view token = prose.TokenBefore(mark, paragraph);
  if (Listed(kNeverEnds, token)) return false;
  // An initial before a name; a lone "I" is the pronoun.
  if (token.size() == 1 && IsUpper(token[0]) && token[0] != 'I' && IsUpper(c)) return false;
  if (IsDigit(c) && Listed(kBeforeNumbers, token)) return false;
  return true;
}

void SplitParagraph(std::string_view text, size_t begin, size_t end,
                    std::vector<SentenceSpan>& out) {
  const Prose prose(text, end);
  size_t start = begin;
  const size_t line_end = std::min(end, text.find_first_of("\r\n", begin));
  if (line_end < end) {
    std::string_view line = text.substr(begin, line_end - begin);
    while (!line.empty() && IsBlankByte(static_cast<unsigned char>(line.back()))) {
      line.remove_suffix(1);
    }
    if (IsHeading(line)) {
      AddTrimmed(text, begin, line_end, out);
      start = line_end;
    }
  }
  size_t k = start;
  while (k < end) {
    size_t mark_length = prose.Terminator(k);
    if (mark_length == 0) {
      k += prose.Step(k);
      continue;
    }
    const size_t mark = k;
    size_t marks = 0;
    size_t after = k;
    while (after < end && (mark_length = prose.Terminator(after)) > 0) {
      after += mark_length;
      ++marks;
    }
    while (after < end && (mark_length = prose.Closer(after)) > 0) after += mark_length;
    k = after;
    if (after < end && !IsBlankByte(prose.At(after))) continue;
    size_t next = after;
    while (next < end && IsBlankByte(prose.At(next))) ++next;
    if (!EndsSentence(prose, begin, mark, marks, next, end)) continue;
    AddTrimmed(text, start, after, out);
    start = next;
    k = next;
  }
  AddTrimmed(text, start, end, out);
}

// The end of the line starting at `at` (before its break) and where the next line starts.
std::pair<size_t, size_t> LineAt(std::string_view text, size_t at) {
  const size_t stop = std::min(text.size(), text.find_first_of("\r\n", at));
  size_t next = stop;
  if (next < text.size() && text[next] == '\r') ++next;
  if (next < text.size() && text[next] == '\n') ++next;
  return {stop, next};
}

bool IsBlankLine(std::string_view text, size_t from, size_t to) {
  return std::all_of(text.begin() + from, text.begin() + to,
                     [](char c) { return IsBlankByte(static_cast<unsigned char>(c)); });
}

// The sentence `span` of `text` with line breaks as spaces and blanks collapsed, and where the
// word at [form, form + length) lands in it.
SentenceMatch Tidy(std::string_view text, SentenceSpan span, size_t form, size_t length) {
  SentenceMatch match;
  match.form_length = length;
  bool blank = false;
  for (size_t i = span.begin; i < span.end; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (IsBlankByte(b) && b != 0) {
      blank = true;
      continue;
    }
    if (blank) match.text += ' ';
    blank = false;
    if (i == form) match.form_start = match.text.size();
    match.text += static_cast<char>(b);
  }
  return match;
}

// Finds words by their letters without making a string of each.
struct LettersHash {
  using is_transparent = void;
  size_t operator()(std::string_view word) const { return std::hash<std::string_view>()(word); }
};

// Looks for the first sentences while the text streams past: the words are cut as the
// counting run cut them, and a block of whole paragraphs is split into sentences only when a
// wanted word lies in it.
class SentenceSearch {
 public:
  SentenceSearch(const std::vector<std::vector<std::string>>& form_sets, bool l_rule)
      : cutter_(l_rule), found_(form_sets.size()), waiting_(form_sets.size(), false) {
    for (uint32_t set = 0; set < form_sets.size(); ++set) {
      for (const std::string& form : form_sets[set]) {
        wanted_[form].push_back(set);
        lengths_ |= uint64_t{1} << std::min<size_t>(form.size(), 63);
      }
    }
    missing_ = form_sets.size();
  }

  void Feed(std::string_view text) {
    for (size_t at = 0; at < text.size() && !cutter_.Ended() && missing_ > 0; at += kTextSlice) {
      const std::string_view piece = text.substr(at, kTextSlice);
      block_.append(piece);
      cutter_.Feed(piece);
      Collect();
      const size_t cut = LastParagraphEnd();
      if (cut > 0) Resolve(cut);
    }
  }

  void Finish() {
    cutter_.Finish();
    Collect();
    block_.resize(std::min<uint64_t>(block_.size(), cutter_.Consumed() - base_));
    Resolve(block_.size());
  }

  void Restart() {
    cutter_.Reset();
    found_.assign(found_.size(), std::nullopt);
    waiting_.assign(found_.size(), false);
    missing_ = found_.size();
    hits_.clear();
    block_.clear();
    base_ = 0;
    scan_from_ = 0;
  }

  std::vector<std::optional<SentenceMatch>> Found() && { return std::move(found_); }

 private:
  struct Hit {
    uint64_t offset;
    uint32_t length;
    uint32_t set;
  };

  // A block without a blank line is cut at a line break once it grows past this.
  static constexpr size_t kMaxBlock = size_t{4} << 20;

  void Collect() {
    for (const CutWord& word : cutter_.Words()) {
      if ((lengths_ & (uint64_t{1} << std::min<uint32_t>(word.length, 63))) == 0) continue;
      const auto sets = wanted_.find(
          FormSet::LowerLetters(std::string_view(block_).substr(word.offset - base_, word.length)));
      if (sets == wanted_.end()) continue;
      for (const uint32_t set : sets->second) {
        if (found_[set] || waiting_[set]) continue;
        hits_.push_back({word.offset, word.length, set});
        waiting_[set] = true;
      }
    }
    cutter_.ClearWords();
  }

  // Where the block's last blank line ends, so that whole paragraphs lie before it; 0 when it
  // has none yet.
  size_t LastParagraphEnd() {
    size_t cut = 0;
    size_t line = scan_from_;
    while (true) {
      const size_t stop = block_.find_first_of("\r\n", line);
      if (stop == std::string::npos) break;
      size_t next = stop + 1;
      if (block_[stop] == '\r') {
        if (next == block_.size()) break;  // its LF may open the next piece
        if (block_[next] == '\n') ++next;
      }
      if (IsBlankLine(block_, line, stop)) cut = next;
      line = next;
    }
    scan_from_ = line;
    if (cut == 0 && block_.size() > kMaxBlock) cut = line > 0 ? line : block_.size();
    return cut;
  }

  void Resolve(size_t cut) {
    const uint64_t cut_at = base_ + cut;
    std::vector<SentenceSpan> spans;
    bool split = false;
    size_t kept = 0;
    for (const Hit& hit : hits_) {
      if (hit.offset >= cut_at) {
        hits_[kept++] = hit;
        continue;
      }
      if (!split) {
        spans = SplitSentences(std::string_view(block_).substr(0, cut));
        split = true;
      }
      const size_t at = static_cast<size_t>(hit.offset - base_);
      const auto span = std::upper_bound(spans.begin(), spans.end(), at,
                                         [](size_t a, const SentenceSpan& s) { return a < s.end; });
      if (span != spans.end() && span->begin <= at) {
        found_[hit.set] = Tidy(block_, *span, at, hit.length);
        --missing_;
      }
      waiting_[hit.set] = false;
    }
    hits_.resize(kept);
    block_.erase(0, cut);
    base_ = cut_at;
    scan_from_ = scan_from_ > cut ? scan_from_ - cut : 0;
  }

  WordCutter cutter_;
  std::unordered_map<std::string, std::vector<uint32_t>, LettersHash, std::equal_to<>> wanted_;
  std::vector<std::optional<SentenceMatch>> found_;
  std::vector<bool> waiting_;  // a hit of the set waits for its paragraph to end
  uint64_t lengths_ = 0;       // a bit for each length of a wanted form
  size_t missing_;
  std::vector<Hit> hits_;
  std::string block_;
  uint64_t base_ = 0;
  size_t scan_from_ = 0;  // where the block's first line not yet looked at starts
};

}  // namespace

std::vector<SentenceSpan> SplitSentences(std::string_view text) {
  std::vector<SentenceSpan> out;
  size_t at = 0;
  while (at < text.size()) {
    // Skip blank lines, then take the lines up to the next blank one.
    auto [stop, next] = LineAt(text, at);
    if (IsBlankLine(text, at, stop)) {
      at = next;
      continue;
    }
    const size_t begin = at;
    size_t end = stop;
    while (next < text.size()) {
      const auto [line_stop, line_next] = LineAt(text, next);
      if (IsBlankLine(text, next, line_stop)) break;
      end = line_stop;
      next = line_next;
    }
    SplitParagraph(text, begin, end, out);
    at = next;
  }
  return out;
}

FirstSentences FindFirstSentences(const DocumentSource& source,
                                  const std::vector<std::vector<std::string>>& form_sets) {
  FirstSentences result;
  SentenceSearch search(form_sets, source.LRule());
  result.reading = source.Feed([&search](std::string_view piece) { search.Feed(piece); },
                               [&search] { search.Restart(); });
  if (result.reading == DocumentSource::Reading::kRead) {
    search.Finish();
    result.sentences = std::move(search).Found();
  } else {
    result.sentences.resize(form_sets.size());
  }
  return result;
}

std::optional<SentenceMatch> FirstSentenceWith(const DocumentSource& source,
                                               const std::vector<std::string>& forms) {
  FirstSentences found = FindFirstSentences(source, {forms});
  return std::move(found.sentences.front());
}

}  // namespace tarn
