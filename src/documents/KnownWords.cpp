#include "documents/KnownWords.h"

#include <algorithm>
#include <utility>

#include "text/AsciiCase.h"
#include "text/Error.h"
#include "wordlists/FileBytes.h"

namespace tarn {

namespace {

// The lists, relative to the dict folder, and whether each line is "word<TAB>gloss" rather
// than a word alone. Each level list holds the levels below it, so the widest two suffice.
struct WordFile {
  const char* name;
  bool glossed;
};
constexpr WordFile kWordFiles[] = {
    {"levels/exam-8-gre.txt", false},
    {"levels/freq-k10.txt", false},
    {"glosses.txt", true},
};

// Adds the words of `text` to `words`: one per line, CR LF or LF, '#' lines being comments.
void AddWords(std::string_view text, bool glossed, std::vector<std::string>& words) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (glossed) line = line.substr(0, line.find('\t'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() != '#') words.push_back(LowerAscii(line));
  }
}

void SortUnique(std::vector<std::string>& words) {
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
}

}  // namespace

KnownWords::KnownWords(std::string dict_folder) : folder_(std::move(dict_folder)) {}

KnownWords::KnownWords(std::vector<std::string> words) : words_(std::move(words)) {
  SortUnique(words_);
  std::call_once(loaded_, [] {});
}

bool KnownWords::Contains(std::string_view lower_word) const {
  std::call_once(loaded_, [this] { Load(); });
  return std::binary_search(words_.begin(), words_.end(), lower_word);
}

void KnownWords::Load() const {
  for (const WordFile& file : kWordFiles) {
    try {
      AddWords(ReadFileBytes(folder_ + "/" + file.name), file.glossed, words_);
    } catch (const Error&) {
      // Joining fewer words is all a missing list costs.
    }
  }
  SortUnique(words_);
}

}  // namespace tarn
