#pragma once

#include <algorithm>
#include <array>
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
    for (const std::string& form : forms_) {
      lengths_ |= LengthBit(form.size());
      if (!form.empty()) firsts_[static_cast<unsigned char>(form[0]) & 0x7F] = true;
    }
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
  // Whether a word of `length` letters starting with `first` (any case) may be a form: the
  // quick test that turns most words away.
  bool MayHold(char first, size_t length) const {
    return (lengths_ & LengthBit(length)) != 0 &&
           firsts_[static_cast<unsigned char>(first | 0x20) & 0x7F];
  }
  // Whether `written`, ASCII letters in any case, is one of the forms once lower-cased.
  bool ContainsWritten(std::string_view written) const {
    if (written.empty() || !MayHold(written[0], written.size())) return false;
    if (forms_.size() <= kFewForms) {
      // Letters only: setting the case bit lower-cases them.
      return std::any_of(forms_.begin(), forms_.end(), [written](const std::string& form) {
        if (form.size() != written.size()) return false;
        for (size_t i = 0; i < form.size(); ++i) {
          if ((written[i] | 0x20) != form[i]) return false;
        }
        return true;
      });
    }
    char lowered[64];
    if (written.size() > sizeof lowered) return Contains(LowerLetters(written));
    for (size_t i = 0; i < written.size(); ++i) lowered[i] = Lower(written[i]);
    return Contains(std::string_view(lowered, written.size()));
  }
  // `written`, ASCII letters in any case, lower-cased.
  static std::string LowerLetters(std::string_view written) {
    std::string lowered(written);
    for (char& c : lowered) c = Lower(c);
    return lowered;
  }
  bool Empty() const { return forms_.empty(); }
  // The forms, sorted, each once.
  const std::vector<std::string>& Forms() const { return forms_; }

 private:
  // Up to this many forms are compared one by one.
  static constexpr size_t kFewForms = 8;

  static char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
  }
  static uint64_t LengthBit(size_t length) { return uint64_t{1} << std::min<size_t>(length, 63); }

  std::vector<std::string> forms_;
  uint64_t lengths_ = 0;
  std::array<bool, 128> firsts_{};  // the forms' first letters
};

}  // namespace tarn
