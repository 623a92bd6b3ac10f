#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "concordance/Concordance.h"
#include "concordance/ConcordanceCommands.h"
#include "concordance/Glosses.h"
#include "concordance/ViewForms.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;

namespace tarn {
class UserPort;
}

namespace tarn::concordance {

class ConcordanceModel;

// "查看上下文": every occurrence of a word of the listing, one line each, the left context
// right-aligned before the highlighted occurrence; a heading with the count, the forms and the
// gloss, three orders, a context width, copy and export as text. Created hidden; closing it
// hides it.
class ConcordanceWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMinWidth = 10;
  static constexpr int kMaxWidth = 200;

  // The window, hidden. `port` answers its save dialog and shows its messages; it must outlive
  // the window.
  explicit ConcordanceWindow(UserPort& port, QWidget* parent = nullptr);
  ~ConcordanceWindow() override;

  // Shows the concordance of `word` (code page 936) standing for its forms in `scope`, raised.
  // A word that does not occur and a document that changed since it was counted give an empty
  // window and a message; before any counting run the commands tell the user to open a
  // document and the window stays as it was. `commands` and `glosses` must outlive the window.
  void ShowWord(ConcordanceCommands& commands, const LazyGlosses& glosses, std::string word,
                FormScope scope);

  // After a new counting run the lines belong to another document: hides and empties the window.
  void DocumentReplaced();

  // The word a listing line starts with (the text before its blanks or TAB), trimmed.
  static QString ListingWord(const QString& line);

 public Q_SLOTS:
  // "复制": the selected lines, or every line when none is selected, to the clipboard as
  // LEFT TAB WORD TAB RIGHT, one a line.
  void CopyClick();
  // "导出为文本": every line in the shown order, as "复制" gives them, to NAME.txt in code page
  // 936 with CR LF, like the main window's text export.
  void ExportClick();

 private:
  void BuildWindow();
  // Finds the concordance again at the chosen width and shows it.
  void Fill();
  // Shows the lines in the chosen order.
  void ShowLines();
  void ShowHeading();
  template <typename Command>
  void Guarded(Command&& command);

  UserPort& port_;
  ConcordanceCommands* commands_ = nullptr;
  const LazyGlosses* glosses_ = nullptr;
  std::string word_;
  FormScope scope_ = FormScope::kWordAlone;
  std::optional<Concordance> found_;

  QLabel* heading_ = nullptr;
  QComboBox* order_box_ = nullptr;
  QSpinBox* width_box_ = nullptr;
  QTableView* lines_ = nullptr;
  ConcordanceModel* model_ = nullptr;
};

}  // namespace tarn::concordance
