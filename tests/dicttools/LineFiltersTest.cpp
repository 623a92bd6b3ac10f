#include <gtest/gtest.h>

#include "DictToolCase.h"
#include "dicttools/LineFilters.h"

namespace tarn::dicttools {
namespace {

struct FilterCase {
  const char* name;
  DictToolFunction run;
  std::string text;
  std::string box1;
  std::string expected;
  std::string message;
};

TEST(LineFilters, KeepTheLinesThatPass) {
  const FilterCase cases[] = {
      {"length 2..4, written trimmed", ExtractByLength, Text({"a", "at", " cat ", "cart", "carts"}),
       "2", Text({"at", "cat", "cart"}), "提取成功！"},
      {"prefix kept as it was", ExtractByPrefix, Text({"read", "re", "are", "  reader"}), "re",
       Text({"read", "re", "  reader"}), "3"},
      {"prefix deletion", DeleteByPrefix, Text({"read", "re", "are", "  reader"}), "re",
       Text({"are"}), "1"},
      {"prefix with empty key", ExtractByPrefix, Text({"read", "are"}), " ", "", "0"},
      {"prefix deletion with empty key", DeleteByPrefix, Text({"read", " are"}), "",
       Text({"read", " are"}), "2"},
      {"suffix: longer than K and ending with it", ExtractBySuffix,
       Text({"lovely", "only", "ly", "slyly", "lye", " fly "}), "ly",
       Text({"lovely", "only", "slyly", " fly "}), "4"},
      {"suffix with empty key", ExtractBySuffix, Text({"lovely"}), "", "", "0"},
      {"suffix deletion removes what extraction passes", DeleteBySuffix,
       Text({"bed", "beds", "needed", "edit", "a", "", "ed", "lovely  "}), "ed",
       Text({"beds", "edit", "a", "", "ed", "lovely  "}), "6"},
      {"suffix deletion trims for the test only", DeleteBySuffix,
       Text({"lovely ", "slyly", "ly", "fly"}), "ly", Text({"ly"}), "1"},
      {"suffix deletion with empty key deletes nothing", DeleteBySuffix, Text({"bed", "", " x"}),
       " ", Text({"bed", "", " x"}), "3"},
      {"substring extraction writes trimmed", ExtractBySubstring, Text({" a b ", "ab", "xa bx"}),
       "a b", Text({"a b", "xa bx"}), "2"},
      {"substring extraction with empty key", ExtractBySubstring, Text({"a"}), " ", "", "0"},
      {"substring deletion with empty key keeps all, trimmed", DeleteBySubstring,
       Text({" a ", "b"}), " ", Text({"a", "b"}), "2"},
      {"substring deletion", DeleteBySubstring, Text({"x.y", " z "}), ".", Text({"z"}), "1"},
      {"substring is case-sensitive", ExtractBySubstring, Text({"Read", "bread"}), "read",
       Text({"bread"}), "1"},
      {"doubled final letter", ExtractDoubledFinal,
       Text({"recall", "add", "egg", "ALL", "see", "zoo", "a", "", "x  "}), "",
       Text({"recall", "add", "egg", "ALL", "x  "}), "5"},
      {"Chinese lines survive the round trip", ExtractBySubstring, Text({"苹果 apple", "梨"}),
       "苹果", Text({"苹果 apple"}), "1"},
  };
  for (const FilterCase& c : cases) {
    const DictToolResult result = c.run(Input(c.text, c.box1));
    EXPECT_EQ(TextOf(result), c.expected) << c.name;
    EXPECT_EQ(MessageOf(result), c.message) << c.name;
    EXPECT_FALSE(result.box2) << c.name;
  }
}

TEST(LineFilters, EmptyTextGivesEmptyResultAndReadsNoNumber) {
  for (DictToolFunction run : {ExtractByPrefix, DeleteByPrefix, ExtractBySuffix, DeleteBySuffix,
                               ExtractBySubstring, DeleteBySubstring, ExtractDoubledFinal}) {
    const DictToolResult result = run(Input("", "re"));
    EXPECT_EQ(TextOf(result), "");
    EXPECT_EQ(MessageOf(result), "0");
  }
  const DictToolResult length = ExtractByLength(Input("", "", ""));
  EXPECT_EQ(TextOf(length), "");
  EXPECT_EQ(MessageOf(length), "提取成功！");
}

TEST(ExtractByLength, BoundsAndBlankLines) {
  EXPECT_EQ(TextOf(ExtractByLength(Input(Text({"ab", "abc"}), "3", "2"))), "");
  EXPECT_EQ(TextOf(ExtractByLength(Input(Text({"  ", "a", "ab"}), "0", "1"))), Text({"", "a"}));
  // Box 2 is read only for a line that reaches the lower bound.
  EXPECT_EQ(TextOf(ExtractByLength(Input(Text({"a", "b"}), "2", ""))), "");
  EXPECT_EQ(TextOf(ExtractByLength(Input(Text({"中文字"}), "3", "3"))), Text({"中文字"}));
}

TEST(ExtractByLength, InputErrorsChangeNothing) {
  struct Case {
    std::string box1, box2, message;
  };
  const Case digit_cases[] = {
      {"2a", "4", "请在文本框1中输入数字！"},  {"-1", "4", "请在文本框1中输入数字！"},
      {"$10", "4", "请在文本框1中输入数字！"}, {"2", "4a", "请在文本框2中输入数字！"},
      {"2", "+4", "请在文本框2中输入数字！"},  {"x", "y", "请在文本框1中输入数字！"},
  };
  for (const Case& c : digit_cases) {
    const DictToolResult result = ExtractByLength(Input(Text({"abc"}), c.box1, c.box2));
    EXPECT_EQ(TextOf(result), "<unchanged>") << c.box1 << "|" << c.box2;
    EXPECT_EQ(MessageOf(result), c.message) << c.box1 << "|" << c.box2;
  }
  // Digits only once trimmed, yet not a number as typed: the integer error, nothing written.
  const Case read_cases[] = {
      {"", "4", "'' is not a valid integer value"},
      {"2 ", "4", "'2 ' is not a valid integer value"},
      {"2", "", "'' is not a valid integer value"},
      {"2", "99999999999", "'99999999999' is not a valid integer value"},
  };
  for (const Case& c : read_cases) {
    ExpectError(ExtractByLength, Input(Text({"abc"}), c.box1, c.box2), c.message);
  }
  EXPECT_EQ(TextOf(ExtractByLength(Input(Text({"abc"}), " 2", "4"))), Text({"abc"}));
}

TEST(LineFilters, SuffixDeletionIsTheComplementOfExtraction) {
  const std::string text = Text({"slyly", "ly", " only", "", "lyly", "fly ", "l", "中ly"});
  const DictToolResult kept = ExtractBySuffix(Input(text, "ly"));
  const DictToolResult dropped = DeleteBySuffix(Input(text, "ly"));
  EXPECT_EQ(TextOf(kept), Text({"slyly", " only", "lyly", "fly ", "中ly"}));
  EXPECT_EQ(TextOf(dropped), Text({"ly", "", "l"}));
}

}  // namespace
}  // namespace tarn::dicttools
