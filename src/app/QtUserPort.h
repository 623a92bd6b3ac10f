#pragma once

#include <QString>

#include "wordlists/UserPort.h"

class QWidget;

namespace tarn::app {

// The port as the desktop program answers it: Qt message boxes, file dialogs, the override
// cursor and the clipboard. Every box is titled with the program's name.
class QtUserPort : public UserPort {
 public:
  // Boxes titled `title`; by default the executable's name without its extension.
  explicit QtUserPort(QString title = DefaultTitle());

  // A modal box with no icon and one OK button.
  void ShowMessage(const std::string& text) override;
  // A modal box with the error icon and one OK button; the text gains the full-stop rule.
  void ReportError(const std::string& message) override;
  // Qt's open dialog for one existing file.
  std::optional<DialogChoice> AskOpenFile(const FileDialogRequest& request) override;
  // Qt's open dialog for one or more existing files.
  std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest& request) override;
  // Qt's dialog for an existing folder.
  std::optional<std::string> AskFolder(const std::string& initial_folder) override;
  // Qt's save dialog; no default suffix and no overwrite question.
  std::optional<DialogChoice> AskSaveFile(const FileDialogRequest& request) override;
  // The clipboard's text, nothing when it holds no text or an empty one.
  std::optional<std::string> ClipboardText() override;
  // The wait cursor over the whole application; calls nest.
  void BeginBusy() override;
  void EndBusy() override;

  // The executable's file name without its extension.
  static QString DefaultTitle();

 private:
  std::optional<DialogChoice> AskFile(const FileDialogRequest& request, bool save);

  QString title_;
};

}  // namespace tarn::app
