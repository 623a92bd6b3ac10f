#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/AnalysisFixture.h"
#include "analysis/AnalysisViews.h"
#include "analysis/MainSession.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/ViewForms.h"
#include "morphology/DictFixture.h"
#include "support/FakeUserPort.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using testing::Listed;
using testing::ListedWord;

int64_t CountOf(const THashTable& table, const std::string& word) {
  const THashItem* item = table.Find(Cp936ToUtf16(word));
  return item == nullptr ? 0 : item->Count;
}

// The bundled sample counted with the shipped tables: every word of both merged views must
// stand for forms whose counts add up to the count the view shows, and the concordance must
// give exactly that many lines, each holding one of the forms.
TEST(ViewFormsTest, MergedFormsAddUpToTheViewsCountsOnTheSample) {
  testing::FakeUserPort port;
  MainSession session(port);
  session.LoadLexicon(TARN_SOURCE_DIR "/data/dict");
  ASSERT_TRUE(session.CountFile(TARN_SOURCE_DIR "/data/samples/sherlock.txt"));
  const StatisticsState& state = session.State();
  for (const FormScope scope : {FormScope::kMerged, FormScope::kFilteredMerged}) {
    AnalysisViews views(session.State(), session.Words(), port);
    scope == FormScope::kMerged ? views.ShowMerged() : views.ShowFilteredMerged();
    const ViewFolding folding(state, session.Words(), scope);
    int64_t folded_away = 0;
    state.SnapshotTable().ForEach([&](const THashItem& item) {
      const std::string base = Utf16ToCp936(item.Key);
      int64_t sum = 0;
      for (const std::string& form : folding.FormsOf(base)) sum += CountOf(*state.WordTable, form);
      EXPECT_EQ(sum, item.Count) << base;
      folded_away += sum;
    });
    EXPECT_EQ(folded_away, state.SnapshotTable().TotalCount());

    // The concordance of the view's first words (see among them in the merged view; it is a
    // filter word) has as many lines as the view counts, each a form of the word.
    const std::vector<ListedWord> listed = Listed(state.text_view);
    ASSERT_GT(listed.size(), 20u);
    for (size_t i = 0; i < 20; ++i) {
      const auto& [word, count] = listed[i];
      const std::optional<Concordance> lines = ConcordanceCommands(session).Find(word, scope, 30);
      ASSERT_TRUE(lines);
      EXPECT_EQ(static_cast<int64_t>(lines->Size()), count) << word;
      const std::vector<std::string> forms = folding.FormsOf(word);
      for (size_t line = 0; line < lines->Size(); ++line) {
        EXPECT_THAT(forms, ::testing::Contains(LowerAscii(lines->Occurrence(line))));
      }
    }
    if (scope == FormScope::kMerged) {
      EXPECT_THAT(folding.FormsOf("See"),
                  ::testing::IsSupersetOf({"see", "saw", "seen", "seeing", "sees"}));
    }
  }
}

// Keys are folded in the table's order, and a listed key passes on what it received, so a form
// may end under another base than its own StemWord. A small table shows the trace follows it.
TEST(ViewFormsTest, FollowsPairsAndFoldingAsTheViewDoes) {
  testing::TempFolder folder;
  testing::FakeUserPort port;
  MainSession session(port);
  session.LoadLexicon(testing::WriteDict(
      folder, {{"walk"}, {"went", "go", "gone", "go", "goes", "go"}, {}, {}, {}, {"the"}}));
  const std::string text = "the walked walks walk went go gone goes going talked\r\n";
  ASSERT_TRUE(session.CountFile(folder.Write("a.txt", text)));
  const StatisticsState& state = session.State();
  const ViewFolding merged(state, session.Words(), FormScope::kMerged);
  EXPECT_THAT(merged.FormsOf("go"), ElementsAre("go", "goes", "going", "gone", "went"));
  EXPECT_THAT(merged.FormsOf("WALK"), ElementsAre("walk", "walked", "walks"));
  // Words the view does not list stand for themselves.
  EXPECT_THAT(merged.FormsOf("went"), ElementsAre("went"));
  EXPECT_THAT(merged.FormsOf("the"), ElementsAre("the"));
  const ViewFolding filtered(state, session.Words(), FormScope::kFilteredMerged);
  EXPECT_THAT(filtered.FormsOf("walk"), ElementsAre("walk"));  // a filter word: not listed
  EXPECT_THAT(filtered.FormsOf("talk"), ElementsAre("talked"));
  EXPECT_THAT(ViewFolding(state, session.Words(), FormScope::kWordAlone).FormsOf("Go"),
              ElementsAre("go"));
}

}  // namespace
}  // namespace tarn
