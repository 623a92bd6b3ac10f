#include "analysis/ListingCommands.h"

#include <optional>
#include <string>

#include "analysis/DocumentGuard.h"
#include "analysis/ExportText.h"
#include "analysis/ViewOutput.h"
#include "analysis/WordOrder.h"
#include "wordlists/FileBytes.h"
#include "wordlists/SaveWordList.h"
#include "wordlists/UserPort.h"
#include "wordtable/Hashtable.h"

namespace tarn {

namespace {

constexpr char kXlsFilter[] = "XLS文件(*.Xls)|*.Xls";
constexpr char kTextFilter[] =
    "普通文本文件(*.txt)|*.TXT|金山词霸生词本导入格式,只有一列单词(*.txt)|*.txt";
constexpr char kWordListFilter[] = "文本文件(*.Txt)|*.txt|Dat文件(*.Dat)|*.dat";

std::optional<DialogChoice> AskSave(UserPort& port, const char* filter) {
  return port.AskSaveFile(FileDialogRequest{filter, {}});
}

}  // namespace

ListingCommands::ListingCommands(StatisticsState& state, UserPort& port)
    : state_(state), port_(port) {}

void ListingCommands::SortByCount(bool descending) {
  if (!RequireDocument(state_, port_)) return;
  state_.text_view.clear();
  {
    BusyCursor busy(port_);
    state_.SnapshotTable().Sort(descending ? 2 : 1);
  }
  state_.text_view = ListingOf(state_.SnapshotTable());
}

void ListingCommands::SortByWord(bool descending) {
  if (!RequireDocument(state_, port_)) return;
  state_.text_view.clear();
  state_.text_view = ListingInWordOrder(state_.SnapshotTable().ListText(kListingWidth), descending);
}

void ListingCommands::ExportXls() {
  const std::optional<DialogChoice> choice = AskSave(port_, kXlsFilter);
  if (!choice) return;
  WriteFileReplacing(choice->file_name + ".Xls", ViewText());
}

void ListingCommands::ExportText() {
  const std::optional<DialogChoice> choice = AskSave(port_, kTextFilter);
  if (!choice) return;
  const std::string text = ViewText();
  WriteFileReplacing(choice->file_name + ".txt",
                     choice->filter_index == 2 ? OneColumnList(text) : text);
}

void ListingCommands::SaveCurrentList() {
  const std::optional<DialogChoice> choice = AskSave(port_, kWordListFilter);
  if (!choice) return;
  SaveWordList(port_, *choice, ViewText(), SaveSource::kMainWindow);
}

std::string ListingCommands::ViewText() const { return WithCrLfBreaks(state_.text_view); }

}  // namespace tarn
