#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DictToolCase.h"
#include "dicttools/LineOrdering.h"
#include "text/AsciiCase.h"
#include "text/Collation.h"
#include "text/Utf8.h"

namespace tarn::dicttools {
namespace {

// The literal rule: every lower-cased line is compared with every line kept so far.
std::vector<std::string> UniqueByComparingAll(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    const std::string lowered = LowerAscii(line);
    const bool seen = std::any_of(kept.begin(), kept.end(), [&](const std::string& earlier) {
      return CompareTextIgnoreCase(earlier, lowered) == 0;
    });
    if (!seen) kept.push_back(lowered);
  }
  return kept;
}

// A mixed list in code page 936: case variants, trailing blanks, Chinese, accents, empties.
std::vector<std::string> MixedLines(size_t count) {
  const char* const pieces[] = {"apple", "Apple", "APPLE ", "pear",  "",     " ",
                                "re-do", "redo",  "naïve",  "NAÏVE", "中文", "中",
                                "a\tb",  "Zebra", "zebra",  "b"};
  std::mt19937 random(7);
  std::vector<std::string> lines;
  for (size_t i = 0; i < count; ++i) {
    std::string line = Utf8ToCp936(pieces[random() % std::size(pieces)]);
    if (random() % 3 == 0) line += static_cast<char>('a' + random() % 3);
    lines.push_back(line);
  }
  return lines;
}

TEST(RemoveDuplicateLines, KeepsTheFirstLowerCasedLine) {
  const DictToolResult result =
      RemoveDuplicateLines(Input(Text({"Apple", "apple", "APPLE", "pear", "pear ", "", ""})));
  EXPECT_EQ(TextOf(result), Text({"apple", "pear", "pear ", ""}));
  EXPECT_EQ(MessageOf(result), "4");
  EXPECT_EQ(MessageOf(RemoveDuplicateLines(Input(""))), "0");
}

TEST(RemoveDuplicateLines, MatchesComparingWithEveryKeptLine) {
  const std::vector<std::string> lines = MixedLines(600);
  EXPECT_EQ(UniqueLowerLines(lines), UniqueByComparingAll(lines));
}

TEST(SortLines, OrdersByTheCaseIgnoringComparison) {
  const DictToolResult result = SortLines(Input(Text({"b", "", "A", "a"})));
  EXPECT_EQ(TextOf(result), Text({"", "A", "a", "b"}));
  EXPECT_EQ(MessageOf(result), "4");
  EXPECT_EQ(TextOf(SortLines(Input(Text({"中文", "Zebra", " apple"})))),
            Text({" apple", "Zebra", "中文"}));
}

TEST(SortLines, AgreesWithTheComparisonAndKeepsEveryLine) {
  const std::vector<std::string> lines = MixedLines(600);
  const std::vector<std::string> sorted = SortedLines(lines);
  for (size_t i = 1; i < sorted.size(); ++i) {
    EXPECT_LE(CompareTextIgnoreCase(sorted[i - 1], sorted[i]), 0) << i;
  }
  std::vector<std::string> expected = lines;
  std::vector<std::string> actual = sorted;
  std::sort(expected.begin(), expected.end());
  std::sort(actual.begin(), actual.end());
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace tarn::dicttools
