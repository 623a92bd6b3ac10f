#include "dicttools/LineBuffer.h"

#include <algorithm>
#include <iterator>

namespace tarn::dicttools {

namespace {

// Calls `take` with each line of `text`, split at CR LF, CR and LF; n breaks give n + 1 lines.
template <typename Take>
void ForEachLine(QStringView text, Take take) {
  const QChar* const end = text.data() + text.size();
  const QChar* start = text.data();
  for (const QChar* at = start; at != end; ++at) {
    if (*at != u'\r' && *at != u'\n') continue;
    take(QStringView(start, at));
    if (*at == u'\r' && at + 1 != end && at[1] == u'\n') ++at;
    start = at + 1;
  }
  take(QStringView(start, end));
}

int Length(const QString& line) { return static_cast<int>(line.size()); }

}  // namespace

void LineBuffer::SetText(QStringView text) {
  // One copy of the whole text, and lines that point into it: no allocation per line.
  lines_.clear();
  base_ = text.toString();
  lines_.reserve(static_cast<size_t>(base_.count(u'\n')) + 1);
  ForEachLine(base_, [this](QStringView line) {
    lines_.push_back(QString::fromRawData(line.data(), line.size()));
  });
  longest_known_ = false;
}

QString LineBuffer::Text(TextPosition from, TextPosition to, QStringView line_break) const {
  if (from.line == to.line) {
    return QStringView(lines_[from.line]).sliced(from.column, to.column - from.column).toString();
  }
  qsizetype size = (to.line - from.line) * line_break.size();
  for (int i = from.line; i <= to.line; ++i) size += lines_[i].size();
  QString text;
  text.reserve(size);
  text += QStringView(lines_[from.line]).sliced(from.column);
  for (int i = from.line + 1; i < to.line; ++i) {
    text += line_break;
    text += lines_[i];
  }
  text += line_break;
  text += QStringView(lines_[to.line]).first(to.column);
  return text;
}

TextPosition LineBuffer::End() const { return {LineCount() - 1, Length(lines_.back())}; }

TextPosition LineBuffer::Insert(TextPosition at, QStringView text) {
  std::vector<QString> pieces;
  ForEachLine(text, [&pieces](QStringView piece) { pieces.push_back(piece.toString()); });
  QString& line = lines_[at.line];
  if (pieces.size() == 1) {
    line.insert(at.column, pieces.front());
    if (longest_known_) longest_ = std::max(longest_, Length(line));
    return {at.line, at.column + Length(pieces.front())};
  }
  const TextPosition after{at.line + static_cast<int>(pieces.size()) - 1, Length(pieces.back())};
  pieces.back() += QStringView(line).sliced(at.column);
  line.truncate(at.column);
  line += pieces.front();
  if (longest_known_) {
    for (const QString& piece : pieces) longest_ = std::max(longest_, Length(piece));
    longest_ = std::max(longest_, Length(line));
  }
  lines_.insert(lines_.begin() + at.line + 1, std::make_move_iterator(pieces.begin() + 1),
                std::make_move_iterator(pieces.end()));
  return after;
}

void LineBuffer::Remove(TextPosition from, TextPosition to) {
  if (from == to) return;
  for (int i = from.line; i <= to.line && longest_known_; ++i) {
    if (Length(lines_[i]) == longest_) longest_known_ = false;
  }
  if (from.line == to.line) {
    lines_[from.line].remove(from.column, to.column - from.column);
    return;
  }
  QString& first = lines_[from.line];
  first.truncate(from.column);
  first += QStringView(lines_[to.line]).sliced(to.column);
  if (longest_known_) longest_ = std::max(longest_, Length(first));
  lines_.erase(lines_.begin() + from.line + 1, lines_.begin() + to.line + 1);
}

int LineBuffer::LongestLineLength() const {
  if (!longest_known_) {
    longest_ = 0;
    for (const QString& line : lines_) longest_ = std::max(longest_, Length(line));
    longest_known_ = true;
  }
  return longest_;
}

}  // namespace tarn::dicttools
