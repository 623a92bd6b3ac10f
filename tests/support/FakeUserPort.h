#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "wordlists/UserPort.h"

namespace tarn::testing {

// A scripted person: records every message and dialog request, answers dialogs from queues
// (an empty optional is a cancel) and fails the test loudly when a dialog comes unscripted.
class FakeUserPort : public UserPort {
 public:
  std::vector<std::string> messages;
  std::vector<FileDialogRequest> open_requests;
  std::vector<FileDialogRequest> save_requests;
  std::deque<std::optional<DialogChoice>> open_answers;
  std::deque<std::optional<DialogChoice>> save_answers;
  std::deque<std::optional<std::vector<std::string>>> open_files_answers;
  std::deque<std::optional<std::string>> folder_answers;
  std::optional<std::string> clipboard;
  int busy_depth = 0;
  int busy_calls = 0;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::optional<DialogChoice> AskOpenFile(const FileDialogRequest& request) override {
    open_requests.push_back(request);
    return Next(open_answers, "open");
  }

  std::optional<std::vector<std::string>> AskOpenFiles(const FileDialogRequest& request) override {
    open_requests.push_back(request);
    return Next(open_files_answers, "open files");
  }

  std::optional<std::string> AskFolder(const std::string&) override {
    return Next(folder_answers, "folder");
  }

  std::optional<DialogChoice> AskSaveFile(const FileDialogRequest& request) override {
    save_requests.push_back(request);
    return Next(save_answers, "save");
  }

  std::optional<std::string> ClipboardText() override { return clipboard; }

  void BeginBusy() override {
    ++busy_depth;
    ++busy_calls;
  }
  void EndBusy() override { --busy_depth; }

 private:
  template <typename Answer>
  static std::optional<Answer> Next(std::deque<std::optional<Answer>>& answers, const char* kind) {
    if (answers.empty()) throw std::logic_error(std::string("unscripted ") + kind + " dialog");
    std::optional<Answer> answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace tarn::testing
