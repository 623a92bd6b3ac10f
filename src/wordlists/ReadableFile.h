#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/Error.h"

namespace tarn {

// A regular file opened for reading, closed when the object goes.
class ReadableFile {
 public:
  // Opens `path` (a name in bytes, used as given). Throws "Cannot open file ..." when it cannot
  // be opened, is a folder, or is anything but a regular file (a FIFO, a socket, a device), which
  // is refused without waiting for a writer.
  explicit ReadableFile(const std::string& path);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  // The file's size in bytes when it was opened (it may grow while it is read).
  uint64_t Size() const { return size_; }
  // Reads up to `size` bytes into `buffer`; returns how many (0 at the end). Throws
  // "Stream read error".
  size_t Read(char* buffer, size_t size);
  // Reads `size` bytes into `buffer`, fewer only at the end of the file; returns how many.
  size_t ReadFull(char* buffer, size_t size);
  // Whether the bytes read since the start are exactly as many as the file had when it was
  // opened. A file whose size the system knows reads short only at its end, so a short read
  // then needs no further read to confirm the end: a corpus of thousands of small files saves a
  // call a file. A file under /proc says it is empty and yet reads a page at a time, and one that
  // has grown has more to read.
  bool AtSizeRead() const { return position_ == size_; }
  // Goes back to the first byte. Throws "Stream read error" when the file cannot seek.
  void Rewind();

 private:
  // Makes reads wait for their bytes; false when they already did or the file refuses.
  bool StopNonBlocking();

  std::string path_;
  int fd_;
  uint64_t size_ = 0;
  uint64_t position_ = 0;  // bytes read since the first
};

// The first `bytes` bytes of the file at `path`, or all of a shorter one. Throws as ReadableFile
// does.
std::string ReadFileHead(const std::string& path, size_t bytes);

// "Cannot open file "path". reason", for files refused for a reason of the program's own.
Error RefusedFile(std::string_view path, std::string_view reason);

}  // namespace tarn
