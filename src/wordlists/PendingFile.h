#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "wordlists/SignalCleanup.h"

namespace tarn {

// Where a save writes when its name is a symbolic link.
enum class LinkedTarget {
  kFollow,   // to the file the links lead to; the links stay
  kReplace,  // in the link's place (the old file has been moved aside first)
};

// A file's new content, written completely to a temporary file beside the target before the
// target is touched. Commit renames it into place; otherwise the destructor removes it, as
// does SIGINT, SIGTERM or SIGHUP (see TempFileMark). The new file takes the mode and, where
// permitted, the owner of the file it replaces; a new name gets 0666 less the umask.
class PendingFile {
 public:
  // Writes `bytes` to a new temporary file in the folder of the target (see LinkedTarget),
  // first removing temporary files of the same name that killed processes left there. Throws
  // "Cannot create file "path". ..." when it cannot be created, "Stream write error" when
  // writing fails (the temporary file is removed).
  PendingFile(std::string path, std::string_view bytes,
              LinkedTarget linked = LinkedTarget::kFollow);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Renames the temporary file to the target, replacing any file there. Throws
  // "Cannot create file ..." when the rename fails.
  void Commit();

 private:
  std::string path_;
  std::string target_;
  std::string temp_path_;
  std::optional<TempFileMark> mark_;
};

}  // namespace tarn
