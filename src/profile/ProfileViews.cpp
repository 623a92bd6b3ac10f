#include "profile/ProfileViews.h"

#include "analysis/DocumentGuard.h"
#include "analysis/StatisticsState.h"
#include "analysis/TableFolding.h"
#include "analysis/ViewOutput.h"
#include "morphology/Lexicon.h"
#include "profile/MergedBase.h"
#include "profile/TwoHalves.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// One flag for each item of the chains [first, last) of `words`, in traversal order: whether it
// stays for the merge, being no name, no non-word and not listed up to `level`.
std::vector<char> KeptOfChains(const THashTable& words, size_t first, size_t last,
                               const WordPlacement& placement, const NonWordTest& is_non_word,
                               int level) {
  const std::vector<const THashItem*> items =
      words.ItemsOfChains(static_cast<int32_t>(first), static_cast<int32_t>(last));
  std::vector<char> kept(items.size(), 0);
  std::u16string base;
  uint64_t base_hash = 0;
  placement.ForEachAhead(items, 0, items.size(), [&](size_t i, uint64_t hash) {
    const std::u16string& word = items[i]->Key;
    if (placement.IsName(*items[i]) || is_non_word(word)) return;
    const int own = placement.PlaceWord(word, hash, base, base_hash);
    kept[i] = (own < 0 || own > level) && !placement.IsKnownBase(base, base_hash);
  });
  return kept;
}

}  // namespace

void ShowBeyondView(StatisticsState& state, const Lexicon& lexicon, UserPort& port,
                    const WordPlacement& placement, const NonWordTest& is_non_word, int level) {
  if (!RequireDocument(state, port)) return;
  // What the learner is taken to know or knows, and what is no vocabulary, goes before the
  // merge...
  placement.base().PrepareConcurrentUse();
  // Each half of the chains is gathered and placed on a thread of its own.
  const THashTable& words = *state.WordTable;
  std::vector<char> kept_parts[2];
  OnTwoHalves(static_cast<size_t>(words.BucketCount()),
              [&](size_t part, size_t first, size_t last) {
                kept_parts[part] = KeptOfChains(words, first, last, placement, is_non_word, level);
              });
  std::vector<char>& kept = kept_parts[0];
  kept.insert(kept.end(), kept_parts[1].begin(), kept_parts[1].end());
  std::unique_ptr<THashTable> table = words.CloneKept(kept);
  table->MergePairs(lexicon.IrregularPairs);
  const ReducerTables tables = lexicon.Reducers();
  FoldTable(*table, [&tables](std::string_view word) { return StemWord(word, tables); });
  // ...and base forms that the fold made and that a list or the known words hold or that are
  // names of the document themselves (americans folds into the name american) go after it.
  std::vector<std::u16string> known_bases;
  table->ForEach([&](const THashItem& item) {
    const int own = placement.lists().LevelOf(item.Key);
    if ((own >= 0 && own <= level) || placement.is_name()(item.Key) ||
        placement.IsKnownBase(item.Key, WordHash(item.Key))) {
      known_bases.push_back(item.Key);
    }
  });
  for (const std::u16string& base : known_bases) table->Delete(base);
  const std::string label(placement.lists().Levels()[static_cast<size_t>(level)].definition->label);
  ShowSortedView(state, port, *table, "超出" + label + "的生词总数：",
                 "超出" + label + "的不同生词数：");
}

void ShowNamesView(StatisticsState& state, UserPort& port, const WordPlacement& placement) {
  if (!RequireDocument(state, port)) return;
  std::unique_ptr<THashTable> names =
      WordsOfRow(state, placement, ProfileRow{ProfileRow::Kind::kNames, ""});
  ShowSortedView(state, port, *names, "该文档专有名词总数：", "该文档不同专有名词数：");
}

void ShowRowView(StatisticsState& state, UserPort& port, const WordPlacement& placement,
                 const ProfileRow& row) {
  if (!RequireDocument(state, port)) return;
  std::unique_ptr<THashTable> words = WordsOfRow(state, placement, row);
  ShowSortedView(state, port, *words, row.label + "单词总数：", row.label + "不同单词数：");
}

}  // namespace tarn
