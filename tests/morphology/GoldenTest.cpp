#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "morphology/ReducerFixture.h"
#include "morphology/pstemming.h"

namespace tarn {
namespace {

struct GoldenRow {
  int line = 0;
  std::string word, stem, root;
};

// The rows of golden.tsv: word, stem, root; '#' lines and blank lines are skipped.
std::vector<GoldenRow> ReadGolden() {
  std::ifstream in(TARN_MORPHOLOGY_GOLDEN);
  std::vector<GoldenRow> rows;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (text.empty() || text[0] == '#') continue;
    GoldenRow row;
    row.line = line;
    std::istringstream fields(text);
    std::getline(fields, row.word, '\t');
    std::getline(fields, row.stem, '\t');
    std::getline(fields, row.root, '\t');
    rows.push_back(row);
  }
  return rows;
}

TEST(Golden, EveryWordGivesItsStemAndRoot) {
  const std::vector<GoldenRow> rows = ReadGolden();
  ASSERT_GT(rows.size(), 200u) << "cannot read " << TARN_MORPHOLOGY_GOLDEN;
  const SmallTables lexicon = GoldenTables();
  std::ostringstream mismatches;
  for (const GoldenRow& row : rows) {
    const std::string stem = StemWord(row.word, lexicon.tables);
    const std::string root = RootWord(row.word, lexicon.tables);
    if (stem != row.stem) {
      mismatches << "line " << row.line << ": StemWord(" << row.word << ") = \"" << stem
                 << "\", expected \"" << row.stem << "\"\n";
    }
    if (root != row.root) {
      mismatches << "line " << row.line << ": RootWord(" << row.word << ") = \"" << root
                 << "\", expected \"" << row.root << "\"\n";
    }
  }
  EXPECT_EQ(mismatches.str(), "");
}

}  // namespace
}  // namespace tarn
