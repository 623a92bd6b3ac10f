#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tarn::bench {

// The sample novels of the shared corpus one after the other, as their bytes.
inline std::string CorpusText() {
  std::string corpus;
  for (const auto& entry : std::filesystem::directory_iterator(TARN_CORPUS_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    corpus.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return corpus;
}

}  // namespace tarn::bench
