#pragma once

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text/Error.h"

namespace tarn {

// What an open or save dialog is asked to show. `filter` uses the "caption|pattern|..." form.
struct FileDialogRequest {
  std::string filter;
  std::string initial_folder;  // empty: wherever the dialog was last
};

// What the dialog returned: the chosen name as the system gives it (bytes in the user's locale)
// and the 1-based index of the chosen filter.
struct DialogChoice {
  std::string file_name;
  int filter_index = 1;
};

// Everything a command asks of the person using it. The Qt windows, tarn-cli and the tests
// each implement it; the core never shows anything itself.
class UserPort {
 public:
  virtual ~UserPort() = default;

  // A message box with `text` (UTF-8), one OK button and no icon; returns once it is closed.
  virtual void ShowMessage(const std::string& text) = 0;

  // The error report for a command that ended with tarn::Error `message` (UTF-8). The Qt port
  // shows the error box; by default the message box, with the full-stop rule applied.
  virtual void ReportError(const std::string& message) { ShowMessage(WithFullStop(message)); }

  // The open dialog; nothing when the user cancels.
  virtual std::optional<DialogChoice> AskOpenFile(const FileDialogRequest& request) = 0;

  // The open dialog for one or more existing files, in the order chosen; nothing when the
  // user cancels.
  virtual std::optional<std::vector<std::string>> AskOpenFiles(
      const FileDialogRequest& request) = 0;

  // The dialog for an existing folder, opening at `initial_folder` (empty: wherever it was
  // last); nothing when the user cancels.
  virtual std::optional<std::string> AskFolder(const std::string& initial_folder) = 0;

  // The save dialog (no default extension, no overwrite question); nothing when cancelled.
  virtual std::optional<DialogChoice> AskSaveFile(const FileDialogRequest& request) = 0;

  // The clipboard's text (UTF-8) when it holds text, nothing otherwise.
  virtual std::optional<std::string> ClipboardText() = 0;

  // Shows the busy cursor until the matching EndBusy; calls nest.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
};

// Runs `command`, telling the user through `port` of the error it throws, if any.
template <typename Command>
void ReportingErrors(UserPort& port, Command&& command) {
  try {
    std::forward<Command>(command)();
  } catch (const std::exception& error) {
    port.ReportError(error.what());
  }
}

// Shows the busy cursor for the lifetime of the guard, restoring it on every way out.
class BusyCursor {
 public:
  explicit BusyCursor(UserPort& port) : port_(port) { port_.BeginBusy(); }
  ~BusyCursor() { port_.EndBusy(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  UserPort& port_;
};

}  // namespace tarn
