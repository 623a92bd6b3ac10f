#include "concordance/Concordance.h"

#include <algorithm>
#include <deque>

#include "concordance/FormSet.h"
#include "concordance/TextWindow.h"
#include "concordance/WordCutter.h"

namespace tarn {

// Cuts the text as it streams in and writes each occurrence's line once its right context has
// arrived. Only the text still needed for contexts is held, so a file of any size is read
// in bounded memory.
class ConcordanceBuilder {
 public:
  ConcordanceBuilder(Concordance& out, const FormSet& forms, int width, bool l_rule)
      : out_(out), forms_(forms), width_(std::max(width, 0)), cutter_(l_rule) {}

  void Feed(std::string_view text) {
    // Text held in memory comes whole; slices keep the window as small as a file's blocks.
    for (size_t at = 0; at < text.size() && !cutter_.Ended(); at += kTextSlice) {
      const std::string_view piece = text.substr(at, kTextSlice);
      window_.Append(piece);
      cutter_.Feed(piece);
      Collect();
      EmitReady(false);
      window_.TrimBefore(Earliest(), ContextBytes());
    }
  }

  void Finish() {
    cutter_.Finish();
    Collect();
    EmitReady(true);
  }

  void Restart() {
    cutter_.Reset();
    window_ = TextWindow();
    pending_.clear();
    out_.text_.clear();
    out_.lines_.clear();
  }

 private:
  struct Pending {
    uint64_t offset;
    uint32_t length;
  };

  // Bytes that `width_` characters can take at most, with room for a line break's second byte.
  size_t ContextBytes() const { return 2 * static_cast<size_t>(width_) + 2; }

  uint64_t Earliest() const {
    return pending_.empty() ? cutter_.EarliestOpenWord() : pending_.front().offset;
  }

  void Collect() {
    for (const CutWord& word : cutter_.Words()) {
      const std::string_view written = window_.View(word.offset, word.offset + word.length);
      if (forms_.MayHold(written[0], word.length) && forms_.ContainsWritten(written)) {
        pending_.push_back({word.offset, word.length});
      }
    }
    cutter_.ClearWords();
  }

  void EmitReady(bool all) {
    const uint64_t end = cutter_.Consumed();
    while (!pending_.empty()) {
      const Pending& next = pending_.front();
      if (!all && next.offset + next.length + ContextBytes() > end) break;
      Emit(next, end);
      pending_.pop_front();
    }
  }

  void Emit(const Pending& occurrence, uint64_t end) {
    std::string& text = out_.text_;
    Concordance::Line line{occurrence.offset, text.size(), 0, occurrence.length, 0};
    const TextWindow::Span left = window_.CharsBefore(occurrence.offset, width_);
    text.append(static_cast<size_t>(width_ - left.chars), ' ');
    window_.AppendShown(left.from, occurrence.offset, text);
    line.left = static_cast<uint32_t>(text.size() - line.start);
    text += '\t';
    text.append(window_.View(occurrence.offset, occurrence.offset + occurrence.length));
    text += '\t';
    const uint64_t right_from = occurrence.offset + occurrence.length;
    const size_t before_right = text.size();
    window_.AppendCharsAfter(right_from, width_, end, text);
    line.right = static_cast<uint32_t>(text.size() - before_right);
    text += "\r\n";
    out_.lines_.push_back(line);
    // A word's first letter starts a character: the left contexts after it need look no further.
    window_.NoteBoundary(occurrence.offset);
  }

  Concordance& out_;
  const FormSet& forms_;
  int width_;
  WordCutter cutter_;
  TextWindow window_;
  std::deque<Pending> pending_;
};

Concordance::Concordance(const DocumentSource& source, const std::vector<std::string>& forms,
                         int width) {
  const FormSet set(forms);
  ConcordanceBuilder builder(*this, set, width, source.LRule());
  reading_ = source.Feed([&builder](std::string_view piece) { builder.Feed(piece); },
                         [&builder] { builder.Restart(); });
  if (reading_ == DocumentSource::Reading::kRead) {
    builder.Finish();
  } else {
    text_.clear();
    lines_.clear();
  }
}

std::string_view Concordance::Left(size_t i) const {
  return std::string_view(text_).substr(lines_[i].start, lines_[i].left);
}

std::string_view Concordance::Occurrence(size_t i) const {
  return std::string_view(text_).substr(lines_[i].start + lines_[i].left + 1, lines_[i].length);
}

std::string_view Concordance::Right(size_t i) const {
  return std::string_view(text_).substr(lines_[i].start + lines_[i].left + lines_[i].length + 2,
                                        lines_[i].right);
}

}  // namespace tarn
