#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "support/ErrorText.h"
#include "support/TempFolder.h"
#include "wordlists/DatFile.h"
#include "wordlists/FileBytes.h"
#include "wordlists/TextFileStream.h"
#include "wordlists/TextWordList.h"
#include "wordlists/WordTableLoading.h"
#include "wordtable/Hashtable.h"

namespace tarn {
namespace {

// Every reader of a named file, as the commands call it: open counts through the stream, paste
// and help read the bytes, read-list and the dict tables read both list forms, load-filter
// fills a table.
struct Reader {
  const char* name;
  std::function<void(const std::string&)> read;
};

const Reader kReaders[] = {
    {"StreamTextFile",
     [](const std::string& path) {
       StreamTextFile(
           path, [](std::string_view) {}, [] {});
     }},
    {"ReadFileBytes", [](const std::string& path) { ReadFileBytes(path); }},
    {"ReadTextLines", [](const std::string& path) { ReadTextLines(path); }},
    {"ReadMarkedText", [](const std::string& path) { ReadMarkedText(path); }},
    {"ReadDatFile", [](const std::string& path) { ReadDatFile(path, [](std::u16string&&) {}); }},
    {"LoadDatList", [](const std::string& path) { LoadDatList(path); }},
    {"LoadFromText",
     [](const std::string& path) {
       THashTable table;
       LoadFromText(table, path);
     }},
};

class FileReadingTest : public ::testing::Test {
 protected:
  // A reader that blocks would hang the suite; the alarm ends the test program instead.
  void SetUp() override { ::alarm(20); }
  void TearDown() override { ::alarm(0); }

  testing::TempFolder folder_;
};

TEST_F(FileReadingTest, AnythingButARegularFileIsRefusedWithoutWaiting) {
  const std::string fifo = folder_ / "words.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const Reader& reader : kReaders) {
    for (const std::string& path : {fifo, std::string("/dev/null")}) {
      EXPECT_EQ(testing::ErrorText([&] { reader.read(path); }),
                "Cannot open file \"" + path + "\". Not a regular file")
          << reader.name << " " << path;
    }
    EXPECT_EQ(testing::ErrorText([&] { reader.read(folder_ / ""); }),
              "Cannot open file \"" + (folder_ / "") + "\". Is a directory")
        << reader.name;
  }
}

TEST_F(FileReadingTest, WordListsOverTheLimitAreRefusedBeforeReading) {
  // A sparse file: its size is known at once, without writing the bytes.
  const std::string big = folder_.Write("big.dat", "");
  std::filesystem::resize_file(big, kWordListByteLimit + 1);
  for (const Reader& reader : kReaders) {
    if (std::string_view(reader.name) == "StreamTextFile") continue;  // documents have no limit
    EXPECT_EQ(testing::ErrorText([&] { reader.read(big); }),
              "Cannot open file \"" + big + "\". File is larger than 64 MiB")
        << reader.name;
  }

  std::filesystem::resize_file(big, kWordListByteLimit);
  EXPECT_EQ(ReadTextLines(big).size(), 0u);  // a NUL ends the text
}

TEST_F(FileReadingTest, TheLimitHoldsWhileReading) {
  struct Case {
    std::string path;
    size_t limit;
    std::string error;
  };
  const std::string seventeen = folder_.Write("17", "0123456789abcdefg");
  // Files under /proc say they are empty and yet have content, as a file still growing does.
  const Case cases[] = {
      {seventeen, 17, ""},
      {seventeen, 16, "Cannot open file \"" + seventeen + "\". File is larger than 16 bytes"},
      {"/proc/self/status", 16,
       "Cannot open file \"/proc/self/status\". File is larger than 16 bytes"},
      {"/proc/self/status", kWordListByteLimit, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(testing::ErrorText([&] { ReadFileBytes(c.path, c.limit); }), c.error)
        << c.path << " " << c.limit;
  }
  EXPECT_EQ(ReadFileBytes(seventeen, 17), "0123456789abcdefg");
}

// A file that says it is empty yet has content reads short long before its end: files under
// /proc give a page or so a read. Such a file is read to its end, not to its first short read.
TEST_F(FileReadingTest, AFileLargerThanItSaysIsReadToItsEnd) {
  const std::string smaps = "/proc/self/smaps";
  ASSERT_EQ(std::filesystem::file_size(smaps), 0u);
  size_t streamed = 0;
  StreamTextFile(
      smaps, [&streamed](std::string_view text) { streamed += text.size(); }, [] {});
  // A few dozen mappings of some twenty lines each: many pages, where one read gives one.
  EXPECT_GT(streamed, size_t{3 * 4096});
}

}  // namespace
}  // namespace tarn
