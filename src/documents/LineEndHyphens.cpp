#include "documents/LineEndHyphens.h"

#include "text/AsciiCase.h"

namespace tarn {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether the letters of a split word may start after `c`: not after a digit, another hyphen
// ("well-to-" splits no word) or a byte of a double-byte character.
bool MayStartWord(char c) {
  return !(c >= '0' && c <= '9') && c != '-' && static_cast<unsigned char>(c) < 0x80;
}

}  // namespace

void LineEndHyphens::Add(std::string line) {
  if (kept_) {
    const size_t size = line.size();
    JoinKept(line);
    out_(*kept_);
    kept_.reset();
    // A line that was the second half and nothing else is gone.
    if (line.empty() && size > 0) return;
  }
  if (line.ends_with('-')) {
    const size_t at = line.size() - 1;
    size_t start = at;
    while (start > 0 && IsLetter(line[start - 1])) --start;
    if (start < at && (start == 0 || MayStartWord(line[start - 1]))) {
      fragment_ = start;
      hyphen_ = at;
      kept_ = std::move(line);
      return;
    }
  }
  out_(line);
}

void LineEndHyphens::Finish() {
  if (kept_) out_(*kept_);
  kept_.reset();
}

void LineEndHyphens::JoinKept(std::string& line) {
  size_t letters = 0;
  while (letters < line.size() && IsLetter(line[letters])) ++letters;
  if (letters == 0 || words_ == nullptr) return;
  const std::string_view kept = *kept_;
  const std::string word = LowerAscii(std::string(kept.substr(fragment_, hyphen_ - fragment_)) +
                                      line.substr(0, letters));
  if (!words_->Contains(word)) return;
  // The whole first word moves up, so "tatives," takes its comma along.
  size_t word_end = line.find(' ');
  if (word_end == std::string::npos) word_end = line.size();
  kept_->replace(hyphen_, std::string::npos, line, 0, word_end);
  const size_t rest = line.find_first_not_of(' ', word_end);
  line.erase(0, rest == std::string::npos ? line.size() : rest);
}

}  // namespace tarn
