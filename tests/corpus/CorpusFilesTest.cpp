#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corpus/CorpusFiles.h"
#include "support/TempFolder.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Folders are walked depth first in byte order of the names; a folder takes the names the
// document kinds claim and leaves the rest, while a file given by name counts whatever it is
// called.
TEST(CorpusFilesTest, FoldersInNameOrderTakingTheDocumentsTheyHold) {
  testing::TempFolder folder;
  fs::create_directories(folder / "books/b");
  for (const char* name : {"books/c.txt", "books/A.TXT", "books/b/z.docx", "books/b/y.odt",
                           "books/a.png", "books/notes", "books/d.doc", "loose.dat"}) {
    folder.Write(name, "text\n");
  }
  const CorpusFiles files = ListCorpusFiles({folder / "loose.dat", folder / "books"});
  EXPECT_THAT(files.files, ElementsAre(folder / "loose.dat", folder / "books/A.TXT",
                                       folder / "books/b/y.odt", folder / "books/b/z.docx",
                                       folder / "books/c.txt", folder / "books/d.doc"));
  EXPECT_TRUE(files.skipped.empty());
}

// Every path that gives nothing is named with its reason; the rest still count.
TEST(CorpusFilesTest, PathsThatGiveNothingAreSkippedByName) {
  testing::TempFolder folder;
  fs::create_directories(folder / "books/inner");
  fs::create_directories(folder / "pictures");
  folder.Write("books/inner/a.txt", "text\n");
  folder.Write("pictures/a.png", "png\n");
  fs::create_directory_symlink(folder / "books", folder / "books/inner/back");
  fs::create_symlink(folder / "books/self", folder / "books/self");
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
  const CorpusFiles files =
      ListCorpusFiles({folder / "books", folder / "missing.txt", folder / "pictures",
                       folder / "pipe"});
  EXPECT_THAT(files.files, ElementsAre(folder / "books/inner/a.txt"));
  std::vector<std::string> reasons;
  for (const SkippedText& skipped : files.skipped) reasons.push_back(skipped.reason);
  EXPECT_THAT(reasons,
              ElementsAre(HasSubstr("“" + folder / "books/inner/back" + "”是指回上层文件夹"),
                          HasSubstr("“" + folder / "books/self" + "”是循环的符号链接"),
                          "“" + folder / "missing.txt" + "”不存在",
                          "文件夹“" + folder / "pictures" + "”中没有可以统计的文档",
                          "“" + folder / "pipe" + "”不是普通文件"));
}

}  // namespace
}  // namespace tarn
