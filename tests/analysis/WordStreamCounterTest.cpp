#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "analysis/TableDump.h"
#include "analysis/TwoPassOracle.h"
#include "analysis/WordEnds.h"
#include "analysis/WordStreamCounter.h"
#include "wordtable/Hashtable.h"

namespace tarn {

void PrintTo(const WordTally& tally, std::ostream* out) {
  *out << "{count " << tally.count << ", eligible " << tally.eligible << ", capitalised "
       << tally.capitalised << "}";
}

namespace {

using testing::Occurrence;
using testing::TableDump;
using testing::TwoPassOccurrences;

// Every word with its tally, first seen first.
using EvidenceDump = std::vector<std::pair<std::string, WordTally>>;

struct Streamed {
  bool has_text = false;
  std::unique_ptr<THashTable> table;
  EvidenceDump evidence;
  EvidenceDump capitalised;  // the words of `evidence` with a capitalised occurrence
};

// Feeds `document` cut at the given offsets and returns the counted table and evidence.
Streamed Stream(std::string_view document, bool l_rule, const std::vector<size_t>& cuts,
                size_t batch_words) {
  WordStreamCounter counter(l_rule, batch_words);
  size_t from = 0;
  for (size_t cut : cuts) {
    counter.Feed(document.substr(from, cut - from));
    from = cut;
  }
  counter.Feed(document.substr(from));
  counter.Finish();
  Streamed streamed;
  streamed.has_text = counter.HasText();
  streamed.table = std::make_unique<THashTable>(256);
  counter.FillTable(*streamed.table);
  const NameEvidence evidence = counter.TakeEvidence();
  evidence.ForEach([&](std::string_view word, const WordTally& tally) {
    streamed.evidence.emplace_back(word, tally);
  });
  evidence.ForEachCapitalised([&](std::string_view word, const WordTally& tally) {
    streamed.capitalised.emplace_back(word, tally);
  });
  return streamed;
}

std::unique_ptr<THashTable> OracleTable(const std::vector<Occurrence>& occurrences) {
  auto table = std::make_unique<THashTable>(256);
  for (const Occurrence& occurrence : occurrences) table->AddCount(occurrence.word, 1);
  return table;
}

EvidenceDump OracleEvidence(const std::vector<Occurrence>& occurrences) {
  EvidenceDump evidence;
  std::map<std::u16string, size_t> seen;
  for (const Occurrence& occurrence : occurrences) {
    const auto [at, added] = seen.emplace(occurrence.word, evidence.size());
    if (added) evidence.emplace_back(Utf16ToCp936(occurrence.word), WordTally{});
    WordTally& tally = evidence[at->second].second;
    ++tally.count;
    tally.eligible += occurrence.eligible;
    tally.capitalised += occurrence.capitalised;
  }
  return evidence;
}

// Compares the streaming counter, counts and name evidence, with the literal definition, whole
// and byte by byte. Small batches make the words of even a short document go through the
// counting thread.
void ExpectSameAsDefinition(std::string_view document, bool l_rule, const std::vector<size_t>& cuts,
                            size_t batch_words = WordStreamCounter::kBatchWords) {
  const auto occurrences = TwoPassOccurrences(document, l_rule);
  const Streamed streamed = Stream(document, l_rule, cuts, batch_words);
  ASSERT_EQ(streamed.has_text, occurrences.has_value());
  const std::vector<Occurrence> expected_words = occurrences.value_or(std::vector<Occurrence>{});
  const auto expected = OracleTable(expected_words);
  EXPECT_EQ(TableDump(*streamed.table), TableDump(*expected));
  EXPECT_EQ(streamed.table->TotalCount(), expected->TotalCount());
  const EvidenceDump oracle = OracleEvidence(expected_words);
  EXPECT_EQ(streamed.evidence, oracle);
  EvidenceDump capitalised;
  std::copy_if(oracle.begin(), oracle.end(), std::back_inserter(capitalised),
               [](const auto& word) { return word.second.capitalised > 0; });
  EXPECT_EQ(streamed.capitalised, capitalised);
}

std::vector<std::string> WordsOf(const WordStreamCounter& counter) {
  std::vector<std::string> words;
  counter.Words().ForEach([&](std::string_view word, int64_t count) {
    for (int64_t i = 0; i < count; ++i) words.emplace_back(word);
  });
  return words;
}

std::vector<std::string> WordsOf(std::string_view document, bool l_rule) {
  WordStreamCounter counter(l_rule);
  counter.Feed(document);
  counter.Finish();
  return WordsOf(counter);
}

struct ByteCase {
  const char* name;
  std::string document;
  std::vector<std::string> words;  // distinct words, first seen first, each with its repeats
};

TEST(WordStreamCounterTest, CodePageAndLineBytes) {
  const std::vector<ByteCase> cases = {
      {"trail byte that is a letter belongs to its character",
       "\x81\x41"
       "bc \xD6\xD0Xy",
       {"bc", "xy"}},
      {"lead before a non-trail byte stands alone",
       "\x81"
       "0ab\x81 cd",
       {"ab", "cd"}},
      {"lead and apostrophe: no rule after a non-letter", "\x81's", {"s"}},
      {"euro byte and 0xFF separate",
       "ab\x80"
       "cd\xFF"
       "ef",
       {"ab", "cd", "ef"}},
      {"NUL ends the text", std::string("ab cd\0ef gh", 11), {"ab", "cd"}},
      {"lone CR and LF CR break lines", "ab\rcd\n\ref", {"ab", "cd", "ef"}},
      {"last line without a break still counts", "tail", {"tail"}},
      {"lead byte at the very end", "ab\x81", {"ab"}},
  };
  for (const ByteCase& c : cases) {
    EXPECT_EQ(WordsOf(c.document, true), c.words) << c.name;
    ExpectSameAsDefinition(c.document, true, {});
  }
}

struct EvidenceCase {
  const char* name;
  std::string document;
  std::string word;
  WordTally tally;
};

TEST(WordStreamCounterTest, NameEvidenceOfCapitals) {
  std::vector<EvidenceCase> cases = {
      {"a capital after a word and a space is evidence",
       "we saw Holmes and Holmes",
       "holmes",
       {2, 2, 2}},
      {"a capital where a sentence or a line may start is none",
       "Holmes. Holmes\r\nHolmes",
       "holmes",
       {3, 0, 0}},
      {"nor after a comma, a quote or two spaces",
       "yes, Holmes \"Holmes said  Holmes",
       "holmes",
       {3, 0, 0}},
      {"lower case is evidence wherever it stands", "holmes. holmes\nholmes", "holmes", {3, 3, 0}},
      {"a title's full stop hides nothing", "see Mr. Holmes and mr. holmes", "holmes", {2, 2, 1}},
      {"a longer word's full stop does", "see Mrsx. Holmes", "holmes", {1, 0, 0}},
      {"the title word itself", "Mr. Holmes and Mr. Watson", "mr", {2, 1, 1}},
      {"a word in capitals is no evidence",
       "the HOLMES case and the Holmes case",
       "holmes",
       {2, 1, 1}},
      {"a single capital is a capital", "the A team and the a team", "a", {2, 2, 1}},
      {"the possessive keeps the word's capital", "saw Holmes's hat", "holmes", {1, 1, 1}},
      {"a letter the rules drop still comes before",
       "don't Holmes and we'll Holmes",
       "holmes",
       {2, 2, 2}},
      {"a double-byte character is no letter", "\xBA\xC3 Then", "then", {1, 0, 0}},
      {"the letter the 't rule drops says nothing", "the XY't and", "x", {1, 1, 1}},
  };
  // A capital at the start of a block, with the two bytes before it in the block before.
  std::string block_before;
  for (int i = 0; i < 15; ++i) block_before += "abc ";
  std::string tail;
  for (int i = 0; i < 40; ++i) tail += " tail";
  cases.push_back({"the bytes before a block count",
                   block_before + "abc Holmes and Mr. Holmes" + tail,
                   "holmes",
                   {2, 2, 2}});
  // A capital on a block's last byte, the space and the letter before it in the block.
  cases.push_back({"a block's last byte", block_before + "ab Holmes" + tail, "holmes", {1, 1, 1}});
  for (const char* title : {"a Mrs. Holmes", "a Mr. Holmes"}) {
    cases.push_back({"a title at a block's end", block_before + title + tail, "holmes", {1, 1, 1}});
  }
  for (const EvidenceCase& c : cases) {
    WordStreamCounter counter;
    counter.Feed(c.document);
    counter.Finish();
    EXPECT_EQ(counter.TakeEvidence().Of(std::u16string(c.word.begin(), c.word.end())), c.tally)
        << c.name;
    ExpectSameAsDefinition(c.document, true, {});
  }
}

TEST(WordStreamCounterTest, EmptyDocumentsGiveNoText) {
  for (const std::string& document : {std::string(), std::string("\0abc", 4)}) {
    WordStreamCounter counter;
    counter.Feed(document);
    counter.Finish();
    EXPECT_FALSE(counter.HasText());
    EXPECT_EQ(counter.Words().DistinctCount(), 0u);
  }
  WordStreamCounter one_break;
  one_break.Feed("\r\n");
  one_break.Finish();
  EXPECT_TRUE(one_break.HasText());
}

// Builds documents from the pieces that matter to the rules and to the code page.
class DocumentMaker {
 public:
  // `plain`: mostly letters, digits and spaces, so that long stretches hold no special byte.
  DocumentMaker(uint32_t seed, bool plain = false) : random_(seed), plain_(plain) {}

  std::string Make(size_t pieces) {
    std::string document;
    for (size_t i = 0; i < pieces; ++i) document += Piece();
    return document;
  }

  // Cut points for chunks of up to 4, 64 or 1024 bytes (empty ones included).
  std::vector<size_t> Cuts(size_t size) {
    const size_t longest = std::vector<size_t>{4, 64, 1024}[Below(3)];
    std::vector<size_t> cuts;
    for (size_t at = Below(longest); at < size; at += Below(longest)) cuts.push_back(at);
    return cuts;
  }

 private:
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  char Byte(int low, int high) { return static_cast<char>(low + Below(high - low + 1)); }

  std::string Piece() {
    if (plain_ && Below(40) != 0) {
      // Titles and full stops, so that capitals after them fall anywhere in a plain block.
      static const char* const kTitles[] = {"Mr. ", "st. ", "MRS. ", ". "};
      if (Below(30) == 0) return kTitles[Below(std::size(kTitles))];
      static const char kPlain[] = "abcdefghijklmnopqrstuvwxyzABCXYZ  0123456789,-.\r\n";
      return std::string(1, kPlain[Below(sizeof kPlain - 1)]);
    }
    static const char* const kFixed[] = {
        "'",        "'s",       "'t",       "'l",       "'S",       "'T",       "'L",
        "'ll",      "n't",      "\r",       "\n",       "\r\n",     "\n\r",     " ",
        "  ",       "\t",       "-",        ",",        ".",        "\"",       "0",
        "9",        "19",       "\x80",     "\xFF",     "\xD6\xD0", "\x81\x41", "\x81\x61",
        "\xA1\x27", "\x81\x74", "\xFE\xFE", "\xFE\x7F", "\xA3\xA7", "!",        "?",
        "Mr.",      "st.",      "MRS",      "Ab",       ". A",      " Xy"};
    switch (Below(10)) {
      case 0:
      case 1:
      case 2:
        return std::string(1, Byte('a', 'z'));
      case 3:
        return std::string(1, Byte('A', 'Z'));
      case 4:
      case 5:
        return kFixed[Below(std::size(kFixed))];
      case 6:
        return std::string(1, Byte(0x81, 0xFE)) + Byte(0, 0xFF);  // any lead, any follower
      case 7:
        return std::string(1, "stlSTL"[Below(6)]);
      case 8:
        return Below(300) == 0 ? std::string(1, '\0') : std::string(1, Byte(1, 0x7F));
      default:
        return std::string(1, Byte(0, 0xFF));
    }
  }

  std::mt19937 random_;
  bool plain_;
};

TEST(WordStreamCounterTest, MatchesTheTwoPassDefinitionOnRandomDocuments) {
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    DocumentMaker maker(seed, seed % 2 == 0);
    const std::string document = maker.Make(20 + seed % 300 + (seed % 2 == 0) * 1000);
    const std::vector<size_t> cuts = maker.Cuts(document.size());
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    ExpectSameAsDefinition(document, true, cuts);
    ExpectSameAsDefinition(document, false, cuts);
    if (seed % 4 == 0) ExpectSameAsDefinition(document, true, cuts, 1 + seed % 7);
    if (::testing::Test::HasFailure()) break;
  }
}

TEST(WordStreamCounterTest, OneByteChunksMatchTheDefinition) {
  DocumentMaker maker(2024, true);
  const std::string document = maker.Make(2000);
  std::vector<size_t> cuts;
  for (size_t i = 1; i < document.size(); ++i) cuts.push_back(i);
  ExpectSameAsDefinition(document, true, cuts);
  ExpectSameAsDefinition(document, true, cuts, 3);
}

// Text first taken for UTF-8 is fed again from its start after a Reset, perhaps while earlier
// batches are still being counted; nothing of them may remain.
TEST(WordStreamCounterTest, ResetForgetsBatchesOnTheirWay) {
  std::string long_text;
  for (int i = 0; i < 2000; ++i) long_text += "alpha beta gamma ";
  WordStreamCounter counter(true, 4);
  counter.Feed(long_text);
  counter.Reset();
  counter.Feed("one two two");
  counter.Finish();
  EXPECT_EQ(WordsOf(counter), (std::vector<std::string>{"one", "two", "two"}));
}

// The counter compares the first eight and sixteen letters in place and the rest elsewhere; words
// that agree up to either boundary stay apart, before and after the counter grows, and whether
// their keys were read exactly or sixteen bytes at a time.
TEST(FirstSeenCounterTest, TellsApartWordsThatShareTheirLeadingLetters) {
  const std::string p16 = "abcdefghijklmnop";
  const std::vector<std::string> words = {
      "abcdefgh",        "abcdefghi", "abcdefg", "abcdefghij", "abcdefgh",
      "abcdefghj",       "abcdefghi", "a",       p16,          p16 + "q",
      p16.substr(0, 15), p16 + "qr",  p16 + "r", p16 + "q",    p16};
  FirstSeenCounter counter;
  std::string buffer;
  std::vector<WordSpan> spans;
  for (const std::string& word : words) {
    spans.push_back({buffer.size(), word.size()});
    buffer += word;
    counter.Add(word);
  }
  for (int i = 0; i < 5000; ++i) {
    std::string word = "w";
    word += std::to_string(i);
    counter.Add(word);  // forces growth
  }
  // The padded reading takes the bytes after each word into account only to mask them off.
  buffer += std::string(16, 'z');
  counter.AddPadded(buffer.data(), spans.data(), spans.size());
  std::vector<std::pair<std::string, int64_t>> seen;
  counter.ForEach([&](std::string_view word, int64_t count) {
    if (word[0] == 'a') seen.emplace_back(word, count);
  });
  const std::vector<std::pair<std::string, int64_t>> expected = {
      {"abcdefgh", 4},        {"abcdefghi", 4}, {"abcdefg", 2}, {"abcdefghij", 2},
      {"abcdefghj", 2},       {"a", 2},         {p16, 4},       {p16 + "q", 4},
      {p16.substr(0, 15), 2}, {p16 + "qr", 2},  {p16 + "r", 2}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(counter.DistinctCount(), 5011u);
  EXPECT_EQ(counter.TotalCount(), 5030);
}

// A vocabulary of millions fills its slots further before they grow: the counter grows past
// three quarters of them, and every word keeps its count and first-seen place.
TEST(FirstSeenCounterTest, ALargeVocabularyKeepsEveryWordAsItGrows) {
  constexpr int kWords = 1700000;
  FirstSeenCounter counter(kWords / 2, 0);
  const auto word_of = [](int i) { return std::to_string(i) + "v"; };
  for (int i = 0; i < kWords; ++i) {
    const std::string word = word_of(i);
    counter.Add(word);
    if (i % 3 == 0) counter.Add(word);
  }
  EXPECT_EQ(counter.DistinctCount(), size_t{kWords});
  for (int i = 0; i < kWords; i += 9973) {
    const std::string word = word_of(i);
    ASSERT_EQ(counter.IndexOf(word), size_t(i));
    ASSERT_EQ(counter.Find(word).count, i % 3 == 0 ? 2 : 1);
  }
  EXPECT_EQ(counter.IndexOf(word_of(-1)), std::nullopt);
}

// Ends past 4 GiB keep their high bits, however many words fall between the wraps, and a word
// may pass more than one 4 GiB at once.
TEST(WordEndsTest, EndsPastFourGigabytesKeepTheirHighBits) {
  constexpr size_t kGiB4 = size_t{1} << 32;
  const std::vector<size_t> ends = {0,          3,          kGiB4 - 1,     kGiB4,     kGiB4 + 7,
                                    kGiB4 + 7, 3 * kGiB4 + 1, 3 * kGiB4 + 2, 4 * kGiB4};
  WordEnds stored;
  for (const size_t end : ends) stored.Add(end);
  ASSERT_EQ(stored.size(), ends.size());
  for (size_t i = 0; i < ends.size(); ++i) EXPECT_EQ(stored[i], ends[i]) << i;
}

// The compact form keeps every word of the counter with its tally and first-seen place: short
// words and long ones, capitals on every third word only, and a count beyond what a slot holds.
TEST(CountedWordsTest, KeepEveryWordOfTheCounter) {
  FirstSeenCounter counter;
  const auto word_of = [](int i) {
    std::string word = "w";
    word += std::to_string(i * 7919);
    return i % 2 == 0 ? word + "long-enough-tail" : word;
  };
  for (int i = 0; i < 3000; ++i) {
    counter.AddTally(word_of(i), WordTally{i + 1, i % 3 == 0 ? i : i + 1, i % 3 == 0 ? i % 5 : 0});
  }
  counter.AddTally(word_of(7), WordTally{int64_t{5} << 32, int64_t{5} << 32, 0});
  std::vector<std::pair<std::string, WordTally>> before;
  counter.ForEachTally([&](std::string_view word, const WordTally& tally) {
    before.emplace_back(word, tally);
  });
  const int64_t total = counter.TotalCount();

  const CountedWords words(std::move(counter));
  EXPECT_EQ(counter.DistinctCount(), 0u);
  EXPECT_EQ(words.DistinctCount(), before.size());
  EXPECT_EQ(words.TotalCount(), total);
  std::vector<std::pair<std::string, WordTally>> after;
  words.ForEachTally([&](std::string_view word, const WordTally& tally) {
    after.emplace_back(word, tally);
  });
  EXPECT_EQ(after, before);
  for (size_t i = 0; i < before.size(); ++i) {
    ASSERT_EQ(words.IndexOf(before[i].first), i);
    ASSERT_EQ(words.Find(before[i].first), before[i].second);
  }
  std::vector<std::pair<std::string, WordTally>> capitalised;
  words.ForEachCapitalised([&](std::string_view word, const WordTally& tally) {
    capitalised.emplace_back(word, tally);
  });
  std::vector<std::pair<std::string, WordTally>> expected;
  std::copy_if(before.begin(), before.end(), std::back_inserter(expected),
               [](const auto& word) { return word.second.capitalised != 0; });
  EXPECT_EQ(capitalised, expected);
  EXPECT_EQ(words.IndexOf("absent"), std::nullopt);
  EXPECT_EQ(words.Find(word_of(3000)), WordTally{});
  EXPECT_EQ(CountedWords().Find("w0"), WordTally{});
}

}  // namespace
}  // namespace tarn
