#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "dicttools/ToolTable.h"

namespace tarn::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(DictToolsCommandTest, RunsTheOperationsOfTheToolbar) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::string err;
  } cases[] = {
      // Line filters.
      {"empty text", {"extract-prefix", "--box1", "re"}, "", "", "message: 0\n"},
      {"empty text reads no number",
       {"extract-length", "--box1", ""},
       "",
       "",
       "message: 提取成功！\n"},
      {"length 2 to 4",
       {"extract-length"},
       "a\nat\n cat\ncart\ncarts\n",
       "at\ncat\ncart\n",
       "message: 提取成功！\n"},
      {"low above high",
       {"extract-length", "--box1", "5", "--box2", "2"},
       "at\ncarts\n",
       "",
       "message: 提取成功！\n"},
      {"digit check of box 2",
       {"extract-length", "--box2", "4a"},
       "at\n",
       "at\n",
       "message: 请在文本框2中输入数字！\n"},
      {"prefix",
       {"extract-prefix", "--box1", "re"},
       "read\nre\nare\n  read\n",
       "read\nre\n  read\n",
       "message: 3\n"},
      {"prefix deletion",
       {"delete-prefix", "--box1", "re"},
       "read\nre\nare\n  read\n",
       "are\n",
       "message: 1\n"},
      {"suffix", {"extract-suffix", "--box1", "ly"}, "lovely\nly\n", "lovely\n", "message: 1\n"},
      {"suffix deletion",
       {"delete-suffix", "--box1", "ed"},
       "bed\nedit\n",
       "edit\n",
       "message: 1\n"},
      {"blank key deletes nothing",
       {"delete-substring", "--box1", " "},
       " a \nb\n",
       "a\nb\n",
       "message: 2\n"},
      {"blank key extracts nothing",
       {"extract-substring", "--box1", " "},
       " a \nb\n",
       "",
       "message: 0\n"},
      {"key with an inner blank",
       {"extract-substring", "--box1", "a b"},
       "xa by\nab\n",
       "xa by\n",
       "message: 1\n"},
      {"doubled final letter",
       {"extract-doubled"},
       "recall\nsee\nx\n\n",
       "recall\n",
       "message: 1\n"},
      // Transformations and queries.
      {"split, final stop", {"split-words"}, "Don't stop.", "Do\nstop\n", ""},
      {"split, no separator at the end", {"split-words"}, "Don't stop", "Do\nstop\n", ""},
      {"split keeps hyphens, drops numbers",
       {"split-words"},
       "well-known, e-mail 2009",
       "well-known\ne-mail\n",
       ""},
      {"split Chinese only", {"split-words"}, "中文字\n", "", ""},
      {"before a key", {"before-key", "--box1", "["}, "apple [n.]\npear\nx\n", "apple \n\n", ""},
      {"first characters", {"first-chars", "--box1", "3"}, "a\ncat\n  dog\n", "c\n \n", ""},
      {"first characters digit check",
       {"first-chars", "--box1", "3x"},
       "cat\n",
       "cat\n",
       "message: 请在文本框中输入数字！\n"},
      {"blank above 127", {"blank-above", "--box1", "127"}, "naïve 中文\n", "na ve   \n", ""},
      {"dedupe", {"dedupe"}, "Apple\napple\nAPPLE\npear\n", "apple\npear\n", "message: 2\n"},
      {"sort", {"sort"}, "b\n\nc\na\n", "\na\nb\nc\n", "message: 4\n"},
      {"longest",
       {"longest"},
       "cat\nhorse\nmouse\n",
       "cat\nhorse\nmouse\n",
       "message: 5 horse 在第2行\n"},
      {"longest of nothing", {"longest"}, "", "", "message: 0  在第0行\n"},
      {"char codes", {"char-codes", "--box1", " ab"}, "cat\n", "#32,#97,\n", ""},
      {"char codes by handler name", {"RzBitBtn11Click", "--box1", "中"}, "", "#20013,\n", ""},
      {"char codes of an empty box", {"char-codes", "--box1", ""}, "x\n", "\n", ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"dicttools"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunWith(args, c.input);
    EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(run.err, c.err) << c.name;
  }
}

TEST(DictToolsCommandTest, SortPutsEmptyLinesFirstAndIgnoresCase) {
  const CliRun run = RunWith({"dicttools", "sort"}, "b\n\nA\na\n");
  EXPECT_THAT(run.out, ::testing::AnyOf("\nA\na\nb\n", "\na\nA\nb\n"));
}

TEST(DictToolsCommandTest, ErrorsEndWithStatusOneAndLeaveNoText) {
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string err;
  } cases[] = {
      {{"dicttools", "first-chars", "--box1", ""},
       "cat\n",
       "error: '' is not a valid integer value.\n"},
      {{"dicttools", "blank-above", "--box1", "x"},
       "cat\n",
       "error: 'x' is not a valid integer value.\n"},
      {{"dicttools", "frobnicate"},
       "",
       "error: unknown operation \"frobnicate\"; see tarn-cli dicttools --help.\n"},
      {{"dicttools", "sort"}, "\xFF\n", "error: standard input is not UTF-8 text.\n"},
      {{"dicttools"}, "", "error: expected 1 argument, got 0.\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunWith(c.args, c.input);
    EXPECT_EQ(run.status, 1) << c.err;
    EXPECT_EQ(run.out, "") << c.err;
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(DictToolsCommandTest, HelpListsEveryAlias) {
  const CliRun run = RunWith({"dicttools", "--help"});
  EXPECT_THAT(run.out, StartsWith("usage: tarn-cli dicttools OP [--box1 TEXT] [--box2 TEXT]"));
  for (const auto& tool : dicttools::DictTools()) {
    std::string alias(" ");
    alias.append(tool.alias);  // GCC 12 warns falsely on " " + std::string
    EXPECT_THAT(run.out, HasSubstr(alias)) << tool.handler;
  }
  EXPECT_THAT(RunWith({"--help"}).out, HasSubstr("dicttools OP"));
}

}  // namespace
}  // namespace tarn::cli
