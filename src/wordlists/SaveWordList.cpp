#include "wordlists/SaveWordList.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "text/AsciiCase.h"
#include "text/Error.h"
#include "text/Lines.h"
#include "wordlists/DatEncoder.h"
#include "wordlists/PendingFile.h"

namespace tarn {

namespace {

constexpr std::string_view kBackupFailed = "备份文件不成功！";

// Renames `file` (which ends in ".dat") to the same name with ".BAK" in place of its extension,
// in its own folder; fails rather than replace an existing backup.
bool RenameToBackup(const std::string& file) {
  const std::string backup = file.substr(0, file.size() - 4) + ".BAK";
  if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, backup.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without the no-replace rename: a hard link fails when the name exists.
  if (::link(file.c_str(), backup.c_str()) != 0) return false;
  return ::unlink(file.c_str()) == 0;
}

bool Exists(const std::string& file) {
  struct stat info {};
  return ::lstat(file.c_str(), &info) == 0;
}

}  // namespace

void SaveWordList(UserPort& port, const DialogChoice& choice, std::string_view text,
                  SaveSource source) {
  const bool tools = source == SaveSource::kDictionaryTools;
  const std::string source_text = tools ? LowerAscii(text) : std::string(text);

  if (choice.filter_index == 1) {
    const std::string bytes =
        tools ? JoinLines(SplitLines(std::string_view(source_text))) : source_text;
    PendingFile(choice.file_name + ".txt", bytes).Commit();
    if (tools) port.ShowMessage("保存成功！");
    return;
  }

  const std::string file = choice.file_name + ".dat";
  const std::vector<std::string> lines = SplitLines(std::string_view(source_text));
  // The new content is complete on disk before the old file is moved aside. A linked list is
  // moved aside as the link, so the new file takes the link's place instead of writing
  // through it over the content the backup should keep.
  const bool replaces = Exists(file);
  PendingFile pending(file, EncodeDat(lines),
                      replaces ? LinkedTarget::kReplace : LinkedTarget::kFollow);
  if (replaces && !RenameToBackup(file)) {
    if (!tools) throw Error(std::string(kBackupFailed));
    port.ShowMessage(std::string(kBackupFailed));
  }
  pending.Commit();
  port.ShowMessage("生成的词典共包含" + std::to_string(lines.size()) + "个词！ 生成的词典文件是" +
                   file + "，请查看");
}

}  // namespace tarn
