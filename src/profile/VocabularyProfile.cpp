#include "profile/VocabularyProfile.h"

#include <algorithm>
#include <numeric>

#include "analysis/StatisticsState.h"
#include "profile/BaseFormRows.h"
#include "profile/MergedBase.h"
#include "profile/TwoHalves.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

constexpr char kStopWordsLabel[] = "功能词";
constexpr char kNamesLabel[] = "专有名词";
constexpr char kKnownLabel[] = "熟词";
constexpr char kBeyondLabel[] = "超纲词";

// The rows of a profile over `lists`, and which row each counted word belongs to.
class RowLayout {
 public:
  RowLayout(const WordPlacement& placement) : placement_(placement) {
    rows_.push_back({ProfileRow::Kind::kStopWords, kStopWordsLabel});
    rows_.push_back({ProfileRow::Kind::kNames, kNamesLabel});
    if (placement.HasKnown()) {
      known_row_ = rows_.size();
      rows_.push_back({ProfileRow::Kind::kKnown, kKnownLabel});
    }
    const auto& levels = placement.lists().Levels();
    row_of_level_.assign(levels.size(), -1);
    for (size_t i = 0; i < levels.size(); ++i) {
      if (!levels[i].read) continue;  // a list that could not be read leaves its level out
      row_of_level_[i] = static_cast<int>(rows_.size());
      ProfileRow& row = rows_.emplace_back(
          ProfileRow{ProfileRow::Kind::kLevel, std::string(levels[i].definition->label)});
      row.level = static_cast<int>(i);
    }
    rows_.push_back({ProfileRow::Kind::kBeyond, kBeyondLabel});
  }

  std::vector<ProfileRow>& Rows() { return rows_; }
  size_t RowCount() const { return rows_.size(); }

  // The row of the counted `item`, whose key's WordHash is `hash`, and in `base` what it is
  // counted as: the word itself for a name, its base form otherwise.
  size_t RowOf(const THashItem& item, uint64_t hash, std::u16string& base,
               uint64_t& base_hash) const {
    const std::u16string& word = item.Key;
    if (known_row_ != 0) {
      // What the learner knows goes first, names included.
      placement_.base().Of(word, hash, base, base_hash);
      if (placement_.IsKnownBase(base, base_hash)) return known_row_;
    }
    if (placement_.IsName(item)) {
      base = word;
      base_hash = hash;
      return 1;
    }
    const int level = known_row_ != 0 ? placement_.LevelOf(word, hash, base, base_hash)
                                      : placement_.PlaceWord(word, hash, base, base_hash);
    return level < 0 ? rows_.size() - 1 : static_cast<size_t>(row_of_level_[level]);
  }

 private:
  const WordPlacement& placement_;
  size_t known_row_ = 0;  // 0 without known words
  std::vector<ProfileRow> rows_;
  std::vector<int> row_of_level_;
};

// The running words and base forms that a part of the word table adds to each row.
struct PlacedPart {
  std::vector<int64_t> tokens;
  BaseFormRows bases{0};

  void Add(PlacedPart&& other) {
    for (size_t row = 0; row < tokens.size(); ++row) tokens[row] += other.tokens[row];
    bases.Merge(std::move(other.bases));
  }
};

// Places the items [first, last) of `items`.
PlacedPart PlaceItems(const RowLayout& layout, const WordPlacement& placement,
                      const std::vector<const THashItem*>& items, size_t first, size_t last) {
  PlacedPart part{std::vector<int64_t>(layout.RowCount(), 0), BaseFormRows(last - first)};
  std::u16string base;
  uint64_t base_hash = 0;
  placement.ForEachAhead(items, first, last, [&](size_t i, uint64_t hash) {
    const THashItem& item = *items[i];
    if (item.Count == 0) return;
    const size_t row = layout.RowOf(item, hash, base, base_hash);
    part.tokens[row] += item.Count;
    part.bases.Add(base_hash, static_cast<int>(row));
  });
  part.bases.Sort();
  return part;
}

// Shares of `total` in tenths of a percent that add up to exactly 1000: each share rounded
// down, then the tenths left over go to the largest remainders, earlier rows first on ties.
void RoundShares(std::vector<ProfileRow>& rows, int64_t total) {
  if (total <= 0) return;
  std::vector<int64_t> remainders(rows.size());
  int64_t given = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int64_t scaled = rows[i].tokens * 1000;
    rows[i].share_tenths = static_cast<int>(scaled / total);
    remainders[i] = scaled % total;
    given += rows[i].share_tenths;
  }
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&remainders](size_t a, size_t b) { return remainders[a] > remainders[b]; });
  for (size_t k = 0; given < 1000 && k < order.size(); ++k, ++given) {
    ++rows[order[k]].share_tenths;
  }
}

// The label of the lowest level whose running words, with those of every row before it, make
// at least `percent` of `total`.
std::string Coverage(const std::vector<ProfileRow>& rows, int64_t total, int percent) {
  int64_t known = 0;
  for (const ProfileRow& row : rows) {
    known += row.tokens;
    if ((row.kind == ProfileRow::Kind::kLevel || row.kind == ProfileRow::Kind::kBeyond) &&
        known * 100 >= total * percent) {
      return row.label;
    }
  }
  return kBeyondLabel;
}

}  // namespace

int WordPlacement::LevelOf(const std::u16string& word, uint64_t hash, const std::u16string& base,
                           uint64_t base_hash) const {
  const int own = lists_.LevelOf(word, hash);
  const int of_base = base_hash == hash && base == word ? -1 : lists_.LevelOf(base, base_hash);
  if (own < 0) return of_base;
  if (of_base < 0) return own;
  return std::min(own, of_base);
}

int WordPlacement::PlaceWord(const std::u16string& word, uint64_t hash, std::u16string& base,
                             uint64_t& base_hash) const {
  base_.Of(word, hash, base, base_hash);
  return LevelOf(word, hash, base, base_hash);
}

VocabularyProfile ComputeProfile(const StatisticsState& state, const WordPlacement& placement) {
  RowLayout layout(placement);
  std::vector<ProfileRow>& rows = layout.Rows();
  placement.base().PrepareConcurrentUse();
  // The two halves of the table's chains are gathered and placed side by side; the rows only
  // add up.
  const THashTable& table = *state.WordTable;
  PlacedPart parts[2];
  OnTwoHalves(static_cast<size_t>(table.BucketCount()),
              [&](size_t part, size_t first, size_t last) {
                const std::vector<const THashItem*> items =
                    table.ItemsOfChains(static_cast<int32_t>(first), static_cast<int32_t>(last));
                parts[part] = PlaceItems(layout, placement, items, 0, items.size());
              });
  PlacedPart& all = parts[0];
  all.Add(std::move(parts[1]));
  int64_t counted = 0;
  for (size_t row = 0; row < rows.size(); ++row) {
    rows[row].tokens = all.tokens[row];
    counted += all.tokens[row];
  }
  const std::vector<int64_t> types = all.bases.CountPerRow(rows.size());
  for (size_t row = 1; row < rows.size(); ++row) rows[row].types = types[row];
  rows[0].types = state.StoppedDistinct;
  rows[0].tokens = state.TotalWords - counted;

  VocabularyProfile profile;
  profile.ladder = placement.lists().ladder();
  profile.total_words = state.TotalWords;
  RoundShares(rows, state.TotalWords);
  int cumulative = 0;
  for (ProfileRow& row : rows) {
    cumulative += row.share_tenths;
    row.cumulative_tenths = cumulative;
  }
  profile.coverage95 = Coverage(rows, state.TotalWords, 95);
  profile.coverage98 = Coverage(rows, state.TotalWords, 98);
  profile.rows = std::move(rows);
  return profile;
}

std::unique_ptr<THashTable> WordsOfRow(const StatisticsState& state, const WordPlacement& placement,
                                       const ProfileRow& row) {
  RowLayout layout(placement);
  const std::vector<ProfileRow>& rows = layout.Rows();
  auto words = std::make_unique<THashTable>(256);
  std::u16string base;
  uint64_t base_hash;
  state.WordTable->ForEach([&](const THashItem& item) {
    if (item.Count == 0) return;
    const ProfileRow& own = rows[layout.RowOf(item, WordHash(item.Key), base, base_hash)];
    if (own.kind == row.kind && own.level == row.level) words->AddCount(item.Key, item.Count);
  });
  return words;
}

bool HasKnownRow(const VocabularyProfile& profile) {
  return std::any_of(profile.rows.begin(), profile.rows.end(),
                     [](const ProfileRow& row) { return row.kind == ProfileRow::Kind::kKnown; });
}

int KnownShareTenths(const VocabularyProfile& profile) {
  int tenths = 0;
  for (const ProfileRow& row : profile.rows) {
    if (row.kind == ProfileRow::Kind::kStopWords || row.kind == ProfileRow::Kind::kNames ||
        row.kind == ProfileRow::Kind::kKnown) {
      tenths += row.share_tenths;
    }
  }
  return tenths;
}

std::string KnownShareSentence(const VocabularyProfile& profile) {
  return "你已认识全文 " + PercentText(KnownShareTenths(profile)) +
         " 的词次（功能词、专有名词和熟词）。";
}

std::string PercentText(int tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::string ProfileTable(const VocabularyProfile& profile) {
  std::string text = "等级\t不同词数\t词次\t比例\t累计比例\n";
  for (const ProfileRow& row : profile.rows) {
    text += row.label + '\t' + std::to_string(row.types) + '\t' + std::to_string(row.tokens) +
            '\t' + PercentText(row.share_tenths) + '\t' + PercentText(row.cumulative_tenths) + '\n';
  }
  text += "\n95%\t" + profile.coverage95 + "\n98%\t" + profile.coverage98 + '\n';
  if (HasKnownRow(profile)) text += KnownShareSentence(profile) + '\n';
  return text;
}

}  // namespace tarn
