#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "profile/LevelLists.h"
#include "profile/MergedBase.h"
#include "profile/Names.h"
#include "wordtable/Hashtable.h"

namespace tarn {

struct StatisticsState;

// One row of the profile.
struct ProfileRow {
  enum class Kind { kStopWords, kNames, kKnown, kLevel, kBeyond };
  Kind kind;
  std::string label;
  int level = -1;             // the index in LevelLists::Levels() of a level row
  int64_t types = 0;          // distinct base forms (distinct words for stop words and names)
  int64_t tokens = 0;         // running words
  int share_tenths = 0;       // share of all running words, in tenths of a percent
  int cumulative_tenths = 0;  // this row's and the rows' before it
};

// How the running words of the counted document spread over a ladder's levels.
struct VocabularyProfile {
  Ladder ladder = Ladder::kExam;
  int64_t total_words = 0;
  // 功能词, 专有名词, 熟词 (only with known words), the read levels lowest first, 超纲词.
  std::vector<ProfileRow> rows;
  // The lowest level whose cumulative share reaches 95 % and 98 % of the running words; the
  // 超纲词 row's label when no level does.
  std::string coverage95;
  std::string coverage98;
};

// Where the profile puts each counted word: its row's index, or -1 for stop words, which the
// word table no longer holds.
class WordPlacement {
 public:
  // `known`, when given and not empty, holds the base forms the learner knows: a word whose
  // base form is among them is known before it is a name or has a level.
  WordPlacement(const LevelLists& lists, const MergedBase& base, const NameTest& is_name,
                const WordMap<char>* known = nullptr)
      : lists_(lists), base_(base), is_name_(is_name), known_(known) {}

  // The level index (in LevelLists::Levels()) of `word` or of its base form, whichever is
  // lower, with the words' WordHash values at hand; -1 when neither is listed. Names are not
  // asked about.
  int LevelOf(const std::u16string& word, uint64_t hash, const std::u16string& base,
              uint64_t base_hash) const;

  // The base form of the counted `word` (whose WordHash is `hash`) into `base` and its hash
  // into `base_hash`, and LevelOf the two.
  int PlaceWord(const std::u16string& word, uint64_t hash, std::u16string& base,
                uint64_t& base_hash) const;

  // Calls `place(i, hash)` for every i in [first, last), `hash` being the WordHash of
  // items[i]->Key, while what placing the items a few places ahead reads is brought into cache:
  // the word table, the lists and the reducers are far larger than the cache, and a word at a
  // time would wait for each of them in turn. The reducers' part of it works once
  // base().PrepareConcurrentUse() has indexed them.
  template <typename Place>
  void ForEachAhead(const std::vector<const THashItem*>& items, size_t first, size_t last,
                    Place&& place) const {
    constexpr size_t kNodeAhead = 16;
    constexpr size_t kKeyAhead = 8;
    constexpr size_t kHashAhead = 4;
    uint64_t hashes[8];  // a ring, longer than kHashAhead
    const auto hash_ahead = [&](size_t j) {
      const std::u16string& word = items[j]->Key;
      const uint64_t hash = WordHash(word);
      lists_.Prefetch(hash);
      base_.Prefetch(word, hash);
      hashes[j % 8] = hash;
    };
    for (size_t j = first; j < std::min(first + kHashAhead, last); ++j) hash_ahead(j);
    for (size_t i = first; i < last; ++i) {
      if (i + kNodeAhead < last) {
        __builtin_prefetch(items[i + kNodeAhead]);
        __builtin_prefetch(&items[i + kNodeAhead]->Count);
      }
      if (i + kKeyAhead < last) __builtin_prefetch(items[i + kKeyAhead]->Key.data());
      if (i + kHashAhead < last) hash_ahead(i + kHashAhead);
      place(i, hashes[i % 8]);
    }
  }

  // Whether the counted `item` is a name. A name occurs at least twice, so a word counted once
  // is settled without asking the evidence.
  bool IsName(const THashItem& item) const { return item.Count >= 2 && is_name_(item.Key); }

  // Whether there are known words at all.
  bool HasKnown() const { return known_ != nullptr && known_->Size() > 0; }
  // Whether `base` (whose WordHash is `base_hash`) is a known base form.
  bool IsKnownBase(const std::u16string& base, uint64_t base_hash) const {
    return known_ != nullptr && known_->Find(base, base_hash) != nullptr;
  }

  const LevelLists& lists() const { return lists_; }
  const MergedBase& base() const { return base_; }
  const NameTest& is_name() const { return is_name_; }

 private:
  const LevelLists& lists_;
  const MergedBase& base_;
  const NameTest& is_name_;
  const WordMap<char>* known_;
};

// The profile of the document counted into `state` (its word table without stop words, its
// running and stopped counts). Shares are rounded so that they add up to exactly 100.0 %.
VocabularyProfile ComputeProfile(const StatisticsState& state, const WordPlacement& placement);

// The words of `state`'s word table that fall into `row` of `profile`, with their counts.
std::unique_ptr<THashTable> WordsOfRow(const StatisticsState& state, const WordPlacement& placement,
                                       const ProfileRow& row);

// The profile as text, LF after every line: a header, one line per row
// (LABEL TAB TYPES TAB TOKENS TAB PERCENT TAB CUMULATIVE, percentages with one decimal and "%"),
// an empty line and the verdicts "95%" TAB LABEL and "98%" TAB LABEL.
std::string ProfileTable(const VocabularyProfile& profile);

// The share of the running words the learner knows (function words, names and known words),
// in tenths of a percent.
int KnownShareTenths(const VocabularyProfile& profile);
// The sentence that says it: "你已认识全文 85.3% 的词次（功能词、专有名词和熟词）。"
std::string KnownShareSentence(const VocabularyProfile& profile);
// Whether `profile` has a 熟词 row.
bool HasKnownRow(const VocabularyProfile& profile);

// A share in tenths of a percent as text: 1234 gives "123.4%".
std::string PercentText(int tenths);

}  // namespace tarn
