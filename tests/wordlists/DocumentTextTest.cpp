#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/ErrorText.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "wordlists/DocumentText.h"
#include "wordlists/IntakeFixture.h"
#include "wordlists/WordConversion.h"

namespace tarn {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

TEST(DocumentKindTest, JudgesByTheEndOfTheName) {
  const std::vector<std::pair<std::string, DocumentKind>> cases = {
      {"report.doc", DocumentKind::kWord},     {"/a/report.DOC", DocumentKind::kWord},
      {"report.Doc", DocumentKind::kWord},     {"mydoc", DocumentKind::kWord},
      {"report.docx", DocumentKind::kDocx},    {"REPORT.DocX", DocumentKind::kDocx},
      {"notes.ODT", DocumentKind::kOdt},       {"notes.txt", DocumentKind::kText},
      {"report.doc.txt", DocumentKind::kText}, {"docx", DocumentKind::kText},
      {"文档.DOC", DocumentKind::kWord},
  };
  for (const auto& [name, kind] : cases) EXPECT_EQ(KindOfDocument(name), kind) << name;
}

class WordConversionTest : public ::testing::Test {
 protected:
  // Conversions must leave no file behind, in the temporary folder or beside the document.
  void SetUp() override {
    old_tmpdir_ = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    ::setenv("TMPDIR", scratch_.path().c_str(), 1);
  }
  void TearDown() override {
    EXPECT_TRUE(scratch_.Names().empty());
    if (old_tmpdir_.empty()) {
      ::unsetenv("TMPDIR");
    } else {
      ::setenv("TMPDIR", old_tmpdir_.c_str(), 1);
    }
  }

  testing::TempFolder folder_;
  testing::TempFolder scratch_;
  std::string old_tmpdir_;
};

TEST_F(WordConversionTest, TakesTheConvertersUtf8OutputAsLines) {
  const std::string document = folder_.Write("report.doc", "binary");
  // The stand-in prints its arguments, then text in UTF-8.
  WordConversionSettings settings;
  settings.program = testing::WriteScript(
      folder_, "converter",
      "echo \"$@\"; printf 'caf\\303\\251 \\342\\200\\234\\344\\270\\255\\342\\200\\235\\n\\nend'");
  EXPECT_THAT(ConvertWordDocument(document, settings),
              Optional(ElementsAre("-m UTF-8.txt -w 0 " + document, Utf16ToCp936(u"café “中”"), "",
                                   "end")));
  EXPECT_EQ(folder_.Names(), (std::set<std::string>{"report.doc", "converter"}));
}

TEST_F(WordConversionTest, FailsWhenTheConverterFailsIsMissingOrHangs) {
  const std::string document = folder_.Write("report.doc", "not a Word document at all");
  struct Case {
    const char* name;
    std::string program;
  };
  const std::vector<Case> cases = {
      {"antiword rejects the document", "antiword"},
      {"non-zero exit after output", testing::WriteScript(folder_, "fails", "echo text; exit 3")},
      {"missing program", folder_ / "no-such-program"},
      {"not executable", folder_.Write("plain", "echo text")},
      // The helper it starts dies with it, or reading its output would wait for the helper.
      {"time-out", testing::WriteScript(folder_, "hangs", "echo partial; sleep 30 & wait")},
  };
  for (const Case& c : cases) {
    WordConversionSettings settings;
    settings.program = c.program;
    settings.time_limit = std::chrono::milliseconds(300);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ConvertWordDocument(document, settings), std::nullopt) << c.name;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.name;
  }
}

TEST(ConvertDocumentTest, GivesTheFileOpenErrorForAMissingDocument) {
  testing::TempFolder folder;
  for (const char* name : {"gone.doc", "gone.docx", "gone.odt"}) {
    const std::string path = folder / name;
    EXPECT_EQ(testing::ErrorText([&] { ConvertDocument(path, KindOfDocument(path)); }),
              "Cannot open file \"" + path + "\". No such file or directory");
  }
}

}  // namespace
}  // namespace tarn
