#include <gtest/gtest.h>

#include "DictToolCase.h"
#include "dicttools/LineTransforms.h"

namespace tarn::dicttools {
namespace {

TEST(CutBeforeKey, KeepsThePartBeforeTheKey) {
  ExpectTexts(CutBeforeKey, {
                                {Text({"apple [n.]", "pear", "x"}), "[", Text({"apple ", ""})},
                                {Text({"  [a]", "ab"}), "[", Text({"", ""})},
                                {Text({"abc", "  d "}), " ", Text({""})},
                                {Text({"苹果：apple"}), "：", Text({"苹果"})},
                                {Text({"a=b=c"}), " = ", Text({"a"})},
                                {"", "[", ""},
                            });
}

TEST(TakeFirstCharacters, TakesTheFirstCharacterOfLongEnoughLines) {
  ExpectTexts(TakeFirstCharacters,
              {
                  {Text({"a", "cat", "  dog"}), "3", Text({"c", " "})},
                  {Text({"中国人", "ab"}), "2", Text({"中", "a"})},
                  // Nothing to take from an empty line, even when every length passes.
                  {Text({"", "b", "", " "}), "0", Text({"b", " "})},
                  {"", "", ""},
              });
}

TEST(TakeFirstCharacters, InputErrorsChangeNothing) {
  for (const char* box : {"3a", "-1", "x10", "一"}) {
    const DictToolResult result = TakeFirstCharacters(Input(Text({"cat"}), box));
    EXPECT_EQ(TextOf(result), "<unchanged>") << box;
    EXPECT_EQ(MessageOf(result), "请在文本框中输入数字！") << box;
  }
  ExpectError(TakeFirstCharacters, Input(Text({"cat"}), ""), "'' is not a valid integer value");
  ExpectError(TakeFirstCharacters, Input(Text({"cat"}), "3 "), "'3 ' is not a valid integer value");
}

TEST(BlankAboveCode, BlanksHighCharactersButNeverLineBreaks) {
  ExpectTexts(BlankAboveCode, {
                                  {"naïve 中文\r\nx\r\n", "127", "na ve   \r\nx\r\n"},
                                  {"ab\r\ncd\n", "2", "  \r\n  \n"},
                                  {"ab\r\n", "-1", "  \r\n"},
                                  {"a\tb\r\n", "$61", "a\t \r\n"},
                                  {"😀a", "65535", "😀a"},
                                  {"😀a", "97", "  a"},
                                  {"", "not a number", ""},
                              });
  ExpectError(BlankAboveCode, Input("abc", "12x"), "'12x' is not a valid integer value");
}

}  // namespace
}  // namespace tarn::dicttools
