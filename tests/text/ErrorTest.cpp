#include "text/Error.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarn
