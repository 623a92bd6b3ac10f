#include "wordlists/TextFileStream.h"

#include <memory>

#include "wordlists/ReadableFile.h"

namespace tarn {

TextEncoding StreamTextFile(const std::string& path, const TextDecoder::Sink& feed,
                            const std::function<void()>& restart, size_t block_size,
                            const std::function<void(size_t)>& read,
                            const std::function<bool(std::string_view)>& accept) {
  ReadableFile file(path);
  const auto block = std::make_unique_for_overwrite<char[]>(block_size);
  TextDecoder decoder(feed);
  bool decoded = true;
  bool first = true;
  // Whether a block shorter than asked for has already met the end of the file, which a further
  // read would only confirm: a corpus reads thousands of files.
  bool ended = false;
  while (!decoder.Ended()) {
    if (!decoded) {
      restart();
      file.Rewind();
      ended = false;
    }
    size_t got = 0;
    if (!ended) {
      got = first && accept ? file.ReadFull(block.get(), block_size)
                            : file.Read(block.get(), block_size);
      ended = got < block_size && ((first && accept) || file.AtSizeRead());
    }
    if (first && accept && !accept(std::string_view(block.get(), got))) break;
    first = false;
    if (read) read(got);
    if (got == 0) {
      decoded = decoder.Finish();
      if (decoded) break;
      continue;
    }
    decoded = decoder.Feed(std::string_view(block.get(), got));
  }
  return decoder.Encoding();
}

}  // namespace tarn
