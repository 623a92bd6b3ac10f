#include "corpus/ReferenceCounts.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

#include "corpus/CorpusCount.h"
#include "text/AsciiCase.h"
#include "text/Error.h"
#include "wordlists/FileBytes.h"
#include "wordlists/UserPort.h"

namespace tarn {

namespace {

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

// The whole of `text` as a count: decimal digits alone, within 63 bits.
bool ParseCount(std::string_view text, int64_t& count) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), count);
  return failed == std::errc() && end == text.data() + text.size();
}

// The next line of `bytes` from `at`, without its LF or CR LF; moves `at` past it.
std::string_view NextLine(std::string_view bytes, size_t& at) {
  const size_t end = std::min(bytes.find('\n', at), bytes.size());
  std::string_view line = bytes.substr(at, end - at);
  at = end + 1;
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

}  // namespace

ReferenceCounts ReadReferenceCounts(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  const auto bad = [&path](const std::string& what) {
    return Error("参照词频文件" + Quoted(path) + what, path);
  };
  size_t at = 0;
  const std::string_view head = NextLine(bytes, at);
  int64_t running_words = 0;
  if (!ParseCount(head.substr(0, head.find('\t')), running_words)) {
    throw bad("的第一行应以总词数开头");
  }
  FirstSeenCounter words;
  for (size_t number = 2; at < bytes.size(); ++number) {
    const std::string_view line = NextLine(bytes, at);
    const size_t tab = line.find('\t');
    int64_t count = 0;
    if (tab == 0 || tab == std::string_view::npos || line.find('\0') != std::string_view::npos ||
        !ParseCount(line.substr(tab + 1), count) || count == 0) {
      throw bad("第 " + std::to_string(number) + " 行不是“单词<TAB>次数”");
    }
    if (count > running_words - words.TotalCount()) throw bad("中各词次数之和大于总词数");
    words.AddTally(LowerAscii(line.substr(0, tab)), WordTally{count, count, 0});
  }
  if (running_words == 0) throw bad("中没有单词");
  return ReferenceCounts(std::move(words), running_words);
}

ReferenceCounts CountReferenceCorpus(const std::vector<std::string>& paths, size_t threads,
                                     const ConversionSettings& conversion, UserPort& port) {
  BusyCursor busy(port);
  CorpusCount count = CountCorpus(paths, threads, conversion);
  const size_t texts = count.tally.Texts();
  const std::vector<SkippedText> skipped = count.Skipped();
  FirstSeenCounter words = count.tally.TakeWords();
  if (texts == 0) {
    std::string reasons;
    for (const SkippedText& text : skipped) reasons += (reasons.empty() ? "" : "；") + text.reason;
    throw Error("参照语料中没有可以统计的文档：" + reasons);
  }
  if (!skipped.empty()) port.ShowMessage(SkippedMessage(skipped, "参照语料中"));
  if (words.TotalCount() == 0) {
    std::string named;
    for (const std::string& path : paths) named += Quoted(path);
    throw Error("参照语料" + named + "中没有单词");
  }
  const int64_t running_words = words.TotalCount();
  return ReferenceCounts(std::move(words), running_words);
}

}  // namespace tarn
