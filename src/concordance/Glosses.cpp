#include "concordance/Glosses.h"

#include <algorithm>
#include <limits>

#include "text/Error.h"
#include "wordlists/FileBytes.h"

namespace tarn {

Glosses Glosses::Read(const std::string& path) {
  std::string text;
  try {
    text = ReadFileBytes(path);
  } catch (const Error&) {
    return Glosses();
  }
  return Parse(std::move(text));
}

Glosses Glosses::Parse(std::string text) {
  Glosses glosses;
  // The offsets are 32-bit; the byte limit of a read file keeps far below that.
  if (text.size() >= std::numeric_limits<uint32_t>::max()) return glosses;
  glosses.text_ = std::move(text);
  const std::string_view all = glosses.text_;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t tab = line.find('\t');
    if (!line.empty() && line.front() != '#' && tab != std::string_view::npos && tab > 0) {
      glosses.entries_.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(tab),
                                  static_cast<uint32_t>(start + tab + 1),
                                  static_cast<uint32_t>(line.size() - tab - 1)});
    }
    start = end + 1;
  }
  const auto by_word = [&glosses](const Entry& a, const Entry& b) {
    return glosses.WordOf(a) < glosses.WordOf(b);
  };
  // The generator writes the file sorted; an edited copy is sorted here, the first line of a
  // word keeping its place before any later one.
  if (!std::is_sorted(glosses.entries_.begin(), glosses.entries_.end(), by_word)) {
    std::stable_sort(glosses.entries_.begin(), glosses.entries_.end(), by_word);
  }
  return glosses;
}

std::string_view Glosses::WordOf(const Entry& entry) const {
  return std::string_view(text_).substr(entry.word, entry.word_size);
}

std::string Glosses::Of(std::string_view word) const {
  std::string key(word);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  const auto found = std::lower_bound(
      entries_.begin(), entries_.end(), key,
      [this](const Entry& entry, const std::string& k) { return WordOf(entry) < k; });
  if (found == entries_.end() || WordOf(*found) != key) return std::string();
  return text_.substr(found->gloss, found->gloss_size);
}

const Glosses& LazyGlosses::Get() const {
  std::call_once(read_, [this] { glosses_ = Glosses::Read(folder_ + "/" + kGlossFile); });
  return glosses_;
}

}  // namespace tarn
