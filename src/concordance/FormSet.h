#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// A few word forms, asked about once for every word of a document: most words are turned away
// by their length alone.
class FormSet {
 public:
  explicit FormSet(std::vector<std::string> forms) : forms_(std::move(forms)) {
    std::sort(forms_.begin(), forms_.end());
    forms_.erase(std::unique(forms_.begin(), forms_.end()), forms_.end());
    for (const std::string& form : forms_) lengths_ |= LengthBit(form.size());
  }

  // The index of `word` among the forms in sorted order, or -1.
  int IndexOf(std::string_view word) const {
    if ((lengths_ & LengthBit(word.size())) == 0) return -1;
    const auto found =
        std::lower_bound(forms_.begin(), forms_.end(), word,
                         [](const std::string& a, std::string_view b) { return a < b; });
    return found != forms_.end() && *found == word ? static_cast<int>(found - forms_.begin()) : -1;
  }
  bool Contains(std::string_view word) const { return IndexOf(word) >= 0; }
  bool Empty() const { return forms_.empty(); }
  // The forms, sorted, each once.
  const std::vector<std::string>& Forms() const { return forms_; }

 private:
  static uint64_t LengthBit(size_t length) { return uint64_t{1} << std::min<size_t>(length, 63); }

  std::vector<std::string> forms_;
  uint64_t lengths_ = 0;
};

}  // namespace tarn
