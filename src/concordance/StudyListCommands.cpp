#include "concordance/StudyListCommands.h"

#include <optional>
#include <string>

#include "analysis/DocumentGuard.h"
#include "analysis/MainSession.h"
#include "concordance/StudyList.h"
#include "concordance/StudyListFiles.h"
#include "profile/ProfileCommands.h"
#include "wordlists/PendingFile.h"

namespace tarn {

void StudyListCommands::ExportStudyList(
    FormScope scope, const std::function<bool(const std::string& word)>& leave_out) {
  StatisticsState& state = session_.State();
  UserPort& port = session_.Port();
  if (!RequireDocument(state, port)) return;
  const std::optional<DialogChoice> choice = port.AskSaveFile(FileDialogRequest{kFilter, {}});
  if (!choice) return;
  const LevelLists& levels = profile_.Lists(Ladder::kExam);
  StudyList list;
  {
    BusyCursor busy(port);
    list = MakeStudyList(state.text_view, scope,
                         {state, session_.Words(), session_.Source(), levels, glosses_});
    if (leave_out) {
      std::erase_if(list.rows, [&leave_out](const StudyRow& row) { return leave_out(row.word); });
    }
  }
  PendingFile flashcards(choice->file_name + ".tsv", StudyListTsv(list.rows));
  PendingFile table(choice->file_name + ".csv", StudyListCsv(list.rows));
  flashcards.Commit();
  table.Commit();
  if (list.reading == DocumentSource::Reading::kChanged) {
    port.ShowMessage("文档“" + session_.Source().Path() +
                     "”在统计之后已被修改或移走，生词本中没有例句，请重新统计！");
  }
}

}  // namespace tarn
