#include "concordance/ViewForms.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <unordered_map>

#include "morphology/pstemming.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Trim.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

// A word as the table gives it back from Keys(): what survives the round trip through UTF-16.
std::string AsKey(const std::string& word) {
  const bool ascii = std::all_of(word.begin(), word.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? word : Utf16ToCp936(Cp936ToUtf16(word));
}

// Follows the counts of a table's keys as a fold moves them: each key holds a group of the
// original words, and moving a key onto another joins their groups.
class FoldTrace {
 public:
  explicit FoldTrace(std::vector<std::string> words)
      : words_(std::move(words)), parent_(words_.size()) {
    std::iota(parent_.begin(), parent_.end(), 0);
    holder_.reserve(words_.size());
    for (uint32_t i = 0; i < words_.size(); ++i) holder_.emplace(words_[i], i);
  }

  // What the fold does when it adds `from`'s count to `to` and deletes `from`.
  void Move(const std::string& from, const std::string& to) {
    const auto found = holder_.find(from);
    if (found == holder_.end()) return;
    const uint32_t group = found->second;
    holder_.erase(found);
    const auto [there, created] = holder_.try_emplace(to, group);
    if (!created) parent_[group] = there->second;
  }
  // Lays out the original words by the key that holds their counts, those of keys that `drop`
  // takes out left out: the words of a key lie in `grouped` from its range's start to its end.
  void Group(const std::function<bool(const std::string&)>& drop, std::vector<uint32_t>& grouped,
             std::unordered_map<std::string, std::pair<uint32_t, uint32_t>>& groups) {
    std::vector<uint32_t> sizes(words_.size() + 1, 0);
    std::vector<uint32_t> roots(words_.size());
    for (uint32_t i = 0; i < words_.size(); ++i) ++sizes[roots[i] = Root(i)];
    std::vector<uint32_t> starts(words_.size() + 1, 0);
    for (uint32_t g = 0; g < words_.size(); ++g) starts[g + 1] = starts[g] + sizes[g];
    grouped.resize(words_.size());
    std::vector<uint32_t> next(starts.begin(), starts.end() - 1);
    for (uint32_t i = 0; i < words_.size(); ++i) grouped[next[roots[i]]++] = i;
    groups.reserve(holder_.size());
    for (const auto& [key, group] : holder_) {
      if (!drop(key)) groups.emplace(key, std::make_pair(starts[group], starts[group + 1]));
    }
  }
  std::vector<std::string> TakeWords() && { return std::move(words_); }

 private:
  uint32_t Root(uint32_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }

  std::vector<std::string> words_;
  std::vector<uint32_t> parent_;
  std::unordered_map<std::string, uint32_t> holder_;
};

}  // namespace

ViewFolding::ViewFolding(const StatisticsState& state, const Lexicon& lexicon, FormScope scope)
    : scope_(scope) {
  if (scope == FormScope::kWordAlone) return;
  const bool filtered = scope == FormScope::kFilteredMerged;
  // The view's own table operations give the order in which the fold takes the keys; the
  // trace follows where each counted word's count goes.
  std::unique_ptr<THashTable> table = state.WordTable->Clone();
  if (filtered) table->Subtract(*lexicon.FilterWords);
  table->Subtract(*lexicon.StopWords);
  FoldTrace trace(table->Keys());
  const std::vector<std::string>& pairs = lexicon.IrregularPairs;
  for (size_t i = 0; i + 1 < pairs.size(); i += 2) {
    const std::string variant = AsKey(pairs[i]);
    const std::string base = AsKey(pairs[i + 1]);
    if (variant != base) trace.Move(variant, base);
  }
  table->MergePairs(pairs);
  const ReducerTables reducers = lexicon.Reducers();
  for (const std::string& listed : table->Keys()) {
    const std::string reduced = StemWord(listed, reducers);
    if (reduced == listed || IsBlankText(std::string_view(reduced))) continue;
    trace.Move(listed, AsKey(reduced));
  }
  // The filtered view takes the filter words out again once merged.
  trace.Group(
      [&](const std::string& key) {
        return filtered && lexicon.FilterWords->Contains(Cp936ToUtf16(key));
      },
      grouped_, groups_);
  words_ = std::move(trace).TakeWords();
}

std::vector<std::string> ViewFolding::FormsOf(std::string_view word) const {
  std::string key = LowerAscii(word);
  if (scope_ != FormScope::kWordAlone) {
    const auto found = groups_.find(key);
    if (found != groups_.end()) {
      std::vector<std::string> forms;
      for (uint32_t i = found->second.first; i < found->second.second; ++i) {
        forms.push_back(words_[grouped_[i]]);
      }
      std::sort(forms.begin(), forms.end());
      return forms;
    }
  }
  return {std::move(key)};
}

std::vector<std::string> FormsOf(const StatisticsState& state, const Lexicon& lexicon,
                                 FormScope scope, std::string_view word) {
  if (scope == FormScope::kWordAlone) return {LowerAscii(word)};
  return ViewFolding(state, lexicon, scope).FormsOf(word);
}

}  // namespace tarn
