#include <gtest/gtest.h>

#include <set>

#include "DictToolCase.h"
#include "dicttools/ToolTable.h"
#include "text/Error.h"

namespace tarn::dicttools {
namespace {

TEST(DictTools, EveryOperationHasAUniqueHandlerAndAlias) {
  std::set<std::string_view> names;
  for (const DictToolEntry& entry : DictTools()) {
    EXPECT_TRUE(names.insert(entry.handler).second) << entry.handler;
    EXPECT_TRUE(names.insert(entry.alias).second) << entry.alias;
    EXPECT_EQ(FindDictTool(entry.handler), &entry);
    EXPECT_EQ(FindDictTool(entry.alias), &entry);
  }
  EXPECT_EQ(DictTools().size(), 16u);
  EXPECT_EQ(FindDictTool("RzBitBtn5Click"), nullptr);  // open is not a text operation
  EXPECT_EQ(FindDictTool("Sort"), nullptr);
}

TEST(DictTools, DispatchByNameRunsTheOperation) {
  const DictToolEntry* sort = FindDictTool("sort");
  ASSERT_NE(sort, nullptr);
  EXPECT_EQ(sort->handler, "RzBitBtn19Click");
  EXPECT_EQ(TextOf(sort->run(Input(Text({"b", "a"})))), Text({"a", "b"}));
  EXPECT_EQ(FindDictTool("RzBitBtn13Click"), FindDictTool("delete-suffix"));
}

// Big and odd inputs: every operation finishes, keeps the line count where it keeps lines, and
// replaces characters the code page lacks instead of failing.
class DictToolsOnHardInput : public ::testing::TestWithParam<DictToolEntry> {};

TEST_P(DictToolsOnHardInput, SurvivesHugeLinesManyLinesAndForeignCharacters) {
  const DictToolEntry& entry = GetParam();
  std::u16string huge(1 << 20, u'a');
  huge += u"ly\r\n\u0E01\U0001F600\xD800 x'll\r\n";
  std::u16string many;
  for (int i = 0; i < 500000; ++i) many += (i % 2 ? u"Word\r\n" : u"w\u00E9ll-\u4E2D\r\n");
  for (const std::u16string& text : {huge, many}) {
    const DictToolResult result = entry.run({text, u"1", u"4"});
    EXPECT_TRUE(result.text || result.box2 || result.message) << entry.alias;
  }
  const DictToolResult foreign = entry.run({u"\U0001F600b\u0E01\r\n", u"1", u"4"});
  if (entry.alias == "sort") {
    EXPECT_EQ(TextOf(foreign), "?b?\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(All, DictToolsOnHardInput,
                         ::testing::ValuesIn(DictTools().begin(), DictTools().end()),
                         [](const auto& info) {
                           std::string name(info.param.alias);
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace tarn::dicttools
