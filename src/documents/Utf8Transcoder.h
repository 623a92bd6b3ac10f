#pragma once

#include <unicode/ucnv.h>

#include <string>
#include <string_view>

namespace tarn {

// Turns text in any encoding ICU knows into UTF-8, fed in chunks cut anywhere. Malformed input
// becomes U+FFFD (or the encoding's own substitute), so the UTF-8 is always well formed.
class Utf8Transcoder {
 public:
  // `converter` names an ICU converter that exists (ConverterForLabel checks).
  explicit Utf8Transcoder(const std::string& converter);
  ~Utf8Transcoder();
  Utf8Transcoder(const Utf8Transcoder&) = delete;
  Utf8Transcoder& operator=(const Utf8Transcoder&) = delete;

  // Replaces `out` with the UTF-8 of `bytes`; `last` for the final chunk, which flushes what a
  // cut sequence left over.
  void Convert(std::string_view bytes, bool last, std::string& out);

 private:
  UConverter* source_ = nullptr;
  UConverter* utf8_ = nullptr;
  UChar pivot_[1024];
  UChar* pivot_source_ = pivot_;
  UChar* pivot_target_ = pivot_;
  bool started_ = false;
};

}  // namespace tarn
