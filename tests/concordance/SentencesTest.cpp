#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "concordance/Sentences.h"
#include "concordance/WordCutter.h"
#include "support/TempFolder.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace tarn {
namespace {

using ::testing::ElementsAreArray;

// The sentences of `text` (UTF-8 here, code page 936 to the splitter), blanks collapsed.
std::vector<std::string> Sentences(const std::string& utf8) {
  const std::string text = Utf8ToCp936(utf8);
  std::vector<std::string> sentences;
  for (const SentenceSpan& span : SplitSentences(text)) {
    std::string sentence;
    for (size_t i = span.begin; i < span.end; ++i) {
      const bool blank = static_cast<unsigned char>(text[i]) <= 0x20;
      if (!blank) {
        sentence += text[i];
      } else if (sentence.back() != ' ') {
        sentence += ' ';
      }
    }
    sentences.push_back(Cp936ToUtf8(sentence));
  }
  return sentences;
}

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> sentences;
};

TEST(SentencesTest, SplitsOrdinaryProse) {
  const std::vector<SplitCase> cases = {
      {"titles",
       "Mr. Holmes sat down. Dr. Watson and Mrs. Hudson stood.",
       {"Mr. Holmes sat down.", "Dr. Watson and Mrs. Hudson stood."}},
      {"Latin abbreviations and St.",
       "We saw St. Paul's. Some, e.g. Wren, were there, i.e. Tom. Then we left.",
       {"We saw St. Paul's.", "Some, e.g. Wren, were there, i.e. Tom.", "Then we left."}},
      {"etc. ends a sentence before a capital only",
       "Pens, paper, etc. are here. Ink, etc. We start.",
       {"Pens, paper, etc. are here.", "Ink, etc.", "We start."}},
      {"initials, and the pronoun I",
       "J. R. Smith wrote it. It was I. Then he left.",
       {"J. R. Smith wrote it.", "It was I.", "Then he left."}},
      {"dialogue",
       "\"Go!\" he said. \"Why?\" \"Because.\" 'Stop,' said Tom.",
       {"\"Go!\" he said.", "\"Why?\"", "\"Because.\"", "'Stop,' said Tom."}},
      {"curly quotes",
       "“Come in,” said Holmes. “Sit!” he cried. ‘Now?’ She left.",
       {"“Come in,” said Holmes.", "“Sit!” he cried.", "‘Now?’", "She left."}},
      {"ellipses",
       "Wait... then go. Well… Fine. And so . . . on we went.",
       {"Wait... then go.", "Well…", "Fine.", "And so . . . on we went."}},
      {"numbers and money",
       "It cost $1.50, or 3.5 times more. No. 5 was late. He was 40. Then",
       {"It cost $1.50, or 3.5 times more.", "No. 5 was late.", "He was 40.", "Then"}},
      {"questions and exclamations before lower case",
       "What? said he. Oh! no, not that!",
       {"What? said he.", "Oh! no, not that!"}},
      {"hard line breaks inside a paragraph",
       "It was a dark\r\nnight. The rain\r\nfell, and\nMr.\r\nHolmes came.",
       {"It was a dark night.", "The rain fell, and Mr. Holmes came."}},
      {"blank lines end paragraphs",
       "A title\r\n\r\n  \r\nsome text\n\nMore.",
       {"A title", "some text", "More."}},
      {"headings",
       "CHAPTER IV\r\nThe Letter came. It was late.\r\n\r\nChapter 12\r\nIt began.",
       {"CHAPTER IV", "The Letter came.", "It was late.", "Chapter 12", "It began."}},
      {"no heading without a number",
       "Chapter the last was long\r\nand dull.",
       {"Chapter the last was long and dull."}},
      {"brackets",
       "(He left.) She stayed [for now.] Then rain.",
       {"(He left.)", "She stayed [for now.]", "Then rain."}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_THAT(Sentences(c.text), ElementsAreArray(c.sentences)) << c.name;
  }
}

TEST(SentencesTest, FirstSentenceWithAFormAndWhereItStands) {
  const DocumentSource source =
      DocumentSource::Text("I looked.\r\nThen I SAW\r\nhim. I see. Don't go.\r\n", true);
  const auto saw = FirstSentenceWith(source, {"see", "saw"});
  ASSERT_TRUE(saw);
  EXPECT_EQ(saw->text, "Then I SAW him.");
  EXPECT_EQ(saw->text.substr(saw->form_start, saw->form_length), "SAW");
  // Words as the counting run cut them: "Don't" holds "do".
  const auto did = FirstSentenceWith(source, {"do"});
  ASSERT_TRUE(did);
  EXPECT_EQ(did->text.substr(did->form_start, did->form_length), "Do");
  EXPECT_FALSE(FirstSentenceWith(source, {"cat"}));
  EXPECT_FALSE(FirstSentenceWith(DocumentSource(), {"see"}));
}

// Many words looked for at once in a file of several megabytes, read block by block: each must
// get the sentence that the whole text, split at once, gives for its first occurrence.
TEST(SentencesTest, FirstSentencesOfAStreamedFileMatchTheWholeText) {
  std::mt19937 random(3);
  std::string text;
  while (text.size() < (size_t{3} << 20)) {
    const int words = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < words; ++i) {
      text += i == 0 ? 'W' : 'w';
      text += std::to_string(random() % 4000 == 0 ? random() % 60 : 99);
      text += random() % 9 == 0 ? "\r\n" : " ";
    }
    text.back() = '.';
    text += random() % 5 == 0 ? "\r\n\r\n" : " ";
  }
  // The words are letters only: w7 becomes "wg" and so on.
  for (char& c : text) {
    if (c >= '0' && c <= '9') c = static_cast<char>('a' + (c - '0'));
  }
  std::vector<std::vector<std::string>> sets;
  for (int i = 0; i < 60; ++i) {
    std::string word(1, 'w');
    word += std::to_string(i);
    for (char& c : word) {
      if (c >= '0' && c <= '9') c = static_cast<char>('a' + (c - '0'));
    }
    sets.push_back({word});
  }
  testing::TempFolder folder;
  const std::string path = folder.Write("long.txt", text);
  const FirstSentences found =
      FindFirstSentences(DocumentSource::TextFile(path, FileStamp::Of(path)), sets);
  ASSERT_EQ(found.reading, DocumentSource::Reading::kRead);

  const std::vector<SentenceSpan> spans = SplitSentences(text);
  WordCutter cutter(true);
  cutter.Feed(text);
  cutter.Finish();
  size_t seen = 0;
  for (size_t set = 0; set < sets.size(); ++set) {
    std::optional<std::string> expected;
    for (const CutWord& word : cutter.Words()) {
      if (LowerAscii(text.substr(word.offset, word.length)) != sets[set][0]) continue;
      for (const SentenceSpan& span : spans) {
        if (span.begin <= word.offset && word.offset < span.end) {
          expected = text.substr(span.begin, span.end - span.begin);
          break;
        }
      }
      break;
    }
    ASSERT_EQ(found.sentences[set].has_value(), expected.has_value()) << set;
    if (!expected) continue;
    ++seen;
    std::string tidy;
    for (const char c : *expected) {
      if (c == '\r' || c == '\n' || c == ' ') {
        if (tidy.back() != ' ') tidy += ' ';
      } else {
        tidy += c;
      }
    }
    EXPECT_EQ(found.sentences[set]->text, tidy) << set;
  }
  EXPECT_GT(seen, 20u);
}

}  // namespace
}  // namespace tarn
