#pragma once

#include <QDialog>
#include <optional>

#include "profile/ProfileCommands.h"
#include "profile/VocabularyProfile.h"

class QLabel;
class QRadioButton;
class QTableWidget;

namespace tarn {
class UserPort;
}

namespace tarn::profile {

class LevelBarChart;

// "词汇等级分布": the counted document's vocabulary profile as a table and a bar chart, the
// 95 %/98 % verdict in a sentence, a switch between the exam and frequency ladders, and export
// of the table as text and of the chart as a PNG picture. Created hidden; closing it hides it.
class ProfileWindow : public QDialog {
  Q_OBJECT

 public:
  // The window, hidden, on the exam ladder. `port` answers its save dialogs and reports its
  // errors; it must outlive the window.
  explicit ProfileWindow(UserPort& port, QWidget* parent = nullptr);

  // Shows the profile that `commands` compute, as an ordinary window beside the others,
  // raised. Before any counting run the commands tell the user to open a document and the
  // window stays as it was. `commands` must outlive the window.
  void ShowProfile(ProfileCommands& commands);

  // Computes the shown profile again, after a new counting run; nothing when hidden.
  void Refresh();

 Q_SIGNALS:
  // A double-click on `row` of the profile over `ladder`: its words belong in the text view.
  void RowActivated(tarn::Ladder ladder, const tarn::ProfileRow& row);

 public Q_SLOTS:
  // "导出表格": the table, as tarn-cli's profile step prints it, to NAME.txt.
  void ExportTableClick();
  // "导出图表": the chart, at its size on the screen, to NAME.png.
  void ExportChartClick();

 private:
  void BuildWindow();
  // Computes the profile over the selected ladder and fills the table, chart and labels.
  void Fill();
  void FillTable();
  // The levels of the shown ladder whose lists could not be read, for the note below the table.
  QString UnreadLists();
  Ladder SelectedLadder() const;
  void ActivateRow(int row);
  template <typename Command>
  void Guarded(Command&& command);

  UserPort& port_;
  ProfileCommands* commands_ = nullptr;
  std::optional<VocabularyProfile> profile_;

  QRadioButton* exam_button_ = nullptr;
  QRadioButton* frequency_button_ = nullptr;
  QTableWidget* table_ = nullptr;
  LevelBarChart* chart_ = nullptr;
  QLabel* verdict_label_ = nullptr;
  QLabel* unread_label_ = nullptr;
};

}  // namespace tarn::profile
