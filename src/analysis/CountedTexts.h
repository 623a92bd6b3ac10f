#pragma once

#include <cstddef>
#include <cstdint>

#include "analysis/FirstSeenCounter.h"

namespace tarn {

// Hears what a WordStreamCounter that counts a stream of texts (CountTexts) counted, so that
// the words of all the texts share one counter while each text's own counts are still known.
class CountedTexts {
 public:
  virtual ~CountedTexts() = default;
  // `count` more words of the current text were counted into `words`, their first-seen indexes
  // in `entries`, in order, with the `capital_count` capitals of FirstSeenCounter::AddCapitals.
  // Called on the counting thread.
  virtual void Counted(const FirstSeenCounter& words, const uint32_t* entries, size_t count,
                       const uint32_t* capitals, size_t capital_count) = 0;
  // The current text is complete: its words came in the calls to Counted since the last text,
  // into `words`. Called on the counting thread.
  virtual void TextEnded(const FirstSeenCounter& words) = 0;
  // The current text is given up: the words of it counted into `words` so far are to be taken
  // back. Called once counting has caught up, on the thread that fed the text.
  virtual void TextDropped(FirstSeenCounter& words) = 0;
};

}  // namespace tarn
