#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "analysis/MainSession.h"
#include "concordance/StudyFixture.h"
#include "concordance/StudyList.h"
#include "concordance/StudyListFiles.h"
#include "support/FakeUserPort.h"
#include "text/Utf8.h"

namespace tarn {
namespace {

class StudyListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.LoadLexicon(testing::WriteStudyDict(folder_));
    document_ = folder_.Write("doc.txt", testing::kStudyDocument);
    ASSERT_TRUE(session_.CountFile(document_));
    levels_.emplace(folder_ / "dict", Ladder::kExam);
    glosses_ = Glosses::Read(folder_ / "dict/glosses.txt");
  }

  StudyList Make(const std::string& listing, FormScope scope) {
    return MakeStudyList(
        Utf8ToCp936(listing), scope,
        {session_.State(), session_.Words(), session_.Source(), *levels_, glosses_});
  }

  testing::TempFolder folder_;
  testing::FakeUserPort port_;
  MainSession session_{port_};
  std::string document_;
  std::optional<LevelLists> levels_;
  Glosses glosses_;
};

TEST_F(StudyListTest, WritesTheFlashcardAndSpreadsheetForms) {
  // A merged listing, a blank line, and a line the user typed that no counted word fits.
  const StudyList list =
      Make("go                  \t5\r\nnow                 \t1\r\n\r\n  Zebra \t 7\r\n",
           FormScope::kMerged);
  EXPECT_EQ(list.reading, DocumentSource::Reading::kRead);
  EXPECT_EQ(StudyListTsv(list.rows),
            "#separator:tab\n#html:true\n#columns:单词\t次数\t等级\t释义\t例句\t词形\n"
            "go\t5\t高考\tv. 去，走\tHe <b>went</b> to the house.\twent, go, goes\n"
            "now\t1\t四级\tadv. 现在 &amp; &quot;立刻&quot;\t"
            "&quot;Go &lt;<b>now</b>&gt; &amp; quickly,&quot; she said.\tnow\n"
            "Zebra\t7\t超纲\t\t\t\n");
  EXPECT_EQ(StudyListCsv(list.rows),
            "\xEF\xBB\xBF单词,次数,等级,释义,例句,词形\r\n"
            "go,5,高考,v. 去，走,He <b>went</b> to the house.,\"went, go, goes\"\r\n"
            "now,1,四级,\"adv. 现在 & \"\"立刻\"\"\","
            "\"&quot;Go &lt;<b>now</b>&gt; &amp; quickly,&quot; she said.\",now\r\n"
            "Zebra,7,超纲,,,\r\n");
}

TEST_F(StudyListTest, AWordAloneIsItsOwnFormAndBorrowsItsBaseFormsLevelAndGloss) {
  const StudyList list = Make("went\t3\r\ngo\t1\r\nthe\t2\r\n", FormScope::kWordAlone);
  ASSERT_EQ(list.rows.size(), 3u);
  const StudyRow& went = list.rows[0];
  EXPECT_EQ(went.level, "高考");
  EXPECT_EQ(went.gloss, "v. 去，走");
  EXPECT_EQ(went.forms, "went");
  EXPECT_EQ(went.sentence, "He <b>went</b> to the house.");
  // The form as written, capital and all.
  EXPECT_EQ(list.rows[1].sentence, "&quot;<b>Go</b> &lt;now&gt; &amp; quickly,&quot; she said.");
  // A stop word is not counted, so it has no forms and no sentence.
  EXPECT_EQ(list.rows[2].forms, "");
  EXPECT_EQ(list.rows[2].sentence, "");
}

TEST_F(StudyListTest, AChangedDocumentGivesNoSentencesAndNoGlossFileEmptyGlosses) {
  folder_.Write("doc.txt", "Something else entirely.\r\n");
  glosses_ = Glosses();
  const StudyList list = Make("go\t5\r\n", FormScope::kMerged);
  EXPECT_EQ(list.reading, DocumentSource::Reading::kChanged);
  ASSERT_EQ(list.rows.size(), 1u);
  EXPECT_EQ(list.rows[0].sentence, "");
  EXPECT_EQ(list.rows[0].gloss, "");
  EXPECT_EQ(list.rows[0].level, "高考");
  EXPECT_EQ(list.rows[0].forms, "went, go, goes");
}

}  // namespace
}  // namespace tarn
