#include <gtest/gtest.h>

#include "DictToolCase.h"
#include "dicttools/WordSplit.h"

namespace tarn::dicttools {
namespace {

TEST(SplitIntoWords, CutsTheTextIntoWords) {
  ExpectTexts(
      SplitIntoWords,
      {
          {"Don't stop.", "", Text({"Do", "stop"})},
          {"Don't stop", "", Text({"Do", "stop"})},
          {"well-known, e-mail 2009", "", Text({"well-known", "e-mail"})},
          {"a -- b", "", Text({"a", "--", "b"})},
          {"John's can't I'll we'll o'clock", "", Text({"John", "ca", "I", "we", "o", "clock"})},
          {"mp3's Ann'S it\u2019s", "", Text({"mp", "Ann", "S", "it", "s"})},
          {"'Sorry,' she said. 'tin' 'sad' 'll", "",
           Text({"Sorry", "she", "said", "tin", "sad", "ll"})},
          {"the the\r\nThe\tend", "", Text({"the", "the", "The", "end"})},
          {"中文，汉字。", "", ""},
          {"", "", ""},
          {"it'", "", Text({"it"})},
          {"naïve café", "", Text({"na", "ve", "caf"})},
      });
}

}  // namespace
}  // namespace tarn::dicttools
