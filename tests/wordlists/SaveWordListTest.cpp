#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Error.h"
#include "wordlists/SaveWordList.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using testing::Hex;
using ::testing::IsEmpty;
using testing::ReadBytes;

// Drops the capabilities that let root ignore file permissions, for the calling thread only.
void DropPermissionOverride() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  ::syscall(SYS_capget, &header, data);
  for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
    data[cap / 32].effective &= ~(1u << (cap % 32));
  }
  ::syscall(SYS_capset, &header, data);
}

constexpr SaveSource kTools = SaveSource::kDictionaryTools;
constexpr SaveSource kMain = SaveSource::kMainWindow;
const std::string kBackupFailed = "备份文件不成功！";

std::string DatMessage(size_t count, const std::string& file) {
  return "生成的词典共包含" + std::to_string(count) + "个词！ 生成的词典文件是" + file + "，请查看";
}

class SaveWordListTest : public ::testing::Test {
 protected:
  // Saves `text` under `name` in the folder with filter `filter`.
  void Save(const std::string& name, int filter, const std::string& text, SaveSource source) {
    SaveWordList(port_, DialogChoice{folder_ / name, filter}, text, source);
  }
  // The message of the error that saving throws, or "" when it succeeds.
  std::string SaveError(const std::string& name, int filter, SaveSource source) {
    return testing::ErrorText([&] { Save(name, filter, "apple", source); });
  }

  testing::TempFolder folder_;
  testing::FakeUserPort port_;
};

TEST_F(SaveWordListTest, ToolsTextSaveLowerCasesSplitsAndConfirms) {
  Save("words", 1,
       "Apple\rBOOK\n\xD6\xD0"
       "AB\r\n",
       kTools);
  EXPECT_EQ(ReadBytes(folder_ / "words.txt"),
            "apple\r\nbook\r\n\xD6\xD0"
            "ab\r\n");
  EXPECT_THAT(port_.messages, ElementsAre("保存成功！"));
}

TEST_F(SaveWordListTest, MainTextSaveWritesTheTextAsItIs) {
  Save("words", 1, "Apple   \t3\r", kMain);
  EXPECT_EQ(ReadBytes(folder_ / "words.txt"), "Apple   \t3\r");
  EXPECT_THAT(port_.messages, IsEmpty());
}

TEST_F(SaveWordListTest, DatSaveWritesTheListAndReportsTheCount) {
  Save("words", 2, "Apple\r\nBook", kTools);
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"),
            Hex("02 02 01 06 05 61 70 70 6C 65 06 04 62 6F 6F 6B 00"));
  EXPECT_THAT(port_.messages, ElementsAre(DatMessage(2, folder_ / "words.dat")));

  Save("main", 3, "Apple\r\n  \r\n", kMain);
  EXPECT_EQ(ReadBytes(folder_ / "main.dat"),
            Hex("02 02 01 06 05 41 70 70 6C 65 12 00 00 00 00 00"));
  EXPECT_EQ(port_.messages.back(), DatMessage(2, folder_ / "main.dat"));
  EXPECT_THAT(folder_.Names(), ElementsAre("main.dat", "words.dat"));
}

TEST_F(SaveWordListTest, DatSaveBacksUpTheFileItReplaces) {
  folder_.Write("words.dat", "old");
  folder_.Write("words", "the bare name stays");
  Save("words", 2, "new", kMain);
  EXPECT_EQ(ReadBytes(folder_ / "words.BAK"), "old");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"), Hex("02 01 01 06 03 6E 65 77 00"));
  EXPECT_THAT(folder_.Names(), ElementsAre("words", "words.BAK", "words.dat"));
}

TEST_F(SaveWordListTest, DatExtensionIsAppendedAndTheBackupIsOfTheFileWritten) {
  folder_.Write("words.dat", "typed name");
  folder_.Write("words.dat.dat", "old");
  Save("words.dat", 2, "new", kTools);
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"), "typed name");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat.BAK"), "old");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat.dat"), Hex("02 01 01 06 03 6E 65 77 00"));
  EXPECT_THAT(folder_.Names(), ElementsAre("words.dat", "words.dat.BAK", "words.dat.dat"));
}

TEST_F(SaveWordListTest, BackupStaysInTheFilesFolderForARelativeName) {
  std::filesystem::create_directory(folder_.path() / "here");
  std::filesystem::create_directory(folder_.path() / "sub");
  folder_.Write("sub/words.dat", "old");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path() / "here");
  SaveWordList(port_, DialogChoice{"../sub/words", 2}, "new", kMain);
  std::filesystem::current_path(before);
  EXPECT_EQ(ReadBytes(folder_ / "sub/words.BAK"), "old");
  EXPECT_TRUE(std::filesystem::is_empty(folder_.path() / "here"));
}

TEST_F(SaveWordListTest, FileNamesAreUsedAsBytes) {
  const std::string name = "\xB4\xCA\xB1\xED";  // code page 936, not UTF-8
  Save(name, 1, "a", kTools);
  Save(name, 2, "a", kTools);
  EXPECT_THAT(folder_.Names(), ElementsAre(name + ".dat", name + ".txt"));
}

TEST_F(SaveWordListTest, ToolsGoOnWhenTheBackupNameIsTaken) {
  folder_.Write("words.dat", "old");
  folder_.Write("words.BAK", "older");
  Save("words", 2, "new", kTools);
  EXPECT_EQ(ReadBytes(folder_ / "words.BAK"), "older");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"), Hex("02 01 01 06 03 6E 65 77 00"));
  EXPECT_THAT(port_.messages, ElementsAre(kBackupFailed, DatMessage(1, folder_ / "words.dat")));
  EXPECT_THAT(folder_.Names(), ElementsAre("words.BAK", "words.dat"));
}

TEST_F(SaveWordListTest, MainWindowStopsWhenTheBackupNameIsTaken) {
  folder_.Write("words.dat", "old");
  folder_.Write("words.BAK", "older");
  EXPECT_EQ(SaveError("words", 2, kMain), kBackupFailed);
  EXPECT_EQ(ReadBytes(folder_ / "words.BAK"), "older");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"), "old");
  EXPECT_THAT(port_.messages, IsEmpty());
  EXPECT_THAT(folder_.Names(), ElementsAre("words.BAK", "words.dat"));
}

TEST_F(SaveWordListTest, MissingOrNonFolderChangesNothing) {
  folder_.Write("file", "x");
  for (const SaveSource source : {kTools, kMain}) {
    for (const int filter : {1, 2}) {
      const std::string ext = filter == 1 ? ".txt" : ".dat";
      EXPECT_EQ(SaveError("missing/words", filter, source), "Cannot create file \"" +
                                                                (folder_ / "missing/words") + ext +
                                                                "\". No such file or directory");
      EXPECT_EQ(SaveError("file/words", filter, source),
                "Cannot create file \"" + (folder_ / "file/words") + ext + "\". Not a directory");
    }
  }
  EXPECT_THAT(port_.messages, IsEmpty());
  EXPECT_THAT(folder_.Names(), ElementsAre("file"));
}

TEST_F(SaveWordListTest, UnwritableFolderChangesNothing) {
  folder_.Write("words.dat", "old");
  std::filesystem::permissions(
      folder_.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // Capabilities belong to a thread: one without the permission override obeys the folder's
  // permissions even when the tests run as root.
  bool checked = false;
  std::thread([this, &checked] {
    DropPermissionOverride();
    const std::string probe = folder_ / "probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      ::close(fd);
      ::unlink(probe.c_str());
      return;
    }
    checked = true;
    for (const SaveSource source : {kTools, kMain}) {
      EXPECT_EQ(SaveError("words", 2, source),
                "Cannot create file \"" + (folder_ / "words.dat") + "\". Permission denied");
      EXPECT_EQ(SaveError("words", 1, source),
                "Cannot create file \"" + (folder_ / "words.txt") + "\". Permission denied");
    }
  }).join();
  if (!checked) GTEST_SKIP() << "permissions do not bind";
  EXPECT_THAT(port_.messages, IsEmpty());
  EXPECT_THAT(folder_.Names(), ElementsAre("words.dat"));
}

TEST_F(SaveWordListTest, FailedWriteKeepsTheOldFile) {
  folder_.Write("words.dat", "old");
  // A file size limit makes the system refuse the write part-way.
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limit = saved;
  limit.rlim_cur = 8;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const std::string error = SaveError("words", 2, kTools);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, old_handler);
  // "apple" needs 11 bytes.
  EXPECT_EQ(error, "Stream write error");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"), "old");
  EXPECT_THAT(folder_.Names(), ElementsAre("words.dat"));
}

}  // namespace
}  // namespace tarn
