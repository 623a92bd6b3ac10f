#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarn {

// The one exception type of the program. Its message is the text the user sees, word for word,
// in UTF-8; a command ends at the first Error and the shell that ran it reports the message.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The message as the error report shows it: a full stop is appended unless the last character
// sorts at or before "." (so "备份文件不成功！" gains one, "Stream read error." does not).
std::string WithFullStop(std::string_view message);

// "Cannot open file "%s". %s" with the system's text for errno `error_number`.
Error CannotOpenFile(std::string_view path, int error_number);

// "Cannot create file "%s". %s" with the system's text for errno `error_number`.
Error CannotCreateFile(std::string_view path, int error_number);

}  // namespace tarn
