#include "concordance/TextWindow.h"

#include <algorithm>
#include <array>

#include "text/CodePage936.h"

namespace tarn {

namespace {

// How far back a character start is looked for by its bytes before the text is walked.
constexpr size_t kNearSearch = 256;

// A byte below 0x40 is never part of a double-byte character: it is a character of its own.
constexpr bool StandsAlone(unsigned char b) { return b < 0x40; }

// Bytes that are a character of their own and shown as they are: ASCII but line breaks and tabs.
constexpr std::array<bool, 256> MakePlain() {
  std::array<bool, 256> plain{};
  for (int b = 0; b < 0x80; ++b) plain[b] = b != '\r' && b != '\n' && b != '\t';
  return plain;
}
constexpr std::array<bool, 256> kPlain = MakePlain();

}  // namespace

size_t TextWindow::CharBytes(size_t at, size_t end) const {
  const auto b = static_cast<unsigned char>(bytes_[at]);
  if (at + 1 < end) {
    const auto next = static_cast<unsigned char>(bytes_[at + 1]);
    if ((b == '\r' && next == '\n') || IsCp936Pair(b, next)) return 2;
  }
  return 1;
}

size_t TextWindow::FloorOf(size_t at) const {
  const auto after = std::upper_bound(boundaries_.begin(), boundaries_.end(), base_ + at);
  if (after == boundaries_.begin() || *(after - 1) < base_) return 0;
  return static_cast<size_t>(*(after - 1) - base_);
}

size_t TextWindow::StartAtOrBefore(size_t at) const {
  const size_t floor = FloorOf(at);
  if (at == floor) return at;
  const size_t limit = at - floor > kNearSearch ? at - kNearSearch : floor;
  size_t j = at;
  while (j > limit && !StandsAlone(static_cast<unsigned char>(bytes_[j]))) --j;
  if (StandsAlone(static_cast<unsigned char>(bytes_[j]))) {
    // The LF of a CR LF pair belongs to the CR's character.
    if (bytes_[j] == '\n' && j > floor && bytes_[j - 1] == '\r') --j;
    return j;
  }
  if (j == floor) return floor;
  // No byte that stands alone nearby (a long run of double-byte text): walk from the floor.
  size_t k = floor;
  while (true) {
    const size_t step = CharBytes(k, bytes_.size());
    if (k + step > at) return k;
    k += step;
  }
}

TextWindow::Span TextWindow::CharsBefore(uint64_t offset, int count) const {
  const size_t at = static_cast<size_t>(offset - base_);
  if (count <= 0) return {offset, 0};
  // English text: walk back over ASCII, which is never part of a double-byte character, as
  // long as the byte before where the walk stops is ASCII too.
  const auto* bytes = reinterpret_cast<const unsigned char*>(bytes_.data());
  size_t i = at;
  // Plain bytes, the commonest case, one character each.
  const size_t plain_limit = at > static_cast<size_t>(count) ? at - count : 0;
  while (i > plain_limit && kPlain[bytes[i - 1]]) --i;
  int chars = static_cast<int>(at - i);
  bool ascii = true;
  while (chars < count && i > 0) {
    const unsigned char b = bytes[i - 1];
    if (b >= 0x80) {
      ascii = false;
      break;
    }
    i -= (b == '\n' && i >= 2 && bytes[i - 2] == '\r') ? 2 : 1;
    ++chars;
  }
  if (ascii && (i == 0 || bytes[i - 1] < 0x80)) return {base_ + i, chars};
  // Otherwise walk forward from a character start far enough back, remembering the last
  // `count` character starts.
  const size_t reach = 2 * static_cast<size_t>(count) + 2;
  const size_t from = at > reach ? StartAtOrBefore(at - reach) : 0;
  ring_.resize(static_cast<size_t>(count));
  size_t seen = 0;
  for (size_t k = from; k < at; k += CharBytes(k, at)) ring_[seen++ % ring_.size()] = k;
  if (seen <= ring_.size()) return {base_ + from, static_cast<int>(seen)};
  return {base_ + ring_[seen % ring_.size()], count};
}

uint64_t TextWindow::CharsAfter(uint64_t offset, int count, uint64_t end) const {
  size_t k = static_cast<size_t>(offset - base_);
  const size_t stop = static_cast<size_t>(std::min(end, End()) - base_);
  for (int chars = 0; chars < count && k < stop; ++chars) k += CharBytes(k, stop);
  return base_ + k;
}

void TextWindow::AppendShown(uint64_t from, uint64_t to, std::string& out) const {
  const auto* bytes = reinterpret_cast<const unsigned char*>(bytes_.data());
  const size_t stop = static_cast<size_t>(to - base_);
  size_t k = static_cast<size_t>(from - base_);
  while (k < stop) {
    size_t run = k;
    while (run < stop && (bytes[run] >= 0x20 ||
                          (bytes[run] != '\r' && bytes[run] != '\n' && bytes[run] != '\t'))) {
      ++run;
    }
    out.append(bytes_, k, run - k);
    if (run == stop) break;
    out += ' ';
    k = run + (bytes[run] == '\r' && run + 1 < stop && bytes[run + 1] == '\n' ? 2 : 1);
  }
}

void TextWindow::AppendCharsAfter(uint64_t offset, int count, uint64_t end,
                                  std::string& out) const {
  // ASCII, the common case: a character is a byte, or a line break, shown as one space.
  const auto* bytes = reinterpret_cast<const unsigned char*>(bytes_.data());
  const size_t stop = static_cast<size_t>(std::min(end, End()) - base_);
  const size_t old_size = out.size();
  out.resize(old_size + static_cast<size_t>(std::max(count, 0)));
  char* write = out.data() + old_size;
  size_t k = static_cast<size_t>(offset - base_);
  for (int chars = 0; chars < count && k < stop; ++chars) {
    const unsigned char b = bytes[k];
    if (kPlain[b]) {
      *write++ = static_cast<char>(b);
      ++k;
    } else if (b < 0x80) {
      *write++ = ' ';
      k += b == '\r' && k + 1 < stop && bytes[k + 1] == '\n' ? 2 : 1;
    } else {
      out.resize(old_size);
      AppendShown(offset, CharsAfter(offset, count, end), out);
      return;
    }
  }
  out.resize(static_cast<size_t>(write - out.data()));
}

void TextWindow::TrimBefore(uint64_t offset, size_t margin) {
  if (offset < base_ + margin + kNearSearch) return;
  const size_t keep = StartAtOrBefore(static_cast<size_t>(offset - base_ - margin));
  if (keep == 0) return;
  bytes_.erase(0, keep);
  base_ += keep;
  while (!boundaries_.empty() && boundaries_.front() < base_) boundaries_.pop_front();
}

}  // namespace tarn
