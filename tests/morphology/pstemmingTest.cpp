#include <gtest/gtest.h>

#include <string>

#include "morphology/ReducerFixture.h"
#include "morphology/pstemming.h"

namespace tarn {
namespace {

// Code page 936 bytes of 你 (its second byte is no letter).
constexpr std::string_view kNi = "\xC4\xE3";

struct Case {
  const char* name;
  std::string word;
  std::string stem;
  std::string root;
};

class ReducerCases : public testing::TestWithParam<Case> {};

TEST_P(ReducerCases, StemAndRoot) {
  static const std::u16string long_e = std::u16string(70, u'x') + u"bre";
  const SmallTables lexicon({u"this", u"中文s"}, {u"你e", long_e}, {});
  const Case& c = GetParam();
  EXPECT_EQ(StemWord(c.word, lexicon.tables), c.stem);
  EXPECT_EQ(RootWord(c.word, lexicon.tables), c.root);
}

INSTANTIATE_TEST_SUITE_P(
    WordsOfNoDocument, ReducerCases,
    testing::Values(
        // Under 3 characters nothing is touched, not even trimmed.
        Case{"Empty", "", "", ""}, Case{"TwoWithBlank", "s ", "s ", "s "},
        // Recall looks at the trimmed word but gives the word back as it came.
        Case{"RecalledWithBlanks", " this ", " this ", " this "},
        // A trailing blank is the last character: no group, only trimming.
        Case{"TrailingBlank", "walked ", "walked", "walked"},
        Case{"TrailingTab", "happily\t", "happily", "happily"},
        Case{"ThreeWithBlank", "ab ", "ab", "ab"},
        // Leading blanks count as characters of the work text.
        Case{"LeadingBlanks", "  walked", "walk", "walked"},
        Case{"LeadingBlankSing", " sing", "sing", "sing"},  // trimmed, it has 4 characters
        Case{"LeadingBlankIng", " ing", "", "ing"},         // L4 blank and L5 NUL differ: rule 3
        Case{"LeadingBlankVes", " ves", "f", "ves"},        // 4 characters: -ves gives -f
        Case{"LeadingBlankEst", " est", "", "est"},         // L4 blank: -est cut, e dropped
        // The rules compare with lower-case letters only.
        Case{"UpperCase", "WALKED", "WALKED", "WALKED"},
        Case{"UpperSuffixOnly", "WALKs", "WALK", "WALKs"},
        Case{"MixedCase", "Walked", "Walk", "Walked"},
        Case{"CapitalisedAdverb", "Happily", "Happily", "Happy"},
        Case{"UpperSuffix", "walkED", "walkED", "walkED"},
        // Bytes of code page 936 are characters: "\xB0s" is one character whose second byte, equal
        // to s, is cut like a plural s.
        Case{"Chinese", "\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4"},
        Case{"RecalledChinese", "\xD6\xD0\xCE\xC4s", "\xD6\xD0\xCE\xC4s", "\xD6\xD0\xCE\xC4s"},
        Case{"ChinesePlural", "\xC4\xE3s", "\xC4\xE3", "\xC4\xE3s"},
        Case{"SecondByteIsS", "x\xB0s", "x\xB0", "x\xB0s"},
        // Table look-ups widen through code page 936.
        Case{"ChineseEEnd", std::string(kNi) + "ed", std::string(kNi) + "e",
             std::string(kNi) + "ed"},
        Case{"ChineseEEndIng", std::string(kNi) + "ing", std::string(kNi) + "e",
             std::string(kNi) + "ing"},
        // Long words widen off the stack buffer.
        Case{"LongWord", std::string(70, 'x') + "bring", std::string(70, 'x') + "bre",
             std::string(70, 'x') + "bring"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(Reducers, ShortWordsAndNulCharacters) {
  const SmallTables lexicon({}, {}, {});
  // "ing" and "est" would blank L4, which short words do not have; an embedded NUL is a
  // character like any other and is trimmed at the ends.
  EXPECT_EQ(StemWord("ing", lexicon.tables), "");
  EXPECT_EQ(StemWord(std::string("a\0ing", 5), lexicon.tables), "a");
  EXPECT_EQ(StemWord(std::string("\0\0ed", 4), lexicon.tables), "");
}

TEST(Reducers, LetterClasses) {
  for (char c = 'a'; c <= 'z'; ++c) {
    EXPECT_EQ(IsVowel(c), std::string_view("aeiou").find(c) != std::string_view::npos) << c;
    EXPECT_EQ(IsEsLetter(c), std::string_view("hosx").find(c) != std::string_view::npos) << c;
  }
  EXPECT_FALSE(IsVowel('A'));
  EXPECT_FALSE(IsVowel('\0'));
  EXPECT_FALSE(IsEsLetter('H'));
}

TEST(Reducers, TablesDecide) {
  // The same words under other tables: recalled, e kept, doubled letter kept.
  const SmallTables bare({}, {}, {});
  const SmallTables full({u"bring", u"family", u"daily"}, {u"walke", u"apple"},
                         {u"stopp", u"runn", u"bigg", u"small"});
  struct Row {
    const char* word;
    const char* bare_stem;
    const char* full_stem;
  } const stems[] = {
      {"bring", "br", "bring"},     {"walked", "walk", "walke"}, {"stopped", "stop", "stopp"},
      {"running", "run", "runn"},   {"bigger", "big", "bigg"},   {"smaller", "smal", "small"},
      {"smallest", "smal", "smal"}, {"hoped", "hop", "hop"},
  };
  for (const Row& row : stems) {
    EXPECT_EQ(StemWord(row.word, bare.tables), row.bare_stem) << row.word;
    EXPECT_EQ(StemWord(row.word, full.tables), row.full_stem) << row.word;
  }
  EXPECT_EQ(RootWord("family", bare.tables), "famy");
  EXPECT_EQ(RootWord("family", full.tables), "family");
  EXPECT_EQ(RootWord("daily", full.tables), "daily");
  EXPECT_EQ(RootWord("apply", bare.tables), "app");
  EXPECT_EQ(RootWord("apply", full.tables), "apple");
}

}  // namespace
}  // namespace tarn
