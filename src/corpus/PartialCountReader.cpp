#include "corpus/PartialCountReader.h"

#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>

#include "text/Error.h"
#include "wordlists/ReadableFile.h"

namespace tarn {

namespace {

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

// Replaces `bytes` with the whole file at `path`, read straight into its place, with room for it
// growing meanwhile.
void ReadWholeFile(const std::string& path, std::string& bytes) {
  ReadableFile file(path);
  bytes.resize(static_cast<size_t>(file.Size()));
  bytes.resize(file.ReadFull(bytes.data(), bytes.size()));
  char more[65536];
  for (size_t got; (got = file.Read(more, sizeof more)) != 0;) bytes.append(more, got);
}

// Empties `partial`, keeping its storage.
void Clear(PartialCount& partial) {
  partial.texts.clear();
  partial.text_words.clear();
  partial.unlisted.clear();
  partial.failed.clear();
  partial.words.clear();
  partial.tallies.clear();
  for (std::vector<PartialCount::TextCount>& counts : partial.text_counts) counts.clear();
  partial.first_word_line = 0;
  partial.running_words = 0;
}

// The kinds of line in the order they come.
enum class LineKind { kText, kSkippedPath, kSkippedFile, kWord };

// The fields of a line, taken one by one from the front.
class Fields {
 public:
  explicit Fields(std::string_view line) : rest_(line) {}
  bool Empty() const { return done_; }
  std::string_view Next() {
    const size_t tab = rest_.find('\t');
    const std::string_view field = rest_.substr(0, tab);
    if (tab == std::string_view::npos) {
      done_ = true;
      rest_ = {};
    } else {
      rest_.remove_prefix(tab + 1);
    }
    return field;
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

class Reader {
 public:
  Reader(const std::string& path, PartialCount& out) : path_(path), out_(out) {}

  void Read() {
    const std::string_view bytes = out_.bytes;
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    CheckFirstLine(WithoutCr(first));
    if (bytes.empty() || bytes.back() != '\n') Truncated();
    const size_t last_start = bytes.rfind('\n', bytes.size() - 2) + 1;
    const std::string_view last =
        WithoutCr(bytes.substr(last_start, bytes.size() - 1 - last_start));
    if (last_start == 0 || !last.starts_with("end\t")) Truncated();
    size_t at = first.size() + 1;
    line_ = 1;
    while (at < last_start) {
      const size_t end = bytes.find('\n', at);
      ++line_;
      Line(WithoutCr(bytes.substr(at, end - at)));
      at = end + 1;
    }
    ++line_;
    const int64_t lines = Number(last.substr(4));
    if (lines != static_cast<int64_t>(line_ - 1)) {
      throw Error(Quoted(path_) + "不完整：结尾行记有 " + std::to_string(lines) + " 行，实际有 " +
                      std::to_string(line_ - 1) + " 行，文件可能被截断了",
                  path_);
    }
    CheckTexts();
  }

 private:
  static std::string_view WithoutCr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
  }

  void CheckFirstLine(std::string_view first) const {
    const std::string expected =
        std::string(kPartialCountMagic) + ' ' + std::to_string(kPartialCountVersion);
    if (first == expected) return;
    const std::string prefix = std::string(kPartialCountMagic) + ' ';
    if (first.starts_with(prefix)) {
      throw Error(Quoted(path_) + "是另一版本（" + std::string(first.substr(prefix.size())) +
                      "）的部分统计，本程序只能读第 " + std::to_string(kPartialCountVersion) +
                      " 版",
                  path_);
    }
    throw Error(Quoted(path_) + "不是部分统计文件：第一行应为“" + expected + "”", path_);
  }

  [[noreturn]] void Truncated() const {
    throw Error(Quoted(path_) + "不完整：没有结尾行“end”，文件可能被截断了", path_);
  }

  [[noreturn]] void Fail(const std::string& what) const { FailAt(line_, what); }
  [[noreturn]] void FailAt(size_t line, const std::string& what) const {
    throw Error(Quoted(path_) + "第 " + std::to_string(line) + " 行有误：" + what, path_);
  }

  void Line(std::string_view line) {
    Fields fields(line);
    const std::string_view kind = fields.Next();
    if (kind == "word") {
      Order(LineKind::kWord);
      Word(fields);
    } else if (kind == "text") {
      Order(LineKind::kText);
      Text(fields);
    } else if (kind == "skipped-path") {
      Order(LineKind::kSkippedPath);
      out_.unlisted.push_back(Skipped(fields));
    } else if (kind == "skipped-file") {
      Order(LineKind::kSkippedFile);
      out_.failed.push_back(Skipped(fields));
    } else if (kind == "end") {
      Fail("结尾行后面还有内容");
    } else {
      Fail("不认识的行“" + std::string(kind.substr(0, 40)) + "”");
    }
  }

  void Order(LineKind kind) {
    if (kind < kind_) Fail("行的次序不对");
    kind_ = kind;
  }

  std::string_view Field(Fields& fields) const {
    if (fields.Empty()) Fail("栏数不够");
    return fields.Next();
  }
  void NoMoreFields(const Fields& fields) const {
    if (!fields.Empty()) Fail("栏数太多");
  }

  int64_t Number(std::string_view field) const {
    int64_t number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (field.empty() || field[0] < '0' || field[0] > '9' ||
        (error == std::errc() && end != field.data() + field.size())) {
      Fail("“" + std::string(field.substr(0, 40)) + "”不是非负整数");
    }
    if (error == std::errc::result_out_of_range) {
      Fail("数目“" + std::string(field) + "”超出 64 位整数的范围");
    }
    return number;
  }

  int64_t Sum(int64_t a, int64_t b) const {
    int64_t sum;
    if (__builtin_add_overflow(a, b, &sum)) Fail("次数之和超出 64 位整数的范围");
    return sum;
  }

  std::string Unescaped(std::string_view field) const {
    std::string text;
    text.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
      if (field[i] != '\\') {
        text += field[i];
        continue;
      }
      const char next = i + 1 < field.size() ? field[++i] : '\0';
      switch (next) {
        case '\\':
          text += '\\';
          break;
        case 't':
          text += '\t';
          break;
        case 'n':
          text += '\n';
          break;
        case 'r':
          text += '\r';
          break;
        default:
          Fail("反斜杠后只能是 \\、t、n 或 r");
      }
    }
    return text;
  }

  void Text(Fields& fields) {
    const int64_t running = Number(Field(fields));
    out_.texts.push_back(Unescaped(Field(fields)));
    NoMoreFields(fields);
    out_.running_words = Sum(out_.running_words, running);
    out_.text_words.push_back(running);
  }

  SkippedText Skipped(Fields& fields) const {
    SkippedText skipped;
    skipped.path = Unescaped(Field(fields));
    skipped.reason = Unescaped(Field(fields));
    NoMoreFields(fields);
    return skipped;
  }

  void Word(Fields& fields) {
    if (out_.words.empty()) {
      out_.first_word_line = line_;
      out_.text_counts.resize(out_.texts.size());
      text_sums_.assign(out_.texts.size(), 0);
    }
    const std::string_view word = Field(fields);
    if (word.empty()) Fail("单词是空的");
    for (const char c : word) {
      if (static_cast<unsigned char>(c) < 0x20) Fail("单词里有控制字符");
    }
    WordTally tally;
    tally.count = Number(Field(fields));
    tally.eligible = Number(Field(fields));
    tally.capitalised = Number(Field(fields));
    if (tally.count == 0) Fail("次数为 0");
    if (tally.eligible > tally.count || tally.capitalised > tally.eligible) {
      Fail("大写的次数多于总次数");
    }
    const auto index = static_cast<uint32_t>(out_.words.size());
    int64_t sum = 0;
    size_t previous = 0;
    if (fields.Empty()) Fail("没有列出含该词的文本");
    while (!fields.Empty()) {
      const std::string_view entry = fields.Next();
      const size_t colon = entry.find(':');
      if (colon == std::string_view::npos) Fail("“" + std::string(entry) + "”应为“文本:次数”");
      const int64_t text = Number(entry.substr(0, colon));
      const int64_t count = Number(entry.substr(colon + 1));
      if (text < 1 || static_cast<uint64_t>(text) > out_.texts.size()) {
        Fail("没有第 " + std::to_string(text) + " 个文本");
      }
      if (static_cast<size_t>(text) <= previous) Fail("文本的编号应当递增");
      if (count == 0) Fail("文本中的次数为 0");
      previous = static_cast<size_t>(text);
      sum = Sum(sum, count);
      text_sums_[previous - 1] = Sum(text_sums_[previous - 1], count);
      out_.text_counts[previous - 1].push_back({index, count});
    }
    if (sum != tally.count) {
      Fail("各文本的次数之和 " + std::to_string(sum) + " 不等于总次数 " +
           std::to_string(tally.count));
    }
    out_.words.push_back(word);
    out_.tallies.push_back(tally);
  }

  // Each text's running words are the counts of its words.
  void CheckTexts() {
    if (out_.words.empty()) {
      out_.text_counts.resize(out_.texts.size());
      text_sums_.assign(out_.texts.size(), 0);
    }
    for (size_t text = 0; text < out_.texts.size(); ++text) {
      if (text_sums_[text] != out_.text_words[text]) {
        FailAt(text + 2, "文本的词数 " + std::to_string(out_.text_words[text]) +
                             " 不等于其中各词的次数之和 " + std::to_string(text_sums_[text]));
      }
    }
  }

  const std::string& path_;
  PartialCount& out_;
  size_t line_ = 0;
  LineKind kind_ = LineKind::kText;
  std::vector<int64_t> text_sums_;
};

}  // namespace

void ReadPartialCount(const std::string& path, PartialCount& partial) {
  Clear(partial);
  partial.path = path;
  ReadWholeFile(path, partial.bytes);
  Reader(path, partial).Read();
}

}  // namespace tarn
