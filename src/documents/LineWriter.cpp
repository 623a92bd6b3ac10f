#include "documents/LineWriter.h"

#include "text/Utf8.h"

namespace tarn {

namespace {

// A line longer than this reaches the sink in pieces of about this size.
constexpr size_t kPieceBytes = size_t{64} << 10;

}  // namespace

bool LineWriter::Grow(size_t bytes) {
  text_bytes_ += bytes;
  if (text_bytes_ > limits_.max_text_bytes) failed_ = true;
  return !failed_;
}

bool LineWriter::Add(std::string_view text) {
  if (failed_) return false;
  if (text.empty()) return true;
  if (!Grow(text.size())) return false;
  line_ += text;
  line_has_text_ = true;
  return true;
}

bool LineWriter::AddSpaces(size_t count) {
  if (failed_) return false;
  if (count == 0) return true;
  if (!Grow(count)) return false;
  line_.append(count, ' ');
  line_has_text_ = true;
  return true;
}

void LineWriter::HandOverPiece() {
  if (failed_ || line_.size() < kPieceBytes) return;
  size_t cut = line_.size() - 1;
  while (cut > 0 && (static_cast<unsigned char>(line_[cut]) & 0xC0) == 0x80) --cut;
  if (cut == 0) return;
  sink_.Text(Utf8ToCp936(std::string_view(line_).substr(0, cut)));
  line_.erase(0, cut);
}

bool LineWriter::EndLine() {
  if (failed_) return false;
  if (++lines_ > limits_.max_lines) failed_ = true;
  if (failed_ || !Grow(1)) return false;
  if (!line_.empty()) sink_.Text(Utf8ToCp936(line_));
  sink_.EndLine();
  line_.clear();
  line_has_text_ = false;
  return true;
}

}  // namespace tarn
