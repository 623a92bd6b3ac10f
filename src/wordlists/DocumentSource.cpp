#include "wordlists/DocumentSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "wordlists/TextFileStream.h"

namespace tarn {

namespace {

// The blocks at either end that the stamp hashes: enough to catch an edit that keeps the size
// and, within the clock's resolution, the time.
constexpr size_t kStampBlock = size_t{1} << 16;

uint64_t Fnv1a(const char* bytes, size_t size, uint64_t hash) {
  for (size_t i = 0; i < size; ++i) {
    hash ^= static_cast<unsigned char>(bytes[i]);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// Reads up to `size` bytes at `offset`; how many it got, or -1 on an error.
ssize_t ReadAt(int fd, char* buffer, size_t size, uint64_t offset) {
  size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, buffer + got, size - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

}  // namespace

std::optional<FileStamp> FileStamp::Of(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<FileStamp> stamp;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    FileStamp found;
    found.size = static_cast<uint64_t>(info.st_size);
    found.modified_ns =
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    found.device = static_cast<uint64_t>(info.st_dev);
    found.inode = static_cast<uint64_t>(info.st_ino);
    const auto block = std::make_unique<char[]>(kStampBlock);
    const ssize_t head = ReadAt(fd, block.get(), kStampBlock, 0);
    if (head >= 0) {
      const uint64_t hash = Fnv1a(block.get(), static_cast<size_t>(head), 0xcbf29ce484222325ULL);
      const uint64_t tail_at = found.size > kStampBlock ? found.size - kStampBlock : 0;
      const ssize_t tail = ReadAt(fd, block.get(), kStampBlock, tail_at);
      if (tail >= 0) {
        found.ends_hash = Fnv1a(block.get(), static_cast<size_t>(tail), hash);
        stamp = found;
      }
    }
  }
  ::close(fd);
  return stamp;
}

DocumentSource DocumentSource::TextFile(std::string path, std::optional<FileStamp> stamp) {
  DocumentSource source;
  source.kind_ = Kind::kFile;
  source.path_ = std::move(path);
  source.stamp_ = stamp;
  return source;
}

DocumentSource DocumentSource::Text(std::string text, bool l_rule) {
  DocumentSource source;
  source.kind_ = Kind::kMemory;
  source.l_rule_ = l_rule;
  // The counter stops at a NUL, so nothing after one is part of the text.
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  source.text_ = std::move(text);
  return source;
}

DocumentSource::Reading DocumentSource::Feed(const TextDecoder::Sink& feed,
                                             const std::function<void()>& restart) const {
  switch (kind_) {
    case Kind::kNone:
      return Reading::kNoText;
    case Kind::kMemory:
      if (!text_.empty()) feed(text_);
      return Reading::kRead;
    case Kind::kFile:
      break;
  }
  if (!stamp_ || FileStamp::Of(path_) != stamp_) return Reading::kChanged;
  StreamTextFile(path_, feed, restart);
  return FileStamp::Of(path_) == stamp_ ? Reading::kRead : Reading::kChanged;
}

}  // namespace tarn
