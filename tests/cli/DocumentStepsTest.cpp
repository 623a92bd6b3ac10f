#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/DictSteps.h"
#include "morphology/DictFixture.h"

namespace tarn::cli {
namespace {

using ::testing::HasSubstr;

// The committed fixtures of tests/data/documents.
std::string Fixture(const std::string& name) {
  return std::string(std::getenv("TARN_TEST_DATA")) + "/documents/" + name;
}

class DocumentStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"lamp"}, {"burned", "burn"}, {}, {}, {}, {"the"}});
  }

  // What each view, and a sort after the last, prints for `document`.
  std::vector<std::string> EveryView(const std::string& document) {
    std::vector<std::string> printed;
    for (std::vector<std::string> steps :
         {std::vector<std::string>{"all"}, {"filtered"}, {"merged"}, {"filtered-merged"},
          {"filtered-merged", "roots"}, {"all", "freq-desc"}, {"merged", "word-desc"}}) {
      steps.insert(steps.begin(), {"open", document});
      const CliRun run = Steps(steps);
      EXPECT_EQ(run.status, 0) << document << ": " << run.err;
      printed.push_back(run.out);
    }
    return printed;
  }
};

// real.doc is a Word 97-2003 document made by tools/fixtures/make-doc-fixture; real.txt holds the
// same text. antiword turns the curly quotes and the Chinese into the same text the file gives.
TEST_F(DocumentStepsTest, ARealWordDocumentCountsAsItsTextThroughAntiword) {
  const std::string text = folder_.Write(
      "real.txt",
      "The Lighthouse Keeper\n"
      "“Well,” said the keeper, “the lamp must burn tonight.”\n"
      "He climbed the stairs; the lamp burned, and the ships passed safely by.\n"
      "It’s the keeper’s lamp that keeps the sailors’ ships from the rocks.\n"
      "学习英语 The keeper’s daughter wrote 灯塔 in her notebook.\n");
  const std::vector<std::string> document = EveryView(Fixture("real.doc"));
  EXPECT_THAT(document[0], HasSubstr("keeper              \t4"));
  EXPECT_EQ(document, EveryView(text));
}

// same-book.* are one text as plain text, a PDF, an EPUB of two chapters and a web page with markup,
// entities, a script and a style, made by tools/fixtures/make-same-book-fixtures.
TEST_F(DocumentStepsTest, TheSameBookListsAlikeInEveryForm) {
  const std::vector<std::string> text = EveryView(Fixture("same-book.txt"));
  ASSERT_THAT(text[0], HasSubstr("candle"));
  for (const char* form : {"same-book.pdf", "same-book.epub", "same-book.html"}) {
    EXPECT_EQ(EveryView(Fixture(form)), text) << form;
  }
}

}  // namespace
}  // namespace tarn::cli
