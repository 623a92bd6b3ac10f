#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wordlists/UserPort.h"

namespace tarn::cli {

// `text` with CR LF and lone CRs turned into LFs.
std::string WithLfLineEnds(std::string_view text);

// Writes `text` (code page 936) to `out` in UTF-8 with LF line ends, as
// WithLfLineEnds(Cp936ToUtf8(text)), a piece of whole lines at a time: a listing of millions of
// words is not copied whole three times over to be printed.
void WriteUtf8WithLfLineEnds(std::string_view text, std::ostream& out);

// The user as tarn-cli plays it: messages go to standard error, every dialog is answered with
// the running step's argument, and the clipboard holds what a paste step put there.
class CliPort : public UserPort {
 public:
  // Messages go to `err` as "message: TEXT" (line ends as LFs).
  explicit CliPort(std::ostream& err) : err_(err) {}

  // What the next dialogs answer; nothing answers them as cancelled.
  void SetDialogAnswer(std::optional<DialogChoice> answer) { answer_ = std::move(answer); }
  // What ClipboardText gives from now on (UTF-8).
  void SetClipboard(std::optional<std::string> text) { clipboard_ = std::move(text); }

  void ShowMessage(const std::string& text) override;
  std::optional<DialogChoice> AskOpenFile(const FileDialogRequest& request) override;
  std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest& request) override;
  std::optional<std::string> AskFolder(const std::string& initial_folder) override;
  std::optional<DialogChoice> AskSaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ClipboardText() override { return clipboard_; }
  void BeginBusy() override {}
  void EndBusy() override {}

 private:
  std::ostream& err_;
  std::optional<DialogChoice> answer_;
  std::optional<std::string> clipboard_;
};

}  // namespace tarn::cli
