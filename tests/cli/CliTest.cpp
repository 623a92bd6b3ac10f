#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliPort.h"
#include "cli/CliRun.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/Utf8.h"

namespace tarn::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Keeps what is written and the size of the largest single write.
class PieceRecorder : public std::stringbuf {
 public:
  size_t largest = 0;

 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    largest = std::max(largest, static_cast<size_t>(count));
    return std::stringbuf::xsputn(text, count);
  }
};

// Printed a piece at a time, a text longer than a piece comes out as it does converted whole:
// CR LFs and lone CRs, and double-byte characters, on and around every piece's end. A listing,
// whose lines end with a lone CR, is printed in pieces too.
TEST(CliTest, TheTextViewIsPrintedAsConvertedWholeInPieces) {
  for (const bool lone_crs_only : {false, true}) {
    // Mostly double-byte characters, so that a cut at a fixed place would split one.
    std::string text = "x";
    for (size_t line = 0; text.size() < (size_t{5} << 20); ++line) {
      text += std::string(line % 7, 'a');
      for (size_t i = 0; i < line % 500; ++i) text += "\xD6\xD0";
      text += lone_crs_only || line % 3 == 0 ? "\r" : "\r\n";
    }
    text += "\xD6\xD0 last line without an end\r";
    PieceRecorder recorder;
    std::ostream printed(&recorder);
    WriteUtf8WithLfLineEnds(text, printed);
    const std::string whole = WithLfLineEnds(Cp936ToUtf8(text));
    // Compared without printing megabytes on a failure.
    EXPECT_TRUE(recorder.str() == whole)
        << recorder.str().size() << " bytes against " << whole.size();
    EXPECT_LT(recorder.largest, size_t{2} << 20) << lone_crs_only;
  }
  std::ostringstream empty;
  WriteUtf8WithLfLineEnds("", empty);
  EXPECT_EQ(empty.str(), "");
}

TEST(CliTest, WriteListDatGivesTheExactBytesAndReadListGivesTheWordsBack) {
  testing::TempFolder folder;
  const std::string file = folder / "x.dat";
  const CliRun written = RunWith({"write-list", file, "--form", "dat"}, "apple\nbook\n");
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(testing::ToHex(testing::ReadBytes(file)),
            "02 02 01 06 05 61 70 70 6C 65 06 04 62 6F 6F 6B 00");
  const CliRun read_back = RunWith({"read-list", file});
  EXPECT_EQ(read_back.status, 0);
  EXPECT_EQ(read_back.out, "apple\nbook\n");
  EXPECT_THAT(folder.Names(), ElementsAre("x.dat"));
}

TEST(CliTest, WriteListTextConvertsToTheCodePageWithoutChangingCase) {
  testing::TempFolder folder;
  const std::string file = folder / "list";
  EXPECT_EQ(RunWith({"write-list", "--form", "txt", file}, "Apple\r\n中文\n").status, 0);
  EXPECT_EQ(testing::ReadBytes(file), "Apple\r\n\xD6\xD0\xCE\xC4\r\n");
  EXPECT_EQ(RunWith({"read-list", file}).out, "Apple\n中文\n");
}

TEST(CliTest, ReadListChoosesTheFormByTheLastThreeCharacters) {
  testing::TempFolder folder;
  // A .dat form under a name ending in "DaT" is read as .dat; a text with a UTF-16 mark as text.
  folder.Write("LIST.DaT", testing::Hex("02 01 01 12 02 00 00 00 2D 4E 87 65 00"));
  EXPECT_EQ(RunWith({"read-list", folder / "LIST.DaT"}).out, "中文\n");
  folder.Write("list.txt", testing::Hex("FF FE 61 00 0D 00 0A 00 0D 00 62 00"));
  EXPECT_EQ(RunWith({"read-list", folder / "list.txt"}).out, "a\n\nb\n");
  folder.Write("xdat", "\xD6\xD0\xCE\xC4");  // no dot needed, still the .dat form
  EXPECT_THAT(RunWith({"read-list", folder / "xdat"}).err, HasSubstr("Invalid property value"));
}

TEST(CliTest, ErrorsGoToStandardErrorWithStatusOne) {
  testing::TempFolder folder;
  folder.Write("cut.dat", testing::Hex("02 02 01 06 01 61"));
  const struct {
    std::vector<std::string> args;
    std::string input;
    std::string err;
  } cases[] = {
      {{}, "", "error: no command given; see tarn-cli --help.\n"},
      {{"frobnicate"}, "", "error: unknown command \"frobnicate\"; see tarn-cli --help.\n"},
      {{"read-list"}, "", "error: expected 1 argument, got 0.\n"},
      {{"read-list", folder / "none.txt"},
       "",
       "error: Cannot open file \"" + (folder / "none.txt") + "\". No such file or directory.\n"},
      {{"read-list", folder / "cut.dat"}, "", "error: " + (folder / "cut.dat") + ": Stream read error.\n"},
      {{"write-list", folder / "y.dat"}, "a\n", "error: --form must be txt or dat.\n"},
      {{"write-list", folder / "y.dat", "--form"},
       "a\n",
       "error: option \"--form\" needs a value.\n"},
      {{"write-list", folder / "y.dat", "--form", "dat"},
       "\xD6\xD0\n",
       "error: standard input is not UTF-8 text.\n"},
      {{"write-list", folder / "no/y.dat", "--form", "dat"},
       "a\n",
       "error: Cannot create file \"" + (folder / "no/y.dat") + "\". No such file or directory.\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunWith(c.args, c.input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
  }
  // The partial output of a list that breaks off stays printed.
  EXPECT_EQ(RunWith({"read-list", folder / "cut.dat"}).out, "a\n");
  EXPECT_THAT(folder.Names(), ElementsAre("cut.dat"));
}

// Writes a word list larger than a file size limit that stands in for a full disk (the test's
// own error output stays below it), and exits with tarn-cli's status after printing its errors.
[[noreturn]] void WriteListOnAFullDisk(const std::string& file) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  limit.rlim_cur = limit.rlim_max = 4096;
  setrlimit(RLIMIT_FSIZE, &limit);
  std::string words;
  while (words.size() <= limit.rlim_cur) words += "apple\n";
  const CliRun run = RunWith({"write-list", file, "--form", "txt"}, words);
  std::fputs(run.err.c_str(), stderr);
  std::exit(run.status);
}

TEST(CliTest, AFullDiskNamesTheFileThatCouldNotBeWritten) {
  testing::TempFolder folder;
  const std::string file = folder / "big.dat";
  EXPECT_EXIT(WriteListOnAFullDisk(file), ::testing::ExitedWithCode(1),
              "error: " + file + ": Stream write error\\.");
  EXPECT_THAT(folder.Names(), ::testing::IsEmpty());
}

// A stream buffer that refuses every byte, as standard output does on a full disk.
class RefusingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliTest, OutputThatCannotBeWrittenEndsWithStatusOne) {
  testing::TempFolder folder;
  folder.Write("list.txt", "apple\r\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"read-list", folder / "list.txt"}}) {
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, in, out, err), 1);
    EXPECT_EQ(err.str(), "error: cannot write to standard output.\n");
  }
}

TEST(CliTest, HelpListsEveryCommand) {
  const CliRun help = RunWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, HasSubstr("read-list FILE"));
  EXPECT_THAT(help.out, HasSubstr("write-list FILE --form txt|dat"));
  const CliRun command_help = RunWith({"write-list", "--help"});
  EXPECT_EQ(command_help.status, 0);
  EXPECT_THAT(command_help.out, HasSubstr("usage: tarn-cli write-list FILE --form txt|dat"));
}

}  // namespace
}  // namespace tarn::cli
