#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "documents/KnownWords.h"

namespace tarn {

// Joins the words that a hyphen at the end of a line split in two ("represen-" / "tatives")
// when the halves together make a known word; the second half moves up to the first line. A
// hyphen that joins no known word ("well-" / "known") stays, and so does the line break. Lines
// are code page 936, without line breaks; a line-end hyphen is "-" after ASCII letters.
class LineEndHyphens {
 public:
  // Hands the lines on to `out`, in order. Without `words` nothing is joined; they are looked
  // up only for a line that ends in a hyphen after letters.
  LineEndHyphens(const KnownWords* words, std::function<void(std::string_view)> out)
      : words_(words), out_(std::move(out)) {}

  // The next line. A line that ends in a split word is kept until the line after it comes.
  void Add(std::string line);
  // Hands on the line still kept, if any; call after the last line.
  void Finish();

 private:
  // Moves the first word of `line` to the end of the kept line when the two make a known word.
  void JoinKept(std::string& line);

  const KnownWords* words_;
  std::function<void(std::string_view)> out_;
  std::optional<std::string> kept_;
  size_t fragment_ = 0;  // where the kept line's last word starts
  size_t hyphen_ = 0;    // where the hyphen after it is
};

}  // namespace tarn
