#pragma once

#include <string>
#include <string_view>

namespace tarn {

// A file's new content, written completely to a temporary file beside the target before the
// target is touched. Commit renames it into place; otherwise the destructor removes it.
class PendingFile {
 public:
  // Writes `bytes` to a new temporary file in the folder of `path`. Throws
  // "Cannot create file "path". ..." when it cannot be created, "Stream write error" when
  // writing fails (the temporary file is removed).
  PendingFile(std::string path, std::string_view bytes);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Renames the temporary file to the target, replacing any file there. Throws
  // "Cannot create file ..." when the rename fails.
  void Commit();

 private:
  std::string path_;
  std::string temp_path_;
};

}  // namespace tarn
