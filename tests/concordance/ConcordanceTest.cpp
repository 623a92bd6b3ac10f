#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "analysis/MainSession.h"
#include "concordance/Concordance.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/WordCutter.h"
#include "morphology/DictFixture.h"
#include "support/FakeUserPort.h"
#include "support/TempFolder.h"
#include "text/AsciiCase.h"
#include "documents/OfficeFixture.h"
#include "wordlists/TextFileStream.h"

namespace tarn {
namespace {

using Reading = DocumentSource::Reading;

std::vector<std::string> LinesOf(const Concordance& concordance) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < concordance.Size(); ++i) {
    lines.push_back(std::string(concordance.Left(i)) + "|" +
                    std::string(concordance.Occurrence(i)) + "|" +
                    std::string(concordance.Right(i)));
  }
  return lines;
}

struct ContextCase {
  const char* name;
  std::string text;
  std::vector<std::string> forms;
  int width;
  std::vector<std::string> lines;  // LEFT|OCCURRENCE|RIGHT
};

TEST(ConcordanceTest, ContextsAreCharactersWithLineBreaksAsSpaces) {
  const std::vector<ContextCase> cases = {
      {"padded left, capitals kept, CR LF one space, document order",
       "The cat sat.\r\nThe CAT ran\r\naway, cat",
       {"cat"},
       6,
       {"  The |cat| sat. ", ". The |CAT| ran a", "away, |cat|"}},
      {"a double-byte character counts once",
       "\xD6\xD0\xCE\xC4"
       "cat"
       "\xD6\xD0\xCE\xC4\xD7\xD6",
       {"cat"},
       2,
       {"\xD6\xD0\xCE\xC4|cat|\xD6\xD0\xCE\xC4"}},
      {"a trail byte that looks like a letter is no letter",
       "\x81"
       "cat cat",
       {"cat", "at"},
       3,
       {"  \x81"
        "c|at| ca",
        "at |cat|"}},
      {"tabs and lone CR or LF are spaces", "a\tdog\rb\nc", {"dog"}, 3, {" a |dog| b "}},
      {"several forms, the rules' words as counted",
       "Don't go; he goes, gone.",
       {"do", "go", "goes", "gone"},
       4,
       {"    |Do|n't ", "n't |go|; he", " he |goes|, go", "es, |gone|."}},
      {"a word that does not occur", "nothing here", {"cat"}, 5, {}},
      {"no width", "a cat", {"cat"}, 0, {"|cat|"}},
  };
  for (const ContextCase& c : cases) {
    const Concordance concordance(DocumentSource::Text(c.text, true), c.forms, c.width);
    EXPECT_EQ(concordance.Reading(), Reading::kRead) << c.name;
    EXPECT_EQ(LinesOf(concordance), c.lines) << c.name;
  }
}

TEST(ConcordanceTest, TextViewLinesAreTabSeparated) {
  const Concordance concordance(DocumentSource::Text("a cat b", true), {"cat"}, 3);
  EXPECT_EQ(concordance.Text(), " a \tcat\t b\r\n");
  EXPECT_EQ(concordance.Offset(0), 2u);
}

// Contexts worked out on the whole text at once, one character at a time.
std::vector<std::string> WholeTextLines(const std::string& text,
                                        const std::vector<std::string>& forms, int width) {
  std::vector<size_t> starts;  // every character's first byte
  for (size_t k = 0; k < text.size();) {
    starts.push_back(k);
    const auto b = static_cast<unsigned char>(text[k]);
    const auto next = k + 1 < text.size() ? static_cast<unsigned char>(text[k + 1]) : 0;
    const bool pair = (b == '\r' && next == '\n') ||
                      (b >= 0x81 && b <= 0xFE && next >= 0x40 && next <= 0xFE && next != 0x7F);
    k += pair ? 2 : 1;
  }
  starts.push_back(text.size());
  const auto shown = [&](size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to; ++i) {
      const std::string_view c =
          std::string_view(text).substr(starts[i], starts[i + 1] - starts[i]);
      out +=
          (c == "\r\n" || c == "\r" || c == "\n" || c == "\t") ? std::string(" ") : std::string(c);
    }
    return out;
  };
  WordCutter cutter(true);
  cutter.Feed(text);
  cutter.Finish();
  std::vector<std::string> lines;
  for (const CutWord& word : cutter.Words()) {
    if (std::find(forms.begin(), forms.end(), LowerAscii(text.substr(word.offset, word.length))) ==
        forms.end())
      continue;
    const size_t first =
        std::lower_bound(starts.begin(), starts.end(), word.offset) - starts.begin();
    const size_t after = first + word.length;
    const size_t from = first > static_cast<size_t>(width) ? first - width : 0;
    const size_t to = std::min(starts.size() - 1, after + width);
    lines.push_back(std::string(width - (first - from), ' ') + shown(from, first) + "|" +
                    text.substr(word.offset, word.length) + "|" + shown(after, to));
  }
  return lines;
}

// A text of several megabytes: ASCII long enough for the decoder to take it for UTF-8 at first,
// then code page 936 runs without any ASCII (so that no byte near an occurrence tells where a
// character starts), line breaks of every kind and the wanted word everywhere.
std::string LongMixedText() {
  std::mt19937 random(7);
  const std::vector<std::string> atoms = {"cat ",
                                          "Cat, ",
                                          "dog ",
                                          "\r\n",
                                          "\n",
                                          "the ",
                                          "a cat",
                                          "\xB4\xF3\xC3\xA8",
                                          "\xD6\xD0"
                                          "cat",
                                          "\x81\x40\x81\x41"};
  std::string text(300000, 'x');
  for (size_t i = 0; i < text.size(); i += 7) text[i] = ' ';
  while (text.size() < (size_t{5} << 19)) {
    if (random() % 500 == 0) {
      for (int i = 0; i < 3000; ++i) text += "\xB4\xF3";  // a long double-byte stretch
    }
    text += atoms[random() % atoms.size()];
  }
  return text;
}

TEST(ConcordanceTest, StreamedFileGivesTheContextsOfTheWholeText) {
  testing::TempFolder folder;
  const std::string path = folder.Write("long.txt", LongMixedText());
  const DocumentSource file = DocumentSource::TextFile(path, FileStamp::Of(path));
  // The text as the counting run saw it, decoded like the run decoded it.
  std::string decoded;
  StreamTextFile(
      path, [&](std::string_view piece) { decoded.append(piece); }, [&] { decoded.clear(); });
  for (const int width : {1, 40, 150}) {
    const Concordance streamed(file, {"cat"}, width);
    ASSERT_EQ(streamed.Reading(), Reading::kRead);
    const std::vector<std::string> expected = WholeTextLines(decoded, {"cat"}, width);
    ASSERT_GT(expected.size(), 10000u);
    EXPECT_EQ(LinesOf(streamed), expected) << width;
    EXPECT_EQ(LinesOf(Concordance(DocumentSource::Text(decoded, true), {"cat"}, width)), expected)
        << width;
  }
}

TEST(ConcordanceTest, ChangedFileShowsNoContexts) {
  testing::TempFolder folder;
  const std::string path = folder.Write("a.txt", "one cat here\r\n");
  const DocumentSource source = DocumentSource::TextFile(path, FileStamp::Of(path));
  EXPECT_EQ(Concordance(source, {"cat"}, 5).Size(), 1u);

  folder.Write("a.txt", "one cow here\r\n");  // same size
  const Concordance edited(source, {"cat"}, 5);
  EXPECT_EQ(edited.Reading(), Reading::kChanged);
  EXPECT_EQ(edited.Size(), 0u);
  EXPECT_TRUE(edited.Text().empty());

  std::filesystem::remove(path);
  EXPECT_EQ(Concordance(source, {"cat"}, 5).Reading(), Reading::kChanged);
  EXPECT_EQ(Concordance(DocumentSource::TextFile(path, std::nullopt), {"cat"}, 5).Reading(),
            Reading::kChanged);
  EXPECT_EQ(Concordance(DocumentSource(), {"cat"}, 5).Reading(), Reading::kNoText);
}

// The session keeps what each run counted: the clipboard run's text, cut without the "'l"
// rule, and a file, which must not have changed when the concordance reads it again.
TEST(ConcordanceTest, SessionShowsTheKeptTextOrSaysItChanged) {
  testing::TempFolder folder;
  testing::FakeUserPort port;
  MainSession session(port);
  session.LoadLexicon(testing::WriteDict(folder, {{}, {}, {}, {}, {}, {}}));
  ConcordanceCommands commands(session);

  port.clipboard = "We'll see.";
  session.CountClipboard();
  commands.ShowConcordance("ll", FormScope::kWordAlone, 3);
  EXPECT_EQ(session.State().text_view, "We'\tll\t se\r\n");

  const std::string path = folder.Write("a.txt", "We'll see.");
  ASSERT_TRUE(session.CountFile(path));
  commands.ShowConcordance("ll", FormScope::kWordAlone, 3);
  EXPECT_EQ(session.State().summary_label, "ll：共出现 0 次");
  EXPECT_EQ(port.messages.back(), "文档中没有单词“ll”！");
  commands.ShowConcordance("see", FormScope::kWordAlone, 3);
  EXPECT_EQ(session.State().text_view, "ll \tsee\t.\r\n");

  // A converted document's text is kept as it was counted, its paragraphs as lines.
  const std::string docx = folder / "b.docx";
  testing::WriteDocx(docx,
                     "<w:p><w:r><w:t>We see</w:t></w:r></w:p><w:p><w:r><w:t>it.</w:t></w:r></w:p>");
  ASSERT_TRUE(session.CountFile(docx));
  std::filesystem::remove(docx);
  commands.ShowConcordance("see", FormScope::kWordAlone, 4);
  EXPECT_EQ(session.State().text_view, " We \tsee\t it.\r\n");

  ASSERT_TRUE(session.CountFile(path));
  folder.Write("a.txt", "We'll saw.");
  commands.ShowConcordance("see", FormScope::kWordAlone, 3);
  EXPECT_EQ(session.State().text_view, "");
  EXPECT_EQ(session.State().summary_label, "see：文档在统计之后已被修改");
  EXPECT_EQ(port.messages.back(),
            "文档“" + path + "”在统计之后已被修改或移走，无法显示上下文，请重新统计！");
}

}  // namespace
}  // namespace tarn
