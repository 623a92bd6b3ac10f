#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarn {

// Which rows of a profile each base form was met in, to count the distinct base forms of every
// row. Base forms are told apart by their WordHash: among a few hundred thousand words two
// hashes meet about once in ten billion documents, so no text is kept. The pairs are sorted
// once at the end rather than looked up one by one, which keeps memory access in order.
class BaseFormRows {
 public:
  // Room for `expected` pairs without growing.
  explicit BaseFormRows(size_t expected) { pairs_.reserve(expected); }

  // Notes that the base form whose WordHash is `hash` was met in `row` (0 to 15).
  void Add(uint64_t hash, int row) { pairs_.push_back(hash << 4 | static_cast<uint64_t>(row)); }
  // Sorts the pairs noted so far, as Merge and CountPerRow need them; the parts of a table
  // placed on two threads are sorted on each.
  void Sort();
  // Takes over the pairs of `other`; both must be sorted, and the pairs stay so.
  void Merge(BaseFormRows&& other);
  // How many distinct base forms were met in each of the first `rows` rows; after Sort.
  std::vector<int64_t> CountPerRow(size_t rows) const;

 private:
  std::vector<uint64_t> pairs_;  // the hash's low 60 bits, then the row in 4 bits
};

}  // namespace tarn
