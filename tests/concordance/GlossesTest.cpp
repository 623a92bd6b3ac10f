#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "concordance/Glosses.h"
#include "support/TempFolder.h"

namespace tarn {
namespace {

// A gloss file as the generator writes it, with the slips an edited copy may have.
constexpr const char* kFile =
    "# word<TAB>gloss, UTF-8\n"
    "book\tn. 书，书籍；v. 预订\n"
    "go\tv. 去，走\r\n"  // a line end an editor left
    "notab line\n"
    "\tno word\n"
    "zoo\tn. 动物园\n"
    "apple\tn. 苹果\n"  // out of order
    "apple\tn. 另一个\n"
    "the\tart. 那";  // no final line end

TEST(GlossesTest, LooksUpWordsOfAnEditedFile) {
  const Glosses glosses = Glosses::Parse(kFile);
  EXPECT_EQ(glosses.size(), 6u);
  const struct {
    const char* word;
    const char* gloss;
  } cases[] = {
      {"book", "n. 书，书籍；v. 预订"},
      {"Book", "n. 书，书籍；v. 预订"},  // capitals fold: the search box may hold them
      {"BOOK", "n. 书，书籍；v. 预订"},
      {"go", "v. 去，走"},   // CR removed
      {"apple", "n. 苹果"},  // sorted in, the first line of a word wins
      {"zoo", "n. 动物园"},
      {"the", "art. 那"},
      {"books", ""},  // forms have no entry: callers look up the base form
      {"boo", ""},
      {"", ""},
      {"notab line", ""},
      {"# word<TAB>gloss, UTF-8", ""},
      {"书", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(glosses.Of(c.word), c.gloss) << c.word;
}

TEST(GlossesTest, NoReadableFileGivesEmptyGlossesWithoutAnError) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "a-folder");
  for (const std::string& path : {folder / "missing.txt", folder / "a-folder"}) {
    Glosses glosses;
    EXPECT_NO_THROW(glosses = Glosses::Read(path)) << path;
    EXPECT_EQ(glosses.size(), 0u) << path;
    EXPECT_EQ(glosses.Of("book"), "") << path;
  }
  EXPECT_EQ(Glosses::Parse("").size(), 0u);
}

TEST(GlossesTest, LazyGlossesReadTheDictFolderOnFirstUse) {
  testing::TempFolder folder;
  const LazyGlosses lazy(folder.path().string());
  folder.Write(kGlossFile, kFile);  // written after the object: nothing was read yet
  std::vector<std::thread> threads;
  std::vector<std::string> seen(4);
  for (std::string& gloss : seen) threads.emplace_back([&lazy, &gloss] { gloss = lazy.Of("zoo"); });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(seen, std::vector<std::string>(4, "n. 动物园"));

  const LazyGlosses none((folder / "no-such-dict"));
  EXPECT_EQ(none.Of("book"), "");
  EXPECT_EQ(none.Get().size(), 0u);
}

}  // namespace
}  // namespace tarn
