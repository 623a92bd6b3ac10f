#include "text/IntegerText.h"

#include <gtest/gtest.h>

#include "text/Error.h"

namespace tarn {
namespace {

TEST(StrToInt, ReadsTheForms) {
  struct Case {
    std::string_view text;
    int32_t value;
  };
  const Case cases[] = {
      {"4", 4},           {"  12", 12},       {"-7", -7},         {"+3", 3},
      {"$1F", 31},        {"x10", 16},        {"0x10", 16},       {"-$10", -16},
      {"2147483647", 2147483647},             {"-2147483648", INT32_MIN},
      {"$FFFFFFFF", -1},  {"007", 7},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsEverythingElseWithTheMessage) {
  for (std::string_view text : {"", " ", "abc", "12 ", "1.5", "2147483648", "-2147483649", "$",
                                "0x", "--1", "$100000000", "\xE4\xB8\x80"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << text;
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace tarn
