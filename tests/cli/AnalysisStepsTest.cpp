#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "morphology/DictFixture.h"
#include "support/TempFolder.h"

namespace tarn::cli {
namespace {

using ::testing::HasSubstr;

class AnalysisStepsTest : public ::testing::Test {
 protected:
  AnalysisStepsTest()
      : dict_(testing::WriteDict(folder_, {{"garden"}, {"went", "go"}, {}, {}, {}, {"the"}})),
        document_(folder_.Write("doc.txt", "The gardens went; go, walked walks kindly.\r\n")) {}

  // Runs tarn-cli with the test's dict; returns the status and fills out_ and err_.
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--dict", dict_});
    const CliRun run = RunWith(args);
    out_ = run.out;
    err_ = run.err;
    return run.status;
  }

  testing::TempFolder folder_;
  std::string dict_;
  std::string document_;
  std::string out_;
  std::string err_;
};

TEST_F(AnalysisStepsTest, ViewsSortsAndExportsRunInOrderOnOneSession) {
  const std::string name = folder_ / "out";
  ASSERT_EQ(Run({"open", document_, "filtered-merged", "roots", "word-asc", "export-xls", name,
                 "export-vocab", name, "save-dat", name}),
            0)
      << err_;
  EXPECT_EQ(out_,
            "该文档共有单词数：7\n该文档出现过不同单词数：7\n"
            "该文档过滤部分词且归并后单词总数：5\n该文档过滤部分词且归并后不同单词数：3\n\n"
            "go                  \t2\nkind                \t1\nwalk                \t2\n");
  EXPECT_EQ(testing::ReadBytes(name + ".Xls"),
            "go                  \t2\r\nkind                \t1\r\nwalk                \t2\r\n");
  EXPECT_EQ(testing::ReadBytes(name + ".txt"), "go\r\nkind\r\nwalk\r\n");
  EXPECT_EQ(err_, "message: 生成的词典共包含3个词！ 生成的词典文件是" + name + ".dat，请查看\n");
}

TEST_F(AnalysisStepsTest, ViewsAndSortsWaitForACount) {
  for (const char* step : {"all", "merged", "freq-desc", "word-asc"}) {
    EXPECT_EQ(Run({step}), 0);
    EXPECT_EQ(err_, "message: 请打开一个文件进行分析！\n") << step;
  }
}

TEST_F(AnalysisStepsTest, HelpShowsTheHelpTextBesideTheProgram) {
  const std::filesystem::path help =
      std::filesystem::read_symlink("/proc/self/exe").parent_path() / "help.txt";
  if (std::filesystem::exists(help)) {
    EXPECT_EQ(Run({"open", document_, "help"}), 0) << err_;
    EXPECT_THAT(out_, HasSubstr("该文档共有单词数：7\n"));
  } else {
    EXPECT_EQ(Run({"open", document_, "help"}), 1);
    EXPECT_EQ(err_,
              "error: Cannot open file \"" + help.string() + "\". No such file or directory.\n");
  }
}

}  // namespace
}  // namespace tarn::cli
