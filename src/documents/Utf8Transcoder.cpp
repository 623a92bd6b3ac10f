#include "documents/Utf8Transcoder.h"

namespace tarn {

Utf8Transcoder::Utf8Transcoder(const std::string& converter) {
  UErrorCode status = U_ZERO_ERROR;
  source_ = ucnv_open(converter.c_str(), &status);
  status = U_ZERO_ERROR;
  utf8_ = ucnv_open("UTF-8", &status);
}

Utf8Transcoder::~Utf8Transcoder() {
  if (source_ != nullptr) ucnv_close(source_);
  if (utf8_ != nullptr) ucnv_close(utf8_);
}

void Utf8Transcoder::Convert(std::string_view bytes, bool last, std::string& out) {
  out.clear();
  if (source_ == nullptr || utf8_ == nullptr) return;
  const char* source = bytes.data();
  const char* const source_end = bytes.data() + bytes.size();
  // Three UTF-8 bytes for each input byte at most, and room for what the pivot still holds.
  out.resize(bytes.size() * 3 + 4 * sizeof pivot_ / sizeof pivot_[0] + 16);
  char* target = out.data();
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(utf8_, source_, &target, out.data() + out.size(), &source, source_end, pivot_,
                   &pivot_source_, &pivot_target_, pivot_ + sizeof pivot_ / sizeof pivot_[0],
                   !started_, last, &status);
    started_ = true;
    if (status != U_BUFFER_OVERFLOW_ERROR) break;
    const size_t written = static_cast<size_t>(target - out.data());
    out.resize(out.size() * 2);
    target = out.data() + written;
  }
  out.resize(static_cast<size_t>(target - out.data()));
}

}  // namespace tarn
