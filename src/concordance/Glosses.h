#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarn {

// The dict folder's file of Chinese glosses.
inline constexpr const char* kGlossFile = "glosses.txt";

// Chinese glosses of English words as glosses.txt holds them: UTF-8 lines "word<TAB>gloss"
// sorted by word; lines beginning with '#' and lines without a TAB are skipped.
class Glosses {
 public:
  // No glosses: every word's gloss is empty.
  Glosses() = default;

  // The glosses of the file at `path`. A file that is missing, unreadable, not a regular file
  // or too large gives no glosses rather than an error, since everything else works without.
  static Glosses Read(const std::string& path);
  // The glosses of `text`, the content of a gloss file.
  static Glosses Parse(std::string text);

  // The gloss of `word` as UTF-8, or "" when there is none. Keys are lower-case words (the
  // listings' words, a base form), so ASCII capitals in `word` are folded first (Book, book).
  std::string Of(std::string_view word) const;
  // How many words have a gloss.
  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    uint32_t word;  // offsets into text_
    uint32_t word_size;
    uint32_t gloss;
    uint32_t gloss_size;
  };
  std::string_view WordOf(const Entry& entry) const;

  std::string text_;
  std::vector<Entry> entries_;
};

// The glosses of a dict folder, read on first use, so that start-up neither waits for them nor
// depends on them. Safe to use from several threads.
class LazyGlosses {
 public:
  explicit LazyGlosses(std::string dict_folder) : folder_(std::move(dict_folder)) {}

  // The folder's glosses (empty when its gloss file cannot be read), read on the first call.
  const Glosses& Get() const;
  // Get().Of(word).
  std::string Of(std::string_view word) const { return Get().Of(word); }

 private:
  std::string folder_;
  mutable std::once_flag read_;
  mutable Glosses glosses_;
};

}  // namespace tarn
