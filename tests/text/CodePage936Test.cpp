#include "text/CodePage936.h"

#include <gtest/gtest.h>

#include "text/Utf8.h"

namespace tarn {
namespace {

TEST(CodePage936, RoundTripsChineseAndAscii) {
  const std::string cp936 = "ab\xD6\xD0\xCE\xC4";  // ab中文
  EXPECT_EQ(Cp936ToUtf16(cp936), u"ab\u4E2D\u6587");
  EXPECT_EQ(Utf16ToCp936(u"ab\u4E2D\u6587"), cp936);
}

TEST(CodePage936, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToCp936(u"a\u0E01b"), "a?b");       // Thai
  EXPECT_EQ(Utf16ToCp936(u"x\U0001F600y"), "x?y");   // emoji, one mark for the pair
}

TEST(CodePage936, Utf8Helpers) {
  EXPECT_TRUE(IsValidUtf8("na\xC3\xAFve"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xD6\xD0"));      // code page 936 bytes
  EXPECT_EQ(Utf8ToCp936("\xE4\xB8\xAD"), "\xD6\xD0");
  EXPECT_EQ(Cp936ToUtf8("\xD6\xD0"), "\xE4\xB8\xAD");
}

}  // namespace
}  // namespace tarn
