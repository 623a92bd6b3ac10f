#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "wordlists/TextDecoding.h"

namespace tarn {

// Block size of the text file reader: large enough that system calls cost nothing, small
// enough that memory stays flat however big the document is.
inline constexpr size_t kTextBlockSize = size_t{1} << 17;

// Feeds the text file at `path` to `feed` as code page 936 text, block by block and decoded as
// TextDecoder does, so a file of any size is never held whole. When text taken for UTF-8 proves
// not to be, `restart` is called and the file is fed again from its start: `feed` must forget
// what it had. Stops at the first NUL. Returns the encoding found. Throws "Cannot open file ..."
// when the file cannot be opened (nothing fed then) and "Stream read error" when reading fails.
// `read`, when given, hears of every block read, by its size in bytes, and may throw to stop.
// `accept`, when given, sees the first block before anything is fed, read whole (`block_size`
// bytes, or the file when it is shorter); when it returns false the stream stops there, with
// nothing fed.
TextEncoding StreamTextFile(const std::string& path, const TextDecoder::Sink& feed,
                            const std::function<void()>& restart,
                            size_t block_size = kTextBlockSize,
                            const std::function<void(size_t)>& read = {},
                            const std::function<bool(std::string_view)>& accept = {});

}  // namespace tarn
