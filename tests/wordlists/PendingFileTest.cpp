#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/ErrorText.h"
#include "support/FakeUserPort.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "wordlists/FileBytes.h"
#include "wordlists/PendingFile.h"
#include "wordlists/SaveWordList.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::ReadBytes;

struct stat StatOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

bool IsLink(const std::string& path) { return S_ISLNK(StatOf(path).st_mode); }

// The pid of a process that has ended (and been reaped).
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

class PendingFileTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
};

TEST_F(PendingFileTest, ALinkedTargetIsWrittenThroughItsLinks) {
  fs::create_directory(folder_.path() / "lists");
  folder_.Write("lists/real.txt", "old");
  fs::create_symlink("lists/real.txt", folder_ / "near");  // relative to the link's folder
  fs::create_symlink(folder_ / "near", folder_ / "far");
  fs::create_symlink("new.txt", folder_ / "lists/dangling");

  WriteFileReplacing(folder_ / "far", "new");
  WriteFileReplacing(folder_ / "lists/dangling", "made");

  EXPECT_TRUE(IsLink(folder_ / "far") && IsLink(folder_ / "near"));
  EXPECT_EQ(ReadBytes(folder_ / "lists/real.txt"), "new");
  EXPECT_TRUE(IsLink(folder_ / "lists/dangling"));
  EXPECT_EQ(ReadBytes(folder_ / "lists/new.txt"), "made");
  EXPECT_THAT(folder_.Names(), ElementsAre("far", "lists", "near"));
  std::set<std::string> in_lists;
  for (const auto& entry : fs::directory_iterator(folder_.path() / "lists")) {
    in_lists.insert(entry.path().filename().string());
  }
  EXPECT_THAT(in_lists, ElementsAre("dangling", "new.txt", "real.txt"));
}

TEST_F(PendingFileTest, ALinkLoopIsRefused) {
  fs::create_symlink("b", folder_ / "a");
  fs::create_symlink("a", folder_ / "b");
  EXPECT_EQ(testing::ErrorText([&] { WriteFileReplacing(folder_ / "a", "x"); }),
            "Cannot create file \"" + (folder_ / "a") + "\". Too many levels of symbolic links");
  EXPECT_THAT(folder_.Names(), ElementsAre("a", "b"));
}

TEST_F(PendingFileTest, TheNewFileKeepsTheOldModeAndOwner) {
  const std::string file = folder_.Write("private.txt", "old");
  ::chmod(file.c_str(), 0600);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
  }

  WriteFileReplacing(file, "new");
  const struct stat info = StatOf(file);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
  }

  const mode_t saved = ::umask(027);
  WriteFileReplacing(folder_ / "fresh.txt", "new");
  ::umask(saved);
  EXPECT_EQ(StatOf(folder_ / "fresh.txt").st_mode & 07777, 0640u);
}

TEST_F(PendingFileTest, DatSaveOverALinkKeepsTheOldListAsTheBackup) {
  const std::string real = folder_.Write("real.dat", "old");
  ::chmod(real.c_str(), 0600);
  fs::create_symlink("real.dat", folder_ / "words.dat");
  testing::FakeUserPort port;
  SaveWordList(port, DialogChoice{folder_ / "words", 2}, "new", SaveSource::kMainWindow);

  // The link itself becomes the backup, so the old list stays reachable under it.
  EXPECT_TRUE(IsLink(folder_ / "words.BAK"));
  EXPECT_EQ(ReadBytes(folder_ / "words.BAK"), "old");
  EXPECT_EQ(ReadBytes(folder_ / "words.dat"), testing::Hex("02 01 01 06 03 6E 65 77 00"));
  EXPECT_EQ(StatOf(folder_ / "words.dat").st_mode & 07777, 0600u);
  EXPECT_THAT(folder_.Names(), ElementsAre("real.dat", "words.BAK", "words.dat"));

  fs::create_symlink("real.dat", folder_ / "words.txt");
  SaveWordList(port, DialogChoice{folder_ / "words", 1}, "text", SaveSource::kMainWindow);
  EXPECT_TRUE(IsLink(folder_ / "words.txt"));
  EXPECT_EQ(ReadBytes(real), "text");
}

TEST_F(PendingFileTest, ASignalWhileWritingRemovesTheTemporaryFile) {
  const std::string file = folder_.Write("words.txt", "old");
  for (const int signal_number : {SIGINT, SIGTERM}) {
    const pid_t child = ::fork();
    if (child == 0) {
      PendingFile pending(file, "new");
      ::raise(signal_number);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    // The process still ends by the signal, as it would without the clean-up.
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << status;
    EXPECT_THAT(folder_.Names(), ElementsAre("words.txt")) << signal_number;
  }
  EXPECT_EQ(ReadBytes(file), "old");
}

TEST_F(PendingFileTest, AnIgnoredSignalStaysIgnored) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGINT, SIG_IGN);
    PendingFile pending(folder_ / "words.txt", "new");
    ::raise(SIGINT);
    pending.Commit();
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadBytes(folder_ / "words.txt"), "new");
}

TEST_F(PendingFileTest, AStaleTemporaryFileOfTheSameNameIsRemoved) {
  const std::string dead = std::to_string(DeadPid());
  const std::string live = std::to_string(::getpid());
  const std::string stale = "words.txt.~" + dead + "-0-17.tmp";
  const std::string kept[] = {
      "words.txt.~" + live + "-0-17.tmp",  // its process still runs
      "other.txt.~" + dead + "-0-17.tmp",  // another list's
      "words.txt.~" + dead + "-x-17.tmp",  // not a name a save makes
      "words.txt.~" + dead + "-0-17.tmp.txt",
  };
  folder_.Write(stale, "left by a killed save");
  for (const std::string& name : kept) folder_.Write(name, "x");

  WriteFileReplacing(folder_ / "words.txt", "new");

  EXPECT_FALSE(fs::exists(folder_ / stale));
  for (const std::string& name : kept) EXPECT_TRUE(fs::exists(folder_ / name)) << name;
  EXPECT_EQ(ReadBytes(folder_ / "words.txt"), "new");
}

}  // namespace
}  // namespace tarn
