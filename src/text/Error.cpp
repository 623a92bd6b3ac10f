#include "text/Error.h"

#include <cstring>

#include "text/Utf8.h"

namespace tarn {

std::string WithFullStop(std::string_view message) {
  std::string shown(message);
  const std::u16string wide = Utf8ToUtf16(message);
  if (!wide.empty() && wide.back() > u'.') shown += '.';
  return shown;
}

std::string WithFileName(const Error& error) {
  const std::string_view message = error.what();
  if (error.file().empty() || message.find(error.file()) != std::string_view::npos) {
    return std::string(message);
  }
  return error.file() + ": " + std::string(message);
}

Error CannotOpenFile(std::string_view path, int error_number) {
  return Error("Cannot open file \"" + std::string(path) + "\". " + std::strerror(error_number),
               std::string(path));
}

Error CannotCreateFile(std::string_view path, int error_number) {
  return Error("Cannot create file \"" + std::string(path) + "\". " + std::strerror(error_number),
               std::string(path));
}

}  // namespace tarn
