#include "text/Lines.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

using Lines = std::vector<std::string>;

TEST(Lines, SplitsAtEveryKindOfBreak) {
  struct Case {
    std::string_view text;
    Lines lines;
  };
  const Case cases[] = {
      {std::string_view("a\r\n\r\nb", 6), {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n", {"a"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"", {}},
      {"\r\n", {""}},
      {std::string_view("a\nb\0c\nd", 7), {"a", "b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(Lines, JoinPutsCrLfAfterEveryLine) {
  EXPECT_EQ(JoinLines(Lines{"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLines(Lines{}), "");
  EXPECT_EQ(SplitLines(std::u16string_view(u"x\r\ny")), (std::vector<std::u16string>{u"x", u"y"}));
}

}  // namespace
}  // namespace tarn
