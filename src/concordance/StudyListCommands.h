#pragma once

#include <functional>
#include <string>

#include "concordance/Glosses.h"
#include "concordance/ViewForms.h"

namespace tarn {

class MainSession;
class ProfileCommands;

// "导出生词本": the study list of the text view's listing, written for flashcards and for
// spreadsheets.
class StudyListCommands {
 public:
  // The save dialog's filter list.
  static constexpr char kFilter[] = "生词本(*.tsv)|*.tsv";

  // The level lists come from `profile`, the glosses from `glosses`; all must outlive the
  // commands.
  StudyListCommands(MainSession& session, ProfileCommands& profile, const Glosses& glosses)
      : session_(session), profile_(profile), glosses_(glosses) {}

  // Before any counting run tells the user to open a document. Otherwise asks for a name and
  // writes the study list of the text view (MakeStudyList, the words standing for their forms
  // in `scope`) to the name + ".tsv" (StudyListTsv) and the name + ".csv" (StudyListCsv).
  // A cancelled dialog does nothing. Both files are written completely before either replaces
  // what was there, so a failed write throws the error naming its file and leaves the old
  // files in place. A document changed since it was counted gives empty sentences and a
  // message. When `leave_out` is given, the listed words (UTF-8, as the listing shows them) it
  // holds true for have no row: the words the learner knows.
  void ExportStudyList(FormScope scope,
                       const std::function<bool(const std::string& word)>& leave_out = {});

 private:
  MainSession& session_;
  ProfileCommands& profile_;
  const Glosses& glosses_;
};

}  // namespace tarn
