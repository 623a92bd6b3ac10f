#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "analysis/TwoPassOracle.h"
#include "concordance/WordCutter.h"
#include "text/AsciiCase.h"
#include "text/CodePage936.h"

namespace tarn {
namespace {

struct Cut {
  std::vector<std::u16string> words;
  std::vector<std::string> written;  // each word's bytes at its offset, as written
};

Cut CutInPieces(std::string_view text, bool l_rule, const std::vector<size_t>& cuts) {
  WordCutter cutter(l_rule);
  Cut cut;
  const auto take = [&] {
    for (const CutWord& word : cutter.Words()) {
      cut.written.emplace_back(text.substr(word.offset, word.length));
      cut.words.push_back(Cp936ToUtf16(LowerAscii(cut.written.back())));
    }
    cutter.ClearWords();
  };
  size_t from = 0;
  for (const size_t at : cuts) {
    cutter.Feed(text.substr(from, at - from));
    take();
    from = at;
  }
  cutter.Feed(text.substr(from));
  cutter.Finish();
  take();
  return cut;
}

// The cutter must give the counting definition's running words, in order, however the text is
// cut into pieces: each word's offset and length point at its letters as written.
void ExpectSameAsDefinition(const std::string& text, bool l_rule, const std::vector<size_t>& cuts) {
  const auto expected = testing::TwoPassWords(text, l_rule);
  const Cut cut = CutInPieces(text, l_rule, cuts);
  EXPECT_EQ(cut.words, expected.value_or(std::vector<std::u16string>{})) << text;
}

TEST(WordCutterTest, ApostropheRulesKeepTheWordAsWritten) {
  const Cut cut = CutInPieces("Don't, WE'LL John's 'sad' o'clock mp3's", true, {});
  const std::vector<std::string> written = {"Do", "WE", "John", "sad", "o", "clock", "mp"};
  EXPECT_EQ(cut.written, written);
  EXPECT_EQ(CutInPieces("we'll", false, {}).written, (std::vector<std::string>{"we", "ll"}));
}

TEST(WordCutterTest, MatchesTheTwoPassDefinitionOnRandomTextsCutAnywhere) {
  // Letters, the rule letters, apostrophes, line breaks, digits, double-byte characters (whose
  // trail byte may be a letter), lone high bytes and a NUL.
  const std::vector<std::string> atoms = {
      "a",    "B", "s", "t", "l",        "L",        "T",    "'",    "'", "\r",   "\n",
      "\r\n", " ", "7", "-", "\xD6\xD0", "\x81\x41", "\x81", "\xFF", "x", "\x80", "ll"};
  // Plain ASCII, which is taken 64 bytes at a time, words crossing the blocks' edges.
  const std::vector<std::string> plain = {"a", "Bc", "dEf", "ghij", " ", "  ", "\r\n", "7", "-,"};
  std::mt19937 random(14);
  for (int round = 0; round < 3000; ++round) {
    const bool long_plain = round % 3 == 0;
    std::string text;
    const int length = static_cast<int>(random() % (long_plain ? 200 : 24));
    for (int i = 0; i < length; ++i) {
      const bool odd = !long_plain || random() % 30 == 0;
      text += odd ? atoms[random() % atoms.size()] : plain[random() % plain.size()];
    }
    if (random() % 40 == 0) text.insert(random() % (text.size() + 1), 1, '\0');
    std::vector<size_t> cuts;
    for (size_t at = 1; at < text.size(); ++at) {
      if (random() % (long_plain ? 150 : 3) == 0) cuts.push_back(at);
    }
    ExpectSameAsDefinition(text, round % 2 == 0, cuts);
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace tarn
