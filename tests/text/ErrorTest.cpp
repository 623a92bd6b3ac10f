#include "text/Error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace tarn {
namespace {

TEST(Error, FullStopRule) {
  EXPECT_EQ(WithFullStop("备份文件不成功！"), "备份文件不成功！.");
  EXPECT_EQ(WithFullStop("Stream read error"), "Stream read error.");
  EXPECT_EQ(WithFullStop("done."), "done.");
  EXPECT_EQ(WithFullStop("count 5"), "count 5.");
  EXPECT_EQ(WithFullStop("why?!"), "why?!");  // "!" sorts before "."
  EXPECT_EQ(WithFullStop(""), "");
}

TEST(Error, TheFirstFileNamedStaysAndTheWindowsMessageIsUnchanged) {
  const auto named = [](auto action) {
    try {
      NamingFile("outer.dat", action);
    } catch (const Error& error) {
      return std::string(error.what()) + " | " + error.file() + " | " + WithFileName(error);
    }
    return std::string("no error");
  };
  EXPECT_EQ(named([] { throw Error("Stream read error"); }),
            "Stream read error | outer.dat | outer.dat: Stream read error");
  EXPECT_EQ(named([] { NamingFile("inner.dat", [] { throw Error("Invalid property value"); }); }),
            "Invalid property value | inner.dat | inner.dat: Invalid property value");
  // A message that already names its file is printed as it is.
  EXPECT_EQ(named([] { throw CannotOpenFile("x.txt", ENOENT); }),
            "Cannot open file \"x.txt\". No such file or directory | x.txt | "
            "Cannot open file \"x.txt\". No such file or directory");
  EXPECT_EQ(NamingFile("f", [] { return 7; }), 7);
}

}  // namespace
}  // namespace tarn
