#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/ErrorText.h"
#include "support/HexBytes.h"
#include "support/TempFolder.h"
#include "text/CodePage936.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"
#include "wordlists/IntakeFixture.h"
#include "wordlists/TextDecoding.h"
#include "wordlists/TextFileStream.h"
#include "wordlists/TextWordList.h"

namespace tarn {
namespace {

using testing::ToHex;

struct Decoded {
  std::string text;
  int restarts = 0;
  TextEncoding encoding = TextEncoding::kCp936;
};

// Decodes `bytes` fed in chunks of `chunk` bytes, starting again when told as a file reader does.
Decoded Decode(std::string_view bytes, size_t chunk) {
  Decoded result;
  TextDecoder decoder([&result](std::string_view text) { result.text += text; });
  bool decoded = false;
  while (!decoded) {
    decoded = true;
    for (size_t i = 0; i < bytes.size() && decoded && !decoder.Ended(); i += chunk) {
      decoded = decoder.Feed(bytes.substr(i, chunk));
    }
    if (decoded) decoded = decoder.Finish();
    if (!decoded) {
      result.text.clear();
      ++result.restarts;
    }
  }
  result.encoding = decoder.Encoding();
  return result;
}

constexpr std::u16string_view kSample = u"The “quiet” cat’s day — in 北京…\r\nDon't stop.\r\n";

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::string text;  // code page 936
  TextEncoding encoding;
  int restarts = 0;
};

class TextDecoderTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(TextDecoderTest, GivesTheSameTextHoweverTheBytesAreCut) {
  const DecodeCase& c = GetParam();
  for (size_t chunk : {size_t{1}, size_t{2}, size_t{3}, size_t{5}, size_t{64}, c.bytes.size()}) {
    const Decoded decoded = Decode(c.bytes, std::max<size_t>(chunk, 1));
    EXPECT_EQ(ToHex(decoded.text), ToHex(c.text)) << "chunk " << chunk;
    EXPECT_EQ(decoded.encoding, c.encoding) << "chunk " << chunk;
    EXPECT_EQ(decoded.restarts, c.restarts) << "chunk " << chunk;
  }
}

const std::string kCp936Sample = Utf16ToCp936(kSample);
const std::string kUtf8Sample = Utf16ToUtf8(kSample);
const std::string kCafe = "caf\xC3\xA9 ";  // UTF-8 é, then something that is not UTF-8
// An English line as a Western system saves it, and as code page 936 holds it.
constexpr std::u16string_view kWestern = u"“Well” ‘cause’ — café\r\n";
const std::string kWestern1252 = testing::Windows1252Bytes(kWestern);
const std::string kWesternCp936 = Utf16ToCp936(kWestern);

INSTANTIATE_TEST_SUITE_P(
    Encodings, TextDecoderTest,
    ::testing::Values(
        DecodeCase{"Cp936", kCp936Sample, kCp936Sample, TextEncoding::kCp936},
        DecodeCase{"Utf8WithMark", "\xEF\xBB\xBF" + kUtf8Sample, kCp936Sample, TextEncoding::kUtf8},
        DecodeCase{"Utf8WithoutMark", kUtf8Sample, kCp936Sample, TextEncoding::kUtf8},
        DecodeCase{"Utf16Le", testing::Utf16Bytes(kSample, false), kCp936Sample,
                   TextEncoding::kUtf16Le},
        DecodeCase{"Utf16Be", testing::Utf16Bytes(kSample, true), kCp936Sample,
                   TextEncoding::kUtf16Be},
        DecodeCase{"Ascii", "plain text\r\n", "plain text\r\n", TextEncoding::kCp936},
        DecodeCase{"Utf8ThenCp936StartsAgain", kCafe + Utf16ToCp936(u"中文"),
                   kCafe + Utf16ToCp936(u"中文"), TextEncoding::kCp936, 1},
        DecodeCase{"Utf8CutOffByTheEndStartsAgain", kCafe + "\xE4\xB8", kCafe + "\xE4\xB8",
                   TextEncoding::kCp936, 1},
        DecodeCase{"NulEndsUtf8BeforeAnInvalidByte", Utf16ToUtf8(u"a“b") + '\0' + "\xFF",
                   Utf16ToCp936(u"a“b"), TextEncoding::kUtf8},
        DecodeCase{"NulEndsCp936", std::string("ab\0\xD6\xD0", 5), "ab", TextEncoding::kCp936},
        DecodeCase{"Utf16NulUnitEnds", testing::Hex("FF FE 61 00 00 00 62 00"), "a",
                   TextEncoding::kUtf16Le},
        DecodeCase{"Utf16OddByteDropped", testing::Hex("FE FF 00 61 62"), "a",
                   TextEncoding::kUtf16Be},
        DecodeCase{"Utf16SurrogatesBecomeQuestionMarks",
                   testing::Hex("FF FE 3D D8 00 DE 00 DC 78 00 3D D8"), "??x?",
                   TextEncoding::kUtf16Le},
        DecodeCase{"MarkedUtf8KeepsGoingPastMalformedBytes",
                   "\xEF\xBB\xBF"
                   "a\xFF"
                   "b",
                   "a?b", TextEncoding::kUtf8},
        // A sequence that breaks off is one mark however the chunks fall around it.
        DecodeCase{"MarkedUtf8CutSequenceIsOneMark",
                   "\xEF\xBB\xBF"
                   "q\xE2\x9Aq\xF0\x9F\x98q\xE2q",
                   "q?q?q?q", TextEncoding::kUtf8},
        DecodeCase{"CharactersTheCodePageLacks", Utf16ToUtf8(u"x\u0E01y\U0001F600z"), "x?y?z",
                   TextEncoding::kUtf8},
        DecodeCase{"Windows1252", kWestern1252, kWesternCp936, TextEncoding::kWindows1252},
        DecodeCase{"Windows1252AfterAscii", "Chapter 1\r\n" + kWestern1252,
                   "Chapter 1\r\n" + kWesternCp936, TextEncoding::kWindows1252},
        DecodeCase{"OneLineOfChineseStaysCp936", Utf16ToCp936(u"你好\r\n"),
                   Utf16ToCp936(u"你好\r\n"), TextEncoding::kCp936},
        DecodeCase{"Utf8ThenWindows1252StartsAgain", kCafe + kWestern1252,
                   Windows1252ToCp936(kCafe + kWestern1252), TextEncoding::kWindows1252, 1},
        DecodeCase{"NulEndsTheSample", kWestern1252 + '\0' + Utf16ToCp936(u"你好"), kWesternCp936,
                   TextEncoding::kWindows1252},
        DecodeCase{"LoneMarkOfUtf16", "\xFF\xFE", "", TextEncoding::kUtf16Le},
        DecodeCase{"HalfAUtf8Mark", "\xEF\xBB", "\xEF\xBB", TextEncoding::kCp936}),
    [](const auto& info) { return info.param.name; });

// The whole-text reader of marked word lists is the literal version of the same decision.
TEST(TextDecoderTest, AgreesWithTheWholeTextReaderOnRandomTexts) {
  const std::u16string pieces[] = {u"word ", u"WORD", u"\r\n",       u"’", u"“",  u"—",
                                   u"北京",  u"é",    u"\U0001F600", u"x", u"'s", u"\u0E01"};
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::u16string text;
    for (int k = static_cast<int>(random() % 12); k > 0; --k) text += pieces[random() % 12];
    const std::string forms[] = {Utf16ToUtf8(text), "\xEF\xBB\xBF" + Utf16ToUtf8(text),
                                 testing::Utf16Bytes(text, false), testing::Utf16Bytes(text, true),
                                 Utf16ToCp936(text)};
    for (const std::string& bytes : forms) {
      const size_t chunk = 1 + random() % 9;
      EXPECT_EQ(ToHex(Decode(bytes, chunk).text), ToHex(Utf16ToCp936(DecodeMarkedText(bytes))))
          << ToHex(bytes) << " in chunks of " << chunk;
    }
    // Read as 8-bit text, a Western text may be taken either way when it is short; however it
    // is taken, the cuts must not change it.
    std::u16string western;
    for (char16_t c : text) {
      if (c < 0xD800 && c != u'北' && c != u'京' && c != u'\u0E01') western += c;
    }
    const std::string bytes = testing::Windows1252Bytes(western);
    const size_t chunk = 1 + random() % 9;
    EXPECT_EQ(ToHex(Decode(bytes, chunk).text), ToHex(Decode(bytes, bytes.size() + 1).text))
        << ToHex(bytes) << " in chunks of " << chunk;
  }
}

TEST(StreamTextFileTest, StartsAgainFromTheFirstByteWhenUtf8Fails) {
  testing::TempFolder folder;
  const std::string bytes = "One " + kCafe + std::string(100, 'x') + Utf16ToCp936(u"北京");
  const std::string path = folder.Write("doc.txt", bytes);
  std::string text;
  int restarts = 0;
  const TextEncoding encoding = StreamTextFile(
      path, [&text](std::string_view part) { text += part; },
      [&] {
        text.clear();
        ++restarts;
      },
      7);
  EXPECT_EQ(encoding, TextEncoding::kCp936);
  EXPECT_EQ(restarts, 1);
  EXPECT_EQ(ToHex(text), ToHex(bytes));
}

// What the file run reads, block by block, from `bytes` in a file.
std::string StreamedText(const testing::TempFolder& folder, const std::string& bytes,
                         size_t block_size) {
  std::string text;
  StreamTextFile(
      folder.Write("doc.txt", bytes), [&text](std::string_view part) { text += part; },
      [&text] { text.clear(); }, block_size);
  return text;
}

// The same book saved in UTF-8, Windows-1252 and code page 936 is one text, so every listing of
// it is the same.
TEST(StreamTextFileTest, ReadsTheSameBookInEachEncodingAlike) {
  testing::TempFolder folder;
  std::u16string book;
  while (book.size() < 3 * kEightBitSampleSize) {
    book += u"“Well,” said Huck, “I’d ‘a’ done it — ’cause it’s right.”\r\n";
    book += u"Plain lines of the book, many of them, with nothing beyond ASCII.\r\n";
  }
  const std::string cp936 = Utf16ToCp936(book);
  for (size_t block : {size_t{7}, size_t{4096}, kTextBlockSize}) {
    EXPECT_EQ(StreamedText(folder, Utf16ToUtf8(book), block), cp936) << "UTF-8, block " << block;
    EXPECT_EQ(StreamedText(folder, testing::Windows1252Bytes(book), block), cp936)
        << "Windows-1252, block " << block;
    EXPECT_EQ(StreamedText(folder, cp936, block), cp936) << "code page 936, block " << block;
  }
}

// The choice waits for a whole sample, then holds for the rest of the text, even where the rest
// alone would have decided otherwise.
TEST(StreamTextFileTest, TheSampleDecidesForTheWholeText) {
  testing::TempFolder folder;
  const std::string ascii(kEightBitSampleSize, 'x');
  const std::string nihao = Utf16ToCp936(u"你好你好");
  const std::string western = "Start " + kWestern1252 + ascii + nihao;
  EXPECT_EQ(StreamedText(folder, western, 1000), Windows1252ToCp936(western));
  const std::string chinese = "Start " + nihao + ascii + kWestern1252;
  EXPECT_EQ(StreamedText(folder, chinese, 1000), chinese);
}

TEST(StreamTextFileTest, FeedsNothingFromAFileItCannotOpen) {
  testing::TempFolder folder;
  bool fed = false;
  const auto feed = [&fed](std::string_view) { fed = true; };
  const std::string missing = folder / "none.txt";
  EXPECT_EQ(testing::ErrorText([&] { StreamTextFile(missing, feed, [] {}); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  const std::string inner = folder / "inner.txt";
  std::filesystem::create_directory(inner);
  EXPECT_EQ(testing::ErrorText([&] { StreamTextFile(inner, feed, [] {}); }),
            "Cannot open file \"" + inner + "\". Is a directory");
  EXPECT_FALSE(fed);
}

}  // namespace
}  // namespace tarn
