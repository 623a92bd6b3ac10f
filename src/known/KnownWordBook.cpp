#include "known/KnownWordBook.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

#include "text/CodePage936.h"
#include "text/Error.h"
#include "text/Lines.h"
#include "text/Trim.h"
#include "wordlists/FileBytes.h"
#include "wordlists/PendingFile.h"
#include "wordlists/UserPort.h"

namespace tarn {

namespace {

bool IsWordByte(unsigned char byte) { return byte > 0x20 && byte != 0x7F; }

// Sorts `words` and drops repeats; a list as the book writes it is sorted already.
void SortUnique(std::vector<std::string>& words) {
  if (!std::is_sorted(words.begin(), words.end())) std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
}

// The words of the text word list `bytes` (lines broken at CR LF, CR or LF, trimmed, blank
// ones skipped) into `words`, or why it is no list of words.
std::optional<std::string> ParseWordList(std::string_view bytes, std::vector<std::string>* words) {
  if (bytes.find('\0') != std::string_view::npos) return "文件含有二进制数据，不是文本词表";
  size_t number = 0;
  size_t at = 0;
  while (at < bytes.size()) {
    const size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
    ++number;
    const std::string_view word = TrimView<char>(bytes.substr(at, end - at));
    if (word.size() > kKnownWordBytes ||
        !std::all_of(word.begin(), word.end(), [](char c) { return IsWordByte(c); })) {
      return "第" + std::to_string(number) + "行不是一个单词，这不是词表";
    }
    if (!word.empty() && words != nullptr) words->emplace_back(word);
    at = end;
    if (at < bytes.size() && bytes[at] == '\r') ++at;
    if (at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WordListProblem(std::string_view bytes) {
  return ParseWordList(bytes, nullptr);
}

KnownWordBook::KnownWordBook(std::string path, UserPort& port)
    : path_(std::move(path)), port_(port) {}

std::string KnownWordBook::BackupPath() const {
  const std::filesystem::path path(path_);
  return (path.parent_path() / path.stem()).string() + ".BAK";
}

void KnownWordBook::Open() const {
  if (!opened_) Load();
}

bool KnownWordBook::Usable() const {
  Open();
  return !problem_;
}

const std::vector<std::string>& KnownWordBook::Words() const {
  Open();
  return words_;
}

const WordMap<char>& KnownWordBook::BaseForms() const {
  if (!base_forms_) {
    WordMap<char>& forms = base_forms_.emplace();
    for (const std::string& word : Words()) forms.Add(Cp936ToUtf16(word), 1);
  }
  return *base_forms_;
}

bool KnownWordBook::Contains(std::string_view cp936_word) const {
  const std::vector<std::string>& words = Words();
  return std::binary_search(words.begin(), words.end(), cp936_word);
}

void KnownWordBook::Load() const {
  opened_ = true;
  struct stat info {};
  if (::lstat(path_.c_str(), &info) != 0 && errno == ENOENT) {
    // First use: an empty list, so that the dictionary tools can open it at once.
    try {
      std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
      WriteFileReplacing(path_, "");
    } catch (const std::exception& error) {
      port_.ShowMessage("无法创建熟词本“" + path_ + "”：" + error.what() +
                        "\n熟词本暂时为空，更改将无法保存。");
    }
    return;
  }
  try {
    std::string bytes = ReadFileBytes(path_, kKnownWordsByteLimit);
    std::vector<std::string> words;
    words.reserve(bytes.size() / 8);
    if (const auto problem = ParseWordList(bytes, &words)) throw Error(*problem);
    SortUnique(words);
    words_ = std::move(words);
    saved_bytes_ = std::move(bytes);
  } catch (const Error& error) {
    problem_ = error.what();
    words_.clear();
    port_.ShowMessage("无法使用熟词本“" + path_ + "”：" + *problem_ +
                      "\n文件保持原样，本次不使用熟词本。");
  }
}

size_t KnownWordBook::Add(const std::vector<std::string>& words) {
  std::vector<std::string> all = Words();
  const size_t before = all.size();
  for (const std::string& word : words) {
    const std::string_view trimmed = TrimView<char>(word);
    if (!trimmed.empty()) all.emplace_back(trimmed);
  }
  // The known words are sorted already: only the new ones need sorting.
  const auto added_from = all.begin() + static_cast<std::ptrdiff_t>(before);
  std::sort(added_from, all.end());
  std::inplace_merge(all.begin(), added_from, all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  const size_t added = all.size() - before;
  if (added > 0) Save(std::move(all));
  return added;
}

size_t KnownWordBook::Remove(const std::vector<std::string>& words) {
  const std::set<std::string> gone(words.begin(), words.end());
  std::vector<std::string> kept;
  for (const std::string& word : Words()) {
    if (!gone.contains(word)) kept.push_back(word);
  }
  const size_t removed = words_.size() - kept.size();
  if (removed > 0) Save(std::move(kept));
  return removed;
}

void KnownWordBook::Save(std::vector<std::string> words) {
  if (problem_) {
    throw Error("熟词本“" + path_ + "”无法使用（" + *problem_ + "），没有更改", path_);
  }
  const std::string bytes = JoinLines(words);
  try {
    // The new list is complete on disk before the backup or the list is touched.
    PendingFile pending(path_, bytes);
    WriteFileReplacing(BackupPath(), saved_bytes_);
    pending.Commit();
  } catch (const Error& error) {
    throw Error("熟词本“" + path_ + "”没有保存，没有更改：" + std::string(error.what()), path_);
  }
  words_ = std::move(words);
  saved_bytes_ = bytes;
  base_forms_.reset();
}

}  // namespace tarn
