#include "cli/CliPort.h"

#include <ostream>

#include "text/Utf8.h"

namespace tarn::cli {

std::string WithLfLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      result += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      result += '\n';
    }
  }
  return result;
}

void WriteUtf8WithLfLineEnds(std::string_view text, std::ostream& out) {
  // A piece ends just after a line end, a CR LF taken whole: neither a line end nor a
  // double-byte character (whose second byte is never a CR or an LF) is cut in two. Listings
  // end their lines with a CR alone.
  constexpr size_t kPiece = size_t{1} << 20;
  while (!text.empty()) {
    size_t end = text.size();
    if (end > kPiece) {
      const size_t line_end = text.find_first_of("\r\n", kPiece);
      if (line_end != std::string_view::npos) {
        end = line_end + 1;
        if (text[line_end] == '\r' && end < text.size() && text[end] == '\n') ++end;
      }
    }
    out << WithLfLineEnds(Cp936ToUtf8(text.substr(0, end)));
    text.remove_prefix(end);
  }
}

void CliPort::ShowMessage(const std::string& text) {
  err_ << "message: " << WithLfLineEnds(text) << '\n';
}

std::optional<DialogChoice> CliPort::AskOpenFile(const FileDialogRequest&) { return answer_; }

std::optional<std::vector<std::string>> CliPort::AskOpenFiles(const FileDialogRequest&) {
  if (!answer_) return std::nullopt;
  return std::vector<std::string>{answer_->file_name};
}

std::optional<std::string> CliPort::AskFolder(const std::string&) {
  if (!answer_) return std::nullopt;
  return answer_->file_name;
}

std::optional<DialogChoice> CliPort::AskSaveFile(const FileDialogRequest&) { return answer_; }

}  // namespace tarn::cli
