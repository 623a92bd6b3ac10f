#pragma once

#include <cstddef>
#include <vector>

#include "concordance/Concordance.h"

namespace tarn {

// How the lines of a concordance are listed.
enum class ConcordanceOrder {
  kDocument,    // as the occurrences come in the document
  kLeftWords,   // by the word before the occurrence, then the one before that, ...
  kRightWords,  // by the word after the occurrence, then the next, ...
};

// The lines of `found` in `order`, as indices into it. Words are compared ignoring ASCII case
// and the punctuation between them, byte by byte (code page 936); lines whose words are equal
// keep their document order, and a context that runs out of words comes first.
std::vector<size_t> OrderOf(const Concordance& found, ConcordanceOrder order);

}  // namespace tarn
