#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/CliRun.h"
#include "support/TempFolder.h"

namespace tarn::cli {
namespace {

using ::testing::StartsWith;

TEST(GlossCommandTest, TheShippedGlossesGiveBookItsChineseMeaning) {
  // The build puts the shipped dict folder beside the test program, as beside tarn-cli.
  const std::string dict =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/dict";
  const CliRun run = RunWith({"--dict", dict, "gloss", "book"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, StartsWith("book\tn. 书"));
  EXPECT_EQ(run.out.back(), '\n');
}

TEST(GlossCommandTest, PrintsWordTabGlossPerWordEmptyWithoutOne) {
  testing::TempFolder folder;
  folder.Write("glosses.txt", "# comment\nbook\tn. 书\ngo\tv. 去\n");
  const CliRun run = RunWith({"--dict", folder.path().string(), "gloss", "go", "went", "Book"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "go\tv. 去\nwent\t\nBook\tn. 书\n");
  EXPECT_EQ(run.err, "");
}

TEST(GlossCommandTest, NoGlossFileGivesEmptyGlossesAndNoError) {
  testing::TempFolder folder;  // not even the word tables: gloss needs none of them
  const CliRun run = RunWith({"--dict", folder.path().string(), "gloss", "book", "go"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "book\t\ngo\t\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(RunWith({"gloss"}).err, "error: expected at least 1 word, got 0.\n");
}

}  // namespace
}  // namespace tarn::cli
