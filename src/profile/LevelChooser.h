#pragma once

#include <QDialog>
#include <vector>

#include "profile/LevelLadder.h"

class QComboBox;

namespace tarn::profile {

// "超出等级的生词": asks which level the learner knows, from either ladder. It opens without
// blocking the program's event loop (window-modal over its parent) and says what was chosen
// through Chosen; cancelling says nothing. The last choice stays selected for the next time.
class LevelChooser : public QDialog {
  Q_OBJECT

 public:
  // Hidden, with 四级 selected.
  explicit LevelChooser(QWidget* parent = nullptr);

  // Shows the chooser over its parent and returns at once.
  void Ask();

 Q_SIGNALS:
  // The user chose `level` and confirmed.
  void Chosen(const tarn::LevelDefinition& level);

 private:
  void Confirm();

  QComboBox* combo_ = nullptr;
  std::vector<const LevelDefinition*> levels_;  // in the combo box's item order, by item data
};

}  // namespace tarn::profile
