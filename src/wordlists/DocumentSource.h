#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "wordlists/TextDecoding.h"

namespace tarn {

// What identifies a file's content cheaply: its size, modification time, inode and a hash of
// its first and last blocks. Two equal stamps are taken to mean an unchanged file.
struct FileStamp {
  uint64_t size = 0;
  int64_t modified_ns = 0;
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t ends_hash = 0;

  bool operator==(const FileStamp&) const = default;

  // The stamp of the regular file at `path`; nothing when it cannot be opened or read.
  static std::optional<FileStamp> Of(const std::string& path);
};

// Where the text of the last counted document can be had again, exactly as the counter saw it
// (code page 936, lines ending in CR LF, nothing after a NUL). A text file is not held: its
// name and stamp are kept and the file is read again through the same decoding. The clipboard's
// text and a converted document's text, which are small, are kept whole.
class DocumentSource {
 public:
  // How reading the text again went.
  enum class Reading {
    kRead,     // the whole text was fed
    kNoText,   // no counting run has kept a text
    kChanged,  // the file is not the one that was counted (changed, moved or gone)
  };

  // No text: before the first counting run.
  DocumentSource() = default;

  // A text file about to be counted, stamped before the counting reads it (a file changed
  // while it is counted then reads as changed). `stamp` empty means the file could not be
  // stamped, and it will read as changed.
  static DocumentSource TextFile(std::string path, std::optional<FileStamp> stamp);
  // Text held in memory; `l_rule` says whether its run applied the "'l" rule.
  static DocumentSource Text(std::string text, bool l_rule);

  // Whether a counting run has kept a text.
  bool HasText() const { return kind_ != Kind::kNone; }
  // Whether the run that counted the text applied the "'l" rule (the file run did).
  bool LRule() const { return l_rule_; }
  // The counted file's name; empty for text held in memory.
  const std::string& Path() const { return path_; }

  // Feeds the text to `feed` in pieces; `restart` as StreamTextFile calls it (feed forgets what
  // it had). A file is checked against its stamp before and after it is read: kChanged means
  // that what was fed, if anything, must be thrown away. A file that cannot be read any more
  // also gives kChanged; other read errors are thrown.
  Reading Feed(const TextDecoder::Sink& feed, const std::function<void()>& restart) const;

 private:
  enum class Kind { kNone, kFile, kMemory };

  Kind kind_ = Kind::kNone;
  bool l_rule_ = true;
  std::string path_;
  std::optional<FileStamp> stamp_;
  std::string text_;
};

}  // namespace tarn
