#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "morphology/BaseForm.h"
#include "morphology/ReducerFixture.h"

namespace tarn {

namespace {

class BaseFormTest : public testing::Test {
 protected:
  BaseFormTest() {
    stop_words_.AddCount(u"the", 1);
    stop_words_.AddCount(u"and", 1);
  }

  std::optional<std::string> Run(std::string_view box_text) const {
    return BaseForm(box_text, lexicon_.tables, stop_words_, irregular_pairs_);
  }

  SmallTables lexicon_{{u"this"}, {u"hope"}, {}};
  THashTable stop_words_;
  // Forms at even indexes, base forms after them; "went" twice: the first pair counts.
  std::vector<std::string> irregular_pairs_{"went", "go", "fed", "feed", "WENT", "wend", "hoped"};
};

TEST_F(BaseFormTest, IrregularFormGivesItsBaseIgnoringCase) {
  EXPECT_EQ(Run("went"), "go");
  EXPECT_EQ(Run("Went"), "go");
  EXPECT_EQ(Run(" WENT "), "go");
  EXPECT_EQ(Run("fed"), "feed");
}

TEST_F(BaseFormTest, OtherWordsAreStemmedAsTyped) {
  EXPECT_EQ(Run("walked"), "walk");
  EXPECT_EQ(Run("hoped"), "hope");  // the last line of an odd list has no partner
  // A base form at an odd index is no irregular form: "feed" is stemmed, "wend" too.
  EXPECT_EQ(Run("feed"), "fe");
  EXPECT_EQ(Run("wend"), "wend");
  // The untrimmed text is stemmed: its last character is a blank, so nothing is cut.
  EXPECT_EQ(Run("walked "), "walked");
  EXPECT_EQ(Run(" walked"), "walk");
  // Stop words are matched exactly: in capitals they are words like any other.
  EXPECT_EQ(Run("THE"), "THE");
}

TEST_F(BaseFormTest, LeavesTheBoxAlone) {
  EXPECT_EQ(Run(""), std::nullopt);
  EXPECT_EQ(Run("go"), std::nullopt);
  EXPECT_EQ(Run("s "), std::nullopt);
  EXPECT_EQ(Run("the"), std::nullopt);
  EXPECT_EQ(Run(" and "), std::nullopt);
  EXPECT_EQ(Run("this"), std::nullopt);
}

}  // namespace
}  // namespace tarn
