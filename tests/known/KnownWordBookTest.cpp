#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "known/KnownWordBook.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ReadBytes;

class KnownWordBookTest : public ::testing::Test {
 protected:
  std::string ListPath() const { return folder_ / "tarn/list.txt"; }
  // What the file is before and after `attempt`, which must leave it alone: its bytes when it
  // is a regular file (reading a FIFO would wait for a writer), its kind otherwise.
  std::string Content() const {
    const auto status = std::filesystem::symlink_status(ListPath());
    if (status.type() != std::filesystem::file_type::regular) {
      return "kind " + std::to_string(static_cast<int>(status.type()));
    }
    return ReadBytes(ListPath());
  }
  void ExpectUntouched(const std::function<void()>& attempt) {
    const std::string before = Content();
    attempt();
    EXPECT_EQ(Content(), before);
  }

  testing::TempFolder folder_;
  testing::FakeUserPort port_;
};

TEST_F(KnownWordBookTest, AMissingListIsCreatedEmptyAndChangesSurviveARestart) {
  {
    KnownWordBook book(ListPath(), port_);
    EXPECT_THAT(book.Words(), IsEmpty());
    EXPECT_TRUE(std::filesystem::is_regular_file(ListPath()));
    EXPECT_EQ(book.Add({"zebra", "apple", "apple", " ", "mango"}), 3u);
    EXPECT_EQ(book.Remove({"mango", "kiwi"}), 1u);
    EXPECT_EQ(book.Add({"apple"}), 0u);
  }
  // An ordinary text word list, sorted.
  EXPECT_EQ(ReadBytes(ListPath()), "apple\r\nzebra\r\n");
  KnownWordBook restarted(ListPath(), port_);
  EXPECT_THAT(restarted.Words(), ElementsAre("apple", "zebra"));
  EXPECT_TRUE(restarted.Contains("zebra"));
  EXPECT_FALSE(restarted.Contains("mango"));
  EXPECT_NE(restarted.BaseForms().Find(u"apple"), nullptr);
  EXPECT_THAT(port_.messages, IsEmpty());
}

TEST_F(KnownWordBookTest, EveryChangeKeepsThePreviousVersionAsTheBackup) {
  KnownWordBook book(ListPath(), port_);
  book.Add({"one"});
  book.Add({"two"});
  EXPECT_EQ(book.BackupPath(), folder_ / "tarn/list.BAK");
  EXPECT_EQ(ReadBytes(book.BackupPath()), "one\r\n");
  book.Remove({"one"});
  EXPECT_EQ(ReadBytes(book.BackupPath()), "one\r\ntwo\r\n");
  EXPECT_EQ(ReadBytes(ListPath()), "two\r\n");
  EXPECT_THAT(folder_.Names(), ElementsAre("tarn"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "tarn"), {}), 2);
}

// A file that cannot be used: the learner is told which and why, the file stays as it was,
// the book is empty and refuses changes.
struct UnusableCase {
  const char* name;
  std::function<void(const std::string& path)> make;
  const char* reason;
};

class UnusableListTest : public KnownWordBookTest,
                         public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableListTest, IsReportedLeftAloneAndNotUsed) {
  std::filesystem::create_directories(folder_ / "tarn");
  GetParam().make(ListPath());
  KnownWordBook book(ListPath(), port_);
  ExpectUntouched([&] {
    EXPECT_THAT(book.Words(), IsEmpty());
    EXPECT_FALSE(book.Usable());
    try {
      book.Add({"apple"});
      ADD_FAILURE() << "a change was accepted";
    } catch (const Error& error) {
      EXPECT_THAT(error.what(), HasSubstr("没有更改"));
    }
  });
  ASSERT_EQ(port_.messages.size(), 1u);
  EXPECT_THAT(port_.messages[0], HasSubstr("无法使用熟词本“" + ListPath() + "”"));
  EXPECT_THAT(port_.messages[0], HasSubstr(GetParam().reason));
  EXPECT_FALSE(std::filesystem::exists(book.BackupPath()));
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnusableListTest,
    ::testing::Values(
        UnusableCase{"Binary",
                     [](const std::string& path) {
                       WriteBytes(path, std::string("PK\x03\x04\0\0word", 10));
                     },
                     "不是文本词表"},
        UnusableCase{"Prose",
                     [](const std::string& path) {
                       WriteBytes(path, "apple\r\nIt was a dark and stormy night.\r\n");
                     },
                     "第2行不是一个单词"},
        UnusableCase{"Huge",
                     [](const std::string& path) {
                       WriteBytes(path, "apple\r\n");
                       std::filesystem::resize_file(path, kKnownWordsByteLimit + 1);
                     },
                     "File is larger than 16 MiB"},
        UnusableCase{"Fifo", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); },
                     "Not a regular file"},
        UnusableCase{"Folder",
                     [](const std::string& path) { std::filesystem::create_directory(path); },
                     "Cannot open file"}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs `attempt` as an unprivileged user when the tests run as root, for whom no folder is
// read-only.
void AsUnprivileged(const std::function<void()>& attempt) {
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::seteuid(65534), 0);
  }
  attempt();
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }
}

TEST_F(KnownWordBookTest, AReadOnlyFolderKeepsTheListAndRefusesTheChange) {
  {
    KnownWordBook book(ListPath(), port_);
    book.Add({"apple"});
  }
  std::filesystem::permissions(folder_.path(), std::filesystem::perms(0755));
  std::filesystem::permissions(ListPath(), std::filesystem::perms(0644));
  std::filesystem::permissions(folder_ / "tarn", std::filesystem::perms(0555));
  KnownWordBook book(ListPath(), port_);
  AsUnprivileged([&] {
    ExpectUntouched([&] {
      EXPECT_THAT(book.Words(), ElementsAre("apple"));
      try {
        book.Add({"pear"});
        ADD_FAILURE() << "the change was saved";
      } catch (const Error& error) {
        EXPECT_THAT(error.what(), HasSubstr("没有保存"));
        EXPECT_THAT(error.what(), HasSubstr("Permission denied"));
      }
      EXPECT_THAT(book.Words(), ElementsAre("apple"));
    });
  });
  std::filesystem::permissions(folder_ / "tarn", std::filesystem::perms(0755));
  // The list and the backup of its first version, no temporary file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "tarn"), {}), 2);
}

TEST_F(KnownWordBookTest, AListThatCannotBeCreatedIsReportedAndChangesAreRefused) {
  std::filesystem::permissions(folder_.path(), std::filesystem::perms(0555));
  KnownWordBook book(ListPath(), port_);
  AsUnprivileged([&] {
    EXPECT_THAT(book.Words(), IsEmpty());
    EXPECT_THROW(book.Add({"pear"}), Error);
  });
  std::filesystem::permissions(folder_.path(), std::filesystem::perms(0755));
  ASSERT_EQ(port_.messages.size(), 1u);
  EXPECT_THAT(port_.messages[0], HasSubstr("无法创建熟词本“" + ListPath() + "”"));
  EXPECT_THAT(folder_.Names(), IsEmpty());
}

TEST_F(KnownWordBookTest, AFullDiskKeepsTheListAndRefusesTheChange) {
  KnownWordBook book(ListPath(), port_);
  book.Add({"apple"});
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limit = saved;
  limit.rlim_cur = 8;  // "apple\r\n" fits, "apple\r\npear\r\n" does not
  ::setrlimit(RLIMIT_FSIZE, &limit);
  ExpectUntouched([&] {
    try {
      book.Add({"pear"});
      ADD_FAILURE() << "the change was saved";
    } catch (const Error& error) {
      EXPECT_THAT(error.what(), HasSubstr("Stream write error"));
    }
  });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, old_handler);
  EXPECT_THAT(book.Words(), ElementsAre("apple"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "tarn"), {}), 2);
}

TEST(WordListProblemTest, TellsWordsFromOtherText) {
  EXPECT_EQ(WordListProblem(""), std::nullopt);
  EXPECT_EQ(WordListProblem("apple\r\n\r\n  don't \r\nwell-known\n中文\r\n"), std::nullopt);
  EXPECT_NE(WordListProblem("two words\r\n"), std::nullopt);
  EXPECT_NE(WordListProblem(std::string(kKnownWordBytes + 1, 'a')), std::nullopt);
  EXPECT_NE(WordListProblem("a\x01"
                            "b\r\n"),
            std::nullopt);
}

}  // namespace
}  // namespace tarn
