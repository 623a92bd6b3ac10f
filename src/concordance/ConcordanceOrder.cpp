#include "concordance/ConcordanceOrder.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>

namespace tarn {

namespace {

// Joins the words below so that a shorter word, or fewer words, sort first.
constexpr char kSeparator = '\x01';

bool IsWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'';
}

// The words of `context`, lower-cased: runs of ASCII letters, digits and apostrophes, a
// double-byte character being a word of its own, its trail byte never taken for a letter.
std::vector<std::string> WordsOf(std::string_view context) {
  std::vector<std::string> words;
  std::string word;
  const auto finish = [&] {
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (size_t i = 0; i < context.size(); ++i) {
    const auto c = static_cast<unsigned char>(context[i]);
    if (c >= 0x81 && i + 1 < context.size()) {
      finish();
      words.emplace_back(context.substr(i, 2));
      ++i;
    } else if (IsWordByte(c)) {
      word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    } else {
      finish();
    }
  }
  finish();
  return words;
}

std::string Key(std::vector<std::string> words, bool leftwards) {
  if (leftwards) std::reverse(words.begin(), words.end());
  std::string key;
  for (const std::string& word : words) {
    if (!key.empty()) key += kSeparator;
    key += word;
  }
  return key;
}

}  // namespace

std::vector<size_t> OrderOf(const Concordance& found, ConcordanceOrder order) {
  std::vector<size_t> lines(found.Size());
  std::iota(lines.begin(), lines.end(), size_t{0});
  if (order == ConcordanceOrder::kDocument) return lines;
  const bool leftwards = order == ConcordanceOrder::kLeftWords;
  std::vector<std::string> keys;
  keys.reserve(found.Size());
  for (size_t i = 0; i < found.Size(); ++i) {
    keys.push_back(Key(WordsOf(leftwards ? found.Left(i) : found.Right(i)), leftwards));
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
  return lines;
}

}  // namespace tarn
