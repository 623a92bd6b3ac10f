#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "text/Utf8.h"

namespace tarn::bench {

// Calls `visit(bytes)` with each sample novel of the shared corpus.
template <typename Visit>
void ForEachNovel(Visit&& visit) {
  for (const auto& entry : std::filesystem::directory_iterator(TARN_CORPUS_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    visit(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  }
}

// The sample novels of the shared corpus one after the other, as their bytes.
inline std::string CorpusText() {
  std::string corpus;
  ForEachNovel([&](const std::string& novel) { corpus += novel; });
  return corpus;
}

// The same novels all in UTF-8: those in an 8-bit code page have each byte read as Latin-1.
// Any piece of these bytes is decoded alike on its own and inside the whole, which is not so
// for the 8-bit novels: in one file with UTF-8 ones they are read as UTF-8.
inline std::string Utf8CorpusText() {
  std::string corpus;
  ForEachNovel([&](const std::string& novel) {
    if (IsValidUtf8(novel)) {
      corpus += novel;
      return;
    }
    std::u16string latin1(novel.size(), u'\0');
    for (size_t i = 0; i < novel.size(); ++i) latin1[i] = static_cast<unsigned char>(novel[i]);
    corpus += Utf16ToUtf8(latin1);
  });
  return corpus;
}

}  // namespace tarn::bench
