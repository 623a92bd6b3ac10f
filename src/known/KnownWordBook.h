#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/WordHash.h"

namespace tarn {

class UserPort;

// "我的熟词本": the base forms a learner knows, kept as an ordinary text word list (code page
// 936, CR LF, one base form a line, sorted). It is read on first use; a missing file is created
// empty. Every change is written at once through a temporary file, the version it replaces kept
// beside it as a backup. A file that cannot be used (not a word list, too large, not a regular
// file, unreadable) is reported once and never written: the book is then empty and refuses
// changes, so the program works on without it.
class KnownWordBook {
 public:
  // The book at `path`; problems are reported through `port`, which must outlive the book.
  KnownWordBook(std::string path, UserPort& port);

  // Reads the file now, unless it has been read; what the first use would report is reported.
  void Open() const;

  const std::string& path() const { return path_; }
  // The backup's path: the list's name with ".BAK" in place of ".txt".
  std::string BackupPath() const;
  // Whether the file could be used; after Open.
  bool Usable() const;
  // The known base forms (code page 936), sorted, without repeats.
  const std::vector<std::string>& Words() const;
  // The same words widened, for lookups by WordHash.
  const WordMap<char>& BaseForms() const;
  bool Contains(std::string_view cp936_word) const;

  // Adds `words` (code page 936 base forms; blanks and repeats are skipped) and saves. Returns
  // how many were new. Throws tarn::Error, with the book and the file as they were, when the
  // book cannot be used or the file cannot be written.
  size_t Add(const std::vector<std::string>& words);
  // Removes `words` and saves; returns how many were there. Throws as Add does.
  size_t Remove(const std::vector<std::string>& words);

 private:
  void Load() const;
  // Writes `words` as the new list, the file's present content going to the backup first.
  void Save(std::vector<std::string> words);

  std::string path_;
  UserPort& port_;
  mutable bool opened_ = false;
  mutable std::optional<std::string> problem_;  // why the file cannot be used
  mutable std::vector<std::string> words_;
  mutable std::string saved_bytes_;  // the file's content as last read or written
  mutable std::optional<WordMap<char>> base_forms_;
};

// Why `bytes` is no list of words, or nothing when it is one: every non-blank line must be a
// single word of at most kKnownWordBytes bytes, without blanks or control characters.
std::optional<std::string> WordListProblem(std::string_view bytes);

// The most bytes a known word may have; longer lines are no words.
inline constexpr size_t kKnownWordBytes = 64;
// The most a known-words file may hold: far more than anybody knows (about 1.5 million words).
inline constexpr size_t kKnownWordsByteLimit = size_t{16} << 20;

}  // namespace tarn
