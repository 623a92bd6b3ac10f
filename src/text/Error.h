#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tarn {

// The one exception type of the program. Its message is the text the user sees, word for word,
// in UTF-8; a command ends at the first Error and the shell that ran it reports the message.
class Error : public std::runtime_error {
 public:
  // `file` names the file the error came from, when the code that failed knew it; the message
  // the window shows is `message` alone either way.
  explicit Error(const std::string& message, std::string file = {})
      : std::runtime_error(message), file_(std::move(file)) {}

  // The file the error came from, or empty.
  const std::string& file() const { return file_; }

 private:
  std::string file_;
};

// Runs `action`; an Error from it that names no file yet is thrown again naming `file`.
template <class Action>
decltype(auto) NamingFile(const std::string& file, Action&& action) {
  try {
    return std::forward<Action>(action)();
  } catch (const Error& error) {
    if (!error.file().empty()) throw;
    throw Error(error.what(), file);
  }
}

// The message as a command-line program prints it: "FILE: MESSAGE" when the error names a file
// that the message itself does not mention, the message alone otherwise.
std::string WithFileName(const Error& error);

// The message as the error report shows it: a full stop is appended unless the last character
// sorts at or before "." (so "备份文件不成功！" gains one, "Stream read error." does not).
std::string WithFullStop(std::string_view message);

// "Cannot open file "%s". %s" with the system's text for errno `error_number`.
Error CannotOpenFile(std::string_view path, int error_number);

// "Cannot create file "%s". %s" with the system's text for errno `error_number`.
Error CannotCreateFile(std::string_view path, int error_number);

}  // namespace tarn
