#pragma once

#include <string>

namespace tarn {

// A file opened for reading, closed when the object goes.
class ReadableFile {
 public:
  // Opens `path` (a name in bytes, used as given). Throws "Cannot open file ..." when it cannot
  // be opened or is a folder.
  explicit ReadableFile(const std::string& path);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  // Reads up to `size` bytes into `buffer`; returns how many (0 at the end). Throws
  // "Stream read error".
  size_t Read(char* buffer, size_t size);
  // Goes back to the first byte. Throws "Stream read error" when the file cannot seek.
  void Rewind();

 private:
  int fd_;
};

}  // namespace tarn
