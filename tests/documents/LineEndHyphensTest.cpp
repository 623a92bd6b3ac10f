#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "documents/LineEndHyphens.h"
#include "support/TempFolder.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Joined(const std::vector<std::string>& lines, const KnownWords* words) {
  std::vector<std::string> out;
  LineEndHyphens hyphens(words, [&out](std::string_view line) { out.emplace_back(line); });
  for (const std::string& line : lines) hyphens.Add(line);
  hyphens.Finish();
  return out;
}

TEST(LineEndHyphensTest, JoinsOnlyWhatMakesAKnownWord) {
  const KnownWords words(std::vector<std::string>{"representatives", "information", "todo"});
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> joined;
  };
  const std::vector<Case> cases = {
      {"the second half moves up with its comma",
       {"the represen-", "tatives, who met"},
       {"the representatives,", "who met"}},
      {"an unknown whole keeps the hyphen and the break",
       {"the well-", "known hall"},
       {"the well-", "known hall"}},
      {"case is no bar", {"INFORMA-", "TION desk"}, {"INFORMATION", "desk"}},
      {"a line that was only the second half goes",
       {"represen-", "tatives", "next"},
       {"representatives", "next"}},
      {"what is left may end in a split word again",
       {"represen-", "tatives infor-", "mation"},
       {"representatives", "information"}},
      {"not after another hyphen", {"well-to-", "do"}, {"well-to-", "do"}},
      {"not after a digit", {"4to-", "do"}, {"4to-", "do"}},
      {"not into a double-byte character",
       {"\xB0\x61"
        "to-",
        "do"},  // 啊 followed by "to-"; its trail byte is an ASCII letter
       {"\xB0\x61"
        "to-",
        "do"}},
      {"a hyphen alone splits nothing", {"-", "todo"}, {"-", "todo"}},
      {"an empty line between stops the join",
       {"represen-", "", "tatives"},
       {"represen-", "", "tatives"}},
      {"the last line may end in a hyphen", {"the represen-"}, {"the represen-"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Joined(c.lines, &words), c.joined) << c.name;
  EXPECT_THAT(Joined({"represen-", "tatives"}, nullptr), ElementsAre("represen-", "tatives"));
}

TEST(KnownWordsTest, ReadsTheWidestListsAndTheGlossHeadwordsOnFirstUse) {
  testing::TempFolder folder;
  const KnownWords words(folder.path().string());
  // Nothing is read until the first lookup, so files written now count.
  std::filesystem::create_directories(folder.path() / "levels");
  folder.Write("levels/exam-8-gre.txt", "get\r\nRepresentatives\r\n");
  folder.Write("levels/freq-k10.txt", "make\nmade\n");
  folder.Write("glosses.txt", "# word<TAB>gloss\ninformation\tn. 信息\nwell known\tadj. 著名的\n");
  folder.Write("levels/exam-1-zk.txt", "narrower\r\n");
  for (const char* word : {"get", "representatives", "made", "information", "well known"}) {
    EXPECT_TRUE(words.Contains(word)) << word;
  }
  for (const char* word : {"Get", "narrower", "# word<tab>gloss", "n. 信息", ""}) {
    EXPECT_FALSE(words.Contains(word)) << word;
  }
  // A folder without the lists knows no words, and says so only by that.
  EXPECT_FALSE(KnownWords(folder / "missing").Contains("get"));
}

}  // namespace
}  // namespace tarn
