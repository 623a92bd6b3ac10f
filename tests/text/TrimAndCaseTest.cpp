#include <gtest/gtest.h>

#include "text/AsciiCase.h"
#include "text/Trim.h"

namespace tarn {
namespace {

TEST(Trim, RemovesCodesUpToSpaceAtBothEnds) {
  EXPECT_EQ(Trim(std::string_view("\t\x01 a b \r\n", 9)), "a b");
  EXPECT_EQ(Trim(std::u16string_view(u" \u3000x ")), u"\u3000x");  // ideographic space stays
  EXPECT_TRUE(IsBlankText(std::string_view(" \t")));
}

TEST(LowerAscii, ChangesOnlyCapitalsOutsideDoubleByteCharacters) {
  // 0x81 0x41 is one double-byte character whose trail byte equals "A".
  EXPECT_EQ(LowerAscii(std::string_view("AbC\x81\x41Z")), "abc\x81\x41z");
  EXPECT_EQ(LowerAscii(std::string_view("\xC9\xCF")), "\xC9\xCF");
  EXPECT_EQ(LowerAscii(std::u16string_view(u"WÄrd")), u"wÄrd");
}

}  // namespace
}  // namespace tarn
