#include "corpus/CorpusFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "documents/DocumentKinds.h"

namespace tarn {

namespace {

namespace fs = std::filesystem;

// A folder by its device and inode, the same however it was reached.
using FolderId = std::pair<dev_t, ino_t>;

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

// Whether the file at `path`, met in a folder, is a document.
bool IsDocument(const std::string& path) {
  return KindClaimingName(path).has_value() || KindOfDocument(path) != DocumentKind::kText;
}

class Walk {
 public:
  explicit Walk(CorpusFiles& out) : out_(out) {}

  void Given(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
      SkipFailed(path, errno);
    } else if (S_ISDIR(info.st_mode)) {
      const size_t before = out_.files.size();
      Folder(path, info);
      if (out_.files.size() == before) {
        Skip(path, "文件夹" + Quoted(path) + "中没有可以统计的文档");
      }
    } else if (S_ISREG(info.st_mode)) {
      out_.files.push_back(path);
    } else {
      Skip(path, Quoted(path) + "不是普通文件");
    }
  }

 private:
  void Folder(const std::string& path, const struct stat& info) {
    const FolderId id{info.st_dev, info.st_ino};
    if (std::find(open_.begin(), open_.end(), id) != open_.end()) {
      Skip(path, Quoted(path) + "是指回上层文件夹的符号链接（循环）");
      return;
    }
    std::error_code failed;
    std::vector<std::string> names;
    for (fs::directory_iterator it(path, failed), end; !failed && it != end; it.increment(failed)) {
      names.push_back(it->path().filename().string());
    }
    if (failed) {
      Skip(path, "无法读取文件夹" + Quoted(path) + "：" + failed.message());
      return;
    }
    std::sort(names.begin(), names.end());
    open_.push_back(id);
    for (const std::string& name : names) Entry((fs::path(path) / name).string());
    open_.pop_back();
  }

  void Entry(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
      SkipFailed(path, errno);
    } else if (S_ISDIR(info.st_mode)) {
      Folder(path, info);
    } else if (S_ISREG(info.st_mode) && IsDocument(path)) {
      out_.files.push_back(path);
    }
  }

  void SkipFailed(const std::string& path, int error_number) {
    switch (error_number) {
      case ENOENT:
        Skip(path, Quoted(path) + "不存在");
        break;
      case ELOOP:
        Skip(path, Quoted(path) + "是循环的符号链接");
        break;
      default:
        Skip(path, "无法读取" + Quoted(path) + "：" + std::strerror(error_number));
    }
  }

  void Skip(const std::string& path, std::string reason) {
    out_.skipped.push_back({path, std::move(reason)});
  }

  CorpusFiles& out_;
  // The folders being walked, outermost first.
  std::vector<FolderId> open_;
};

}  // namespace

CorpusFiles ListCorpusFiles(const std::vector<std::string>& paths) {
  CorpusFiles out;
  Walk walk(out);
  for (const std::string& path : paths) walk.Given(path);
  return out;
}

}  // namespace tarn
