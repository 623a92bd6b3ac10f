#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <string>

#include "text/CodePage936.h"
#include "text/Windows1252.h"

namespace tarn {
namespace {

// ICU's own Windows-1252 reading of one byte, the reference for the table.
char16_t IcuWindows1252(unsigned char byte) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("windows-1252", &status);
  char16_t unit = 0;
  const char source = static_cast<char>(byte);
  ucnv_toUChars(converter, &unit, 1, &source, 1, &status);
  ucnv_close(converter);
  return U_SUCCESS(status) ? unit : 0xFFFD;
}

TEST(Windows1252Test, ReadsEveryByteAsTheCodePageDoes) {
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const char16_t icu = IcuWindows1252(static_cast<unsigned char>(byte));
    if (icu == 0xFFFD || icu == 0x1A) continue;  // the five bytes the code page leaves open
    EXPECT_EQ(Windows1252Char(static_cast<unsigned char>(byte)), icu) << "byte " << byte;
  }
  for (unsigned char open : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(Windows1252Char(open), char16_t{open});
  }
}

TEST(Windows1252Test, ConvertsToCodePage936WithMarksForWhatItLacks) {
  // “Café” — ‘naïve’ €5, then an open byte and a letter code page 936 lacks.
  const std::string western =
      "\x93"
      "Caf\xE9\x94 \x97 \x91na\xEFve\x92 \x80"
      "5\x81\xC3";
  const std::u16string wide = u"“Café” — ‘naïve’ €5\u0081Ã";
  EXPECT_EQ(Windows1252ToUtf16(western), wide);
  EXPECT_EQ(Windows1252ToCp936(western), Utf16ToCp936(wide));
  EXPECT_EQ(Windows1252ToCp936(std::string("a\0\x93", 3)),
            Utf16ToCp936(std::u16string(u"a\0“", 3)));
}

struct ChoiceCase {
  const char* name;
  std::string text;
  bool windows1252;
};

class ReadsAsWindows1252Test : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ReadsAsWindows1252Test, Decides) {
  EXPECT_EQ(ReadsAsWindows1252(GetParam().text), GetParam().windows1252);
}

const std::string kNiHao = "\xC4\xE3\xBA\xC3";  // 你好 in code page 936

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsAsWindows1252Test,
    ::testing::Values(
        ChoiceCase{"Ascii", "plain text\r\n", false}, ChoiceCase{"Empty", "", false},
        ChoiceCase{"OneChineseLine", kNiHao + "\r\n", false},
        ChoiceCase{"ChineseWord", kNiHao, false},
        ChoiceCase{"ChineseAmongEnglish", "He said " + kNiHao + ", twice.\r\n", false},
        // “quoted”, a full-width comma and an ellipsis, as a Chinese system writes them
        ChoiceCase{"EnglishWithChinesePunctuation",
                   "\xA1\xB0Well\xA1\xB1\xA3\xAC she said\xA1\xAD\r\n", false},
        ChoiceCase{"CurlyQuotes",
                   "\x93Well\x94 \x91"
                   "cause\x92",
                   true},
        ChoiceCase{"OneApostrophe", "don\x92t", true},
        ChoiceCase{"ClosingQuoteBeforeABreak", "end.\x94\r\n", true},
        ChoiceCase{"AccentsInFrench", "caf\xE9 \xE9l\xE8ve", true},
        // Long runs of ASCII between the bytes beyond it weigh nothing either way.
        ChoiceCase{"AccentsFarApart", "caf\xE9" + std::string(150, ' ') + "\xE9t\xE9", true},
        ChoiceCase{"ChineseFarApart", kNiHao + std::string(150, 'x') + kNiHao, false},
        ChoiceCase{"PoundSign",
                   "\xA3"
                   "200 a year",
                   true},
        ChoiceCase{"GermanLetters",
                   "Stra\xDF"
                   "e, \xFC"
                   "ber, Gr\xF6\xDF"
                   "e",
                   true},
        // Only the bytes before a NUL, and only the sample, count.
        ChoiceCase{"NulEndsTheText", std::string("ab\0\x93Well\x94", 8), false},
        ChoiceCase{"ChineseDecidesBeforeTheSampleEnds",
                   kNiHao + std::string(kEightBitSampleSize, 'x') + "\x93W\x94 \x93W\x94 ", false},
        ChoiceCase{"WesternDecidesBeforeTheSampleEnds",
                   "\x93W\x94 " + std::string(kEightBitSampleSize, 'x') + kNiHao + kNiHao, true},
        ChoiceCase{"OneStrayByteAmongChinese", kNiHao + kNiHao + "\x80" + kNiHao, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tarn
