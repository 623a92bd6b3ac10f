#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "cli/DictSteps.h"
#include "documents/EpubFixture.h"
#include "morphology/DictFixture.h"

namespace tarn::cli {
namespace {

using ::testing::IsEmpty;

class WebPageAndBookStepsTest : public DictStepsTest {
 protected:
  void SetUp() override {
    dict_ = testing::WriteDict(folder_, {{"house"}, {"went", "go"}, {}, {}, {}, {"the"}});
  }
};

TEST_F(WebPageAndBookStepsTest, OpenCountsAPageAndABookAsTheirText) {
  const std::string text = folder_.Write(
      "story.txt", "The House\r\nThe cat went home; the dog went too.\r\nIt's late, isn't it?\r\n");
  const std::string page = folder_.Write(
      "story.html",
      "<!DOCTYPE html><html><head><title>Not counted</title><script>var hidden;</script></head>"
      "<body><h1>The House</h1><p>The <b>cat</b> went home;\n  the dog went too.</p>"
      "<p>It&#39;s late, isn&#x27;t it?</p></body></html>");
  const std::string book = folder_ / "story.epub";
  testing::WriteEpub(book, {"<h1>The House</h1>",
                            "<p>The <i>cat</i> went home; the dog&nbsp;went too.</p>"
                            "<p>It's late, isn't it?</p>"});
  // A page saved without its extension is known by its content.
  const std::string unnamed = folder_.Write("story", testing::ReadBytes(page));

  const CliRun expected = Steps({"open", text});
  ASSERT_EQ(expected.status, 0) << expected.err;
  for (const std::string& document : {page, book, unnamed}) {
    const CliRun run = Steps({"open", document});
    EXPECT_EQ(run.status, 0) << document << run.err;
    EXPECT_THAT(run.err, IsEmpty()) << document;
    EXPECT_EQ(run.out, expected.out) << document;
  }
}

TEST_F(WebPageAndBookStepsTest, ABrokenBookIsAMessageThatNamesIt) {
  const std::string book = folder_ / "broken.epub";
  testing::WriteZip(book, {{"mimetype", "application/epub+zip"},
                           {"META-INF/container.xml", testing::ContainerXml()}});
  const CliRun run = Steps({"open", book});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "message: " + book + " 已损坏或不完整，无法读取其中的文字\n");
}

}  // namespace
}  // namespace tarn::cli
