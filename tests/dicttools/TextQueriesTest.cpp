#include <gtest/gtest.h>

#include "DictToolCase.h"
#include "dicttools/TextQueries.h"

namespace tarn::dicttools {
namespace {

TEST(FindLongestLine, ReportsLengthWordAndRow) {
  struct Case {
    std::string text, message;
  };
  const Case cases[] = {
      {Text({"cat", "horse", "mouse"}), "5 horse 在第2行"},
      {"", "0  在第0行"},
      {Text({"", "  ab  ", "中文字"}), "3 中文字 在第3行"},
      {Text({"  ", ""}), "0  在第0行"},
  };
  for (const Case& c : cases) {
    const DictToolResult result = FindLongestLine(Input(c.text));
    EXPECT_EQ(MessageOf(result), c.message) << c.text;
    EXPECT_EQ(TextOf(result), "<unchanged>");
  }
}

TEST(ListCharacterCodes, ListsTheCodesOfBoxOne) {
  struct Case {
    std::string box1, codes;
  };
  const Case cases[] = {
      {"ab", "#97,#98,"}, {" ab", "#32,#97,"}, {"中", "#20013,"},
      {"", ""},           {"  ", ""},          {"😀", "#55357,#56832,"},
  };
  for (const Case& c : cases) {
    const DictToolResult result = ListCharacterCodes(Input(Text({"x"}), c.box1, "old"));
    ASSERT_TRUE(result.box2);
    EXPECT_EQ(Utf16ToUtf8(*result.box2), c.codes) << c.box1;
    EXPECT_EQ(TextOf(result), "<unchanged>");
    EXPECT_FALSE(result.message);
  }
}

}  // namespace
}  // namespace tarn::dicttools
