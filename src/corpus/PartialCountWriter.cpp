#include "corpus/PartialCountWriter.h"

#include <charconv>
#include <numeric>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "corpus/PartialCount.h"

namespace tarn {

namespace {

// Lines gathered in memory and handed to the stream a block at a time.
class LineWriter {
 public:
  explicit LineWriter(std::ostream& out) : out_(out) {}
  ~LineWriter() { Flush(); }

  LineWriter& operator<<(std::string_view text) {
    buffer_ += text;
    return *this;
  }
  LineWriter& operator<<(char c) {
    buffer_ += c;
    return *this;
  }
  LineWriter& operator<<(int64_t number) {
    char digits[24];
    buffer_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    return *this;
  }
  // Ends the line; the lines ended so far.
  void EndLine() {
    buffer_ += '\n';
    ++lines_;
    if (buffer_.size() >= kBlock) Flush();
  }
  int64_t Lines() const { return lines_; }

 private:
  static constexpr size_t kBlock = size_t{1} << 20;

  void Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  std::ostream& out_;
  std::string buffer_;
  int64_t lines_ = 0;
};

void WriteSkipped(LineWriter& out, std::string_view kind, const std::vector<SkippedText>& skipped) {
  for (const SkippedText& text : skipped) {
    out << kind << '\t' << EscapedField(text.path) << '\t' << EscapedField(text.reason);
    out.EndLine();
  }
}

}  // namespace

std::string EscapedField(std::string_view field) {
  std::string escaped;
  escaped.reserve(field.size());
  for (const char c : field) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void WritePartialCount(const CorpusCount& count, std::ostream& out) {
  const CorpusTally& tally = count.tally;
  LineWriter lines(out);
  lines << kPartialCountMagic << ' ' << int64_t{kPartialCountVersion};
  lines.EndLine();
  for (size_t text = 0; text < count.texts.size(); ++text) {
    lines << "text\t" << tally.TextWords(text) << '\t' << EscapedField(count.texts[text]);
    lines.EndLine();
  }
  WriteSkipped(lines, "skipped-path", count.unlisted);
  WriteSkipped(lines, "skipped-file", count.failed);

  // The tally holds each text's words; the lines want each word's texts.
  const size_t words = tally.Words().DistinctCount();
  std::vector<size_t> starts(words + 1, 0);
  tally.ForEachCount([&](size_t, uint32_t word, int64_t) { ++starts[word + 1]; });
  std::partial_sum(starts.begin(), starts.end(), starts.begin());
  std::vector<std::pair<size_t, int64_t>> in_texts(starts.back());
  std::vector<size_t> filled(starts.begin(), starts.end() - 1);
  tally.ForEachCount([&](size_t text, uint32_t word, int64_t n) {
    in_texts[filled[word]++] = {text, n};
  });

  size_t word = 0;
  tally.Words().ForEachTally([&](std::string_view key, const WordTally& sum) {
    lines << "word\t" << key << '\t' << sum.count << '\t' << sum.eligible << '\t'
          << sum.capitalised;
    for (size_t at = starts[word]; at < starts[word + 1]; ++at) {
      lines << '\t' << static_cast<int64_t>(in_texts[at].first + 1) << ':' << in_texts[at].second;
    }
    lines.EndLine();
    ++word;
  });
  lines << "end\t" << lines.Lines();
  lines.EndLine();
}

}  // namespace tarn
