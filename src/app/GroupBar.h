#pragma once

#include <QIcon>
#include <QScrollArea>
#include <QString>

class QButtonGroup;
class QToolButton;
class QVBoxLayout;

namespace tarn::app {

// The column of command groups beside the text view: every group open, each item a flat button
// with an icon and a caption, and one item at a time shown as the selected one.
class GroupBar : public QScrollArea {
  Q_OBJECT

 public:
  // An empty bar.
  explicit GroupBar(QWidget* parent = nullptr);

  // Starts a new group headed `caption`; later items belong to it.
  void AddGroup(const QString& caption);

  // Adds an item named `object_name` to the last group. A hidden item is built but never shown.
  QToolButton* AddItem(const QString& caption, const QString& object_name, const QIcon& icon,
                       bool visible);

 private:
  QVBoxLayout* column_ = nullptr;
  QButtonGroup* selection_ = nullptr;
};

}  // namespace tarn::app
