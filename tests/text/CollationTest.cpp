#include "text/Collation.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(Collation, IgnoresCaseAndPutsPrefixesFirst) {
  EXPECT_EQ(CompareTextIgnoreCase(u"Apple", u"apple"), 0);
  EXPECT_LT(CompareTextIgnoreCase(u"abc", u"abcd"), 0);
  EXPECT_LT(CompareTextIgnoreCase(u"apple", u"Banana"), 0);
  EXPECT_LT(CompareTextIgnoreCase(u"abc \t3", u"abcd\t1"), 0);
  EXPECT_EQ(CompareTextIgnoreCase(std::string_view("WALK"), std::string_view("walk")), 0);
}

TEST(Collation, KeysOrderLikeTheComparison) {
  EXPECT_EQ(CollationKey(u"Walk"), CollationKey(u"walk"));
  EXPECT_LT(CollationKey(u"abc"), CollationKey(u"abcd"));
  EXPECT_LT(CollationKey(u"apple"), CollationKey(u"Banana"));
}

}  // namespace
}  // namespace tarn
