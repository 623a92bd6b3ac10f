#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "wordlists/UserPort.h"

class QLineEdit;

namespace tarn::dicttools {
class LineTextArea;
}

// The dictionary tools window: a text area holding a word list, two boxes and a toolbar of
// line operations, open and save. Created hidden; closing it hides it and keeps its contents.
class Tfrmdicttools : public QDialog {
  Q_OBJECT

 public:
  // The window, hidden, with an empty text area and boxes "2" and "4". `port` answers its
  // dialogs and shows its messages and error reports; it must outlive the window.
  explicit Tfrmdicttools(tarn::UserPort& port, QWidget* parent = nullptr);

  // Shows the window as an ordinary window beside the others, raised.
  void ShowModeless();

  // Shows the window modally and returns once it is closed. Throws tarn::Error "Cannot make a
  // visible window modal" when it is already showing.
  void ShowModal();

 public Q_SLOTS:
  // Open a word list into the text area; the caption becomes its name.
  void RzBitBtn5Click();
  // Save the text area as a word list, text or .dat form.
  void RzBitBtn4Click();
  // Close (hide) the window.
  void RzBitBtn6Click();

  // The line operations, each applying its result to the text area, box 2 or a message.
  void RzBitBtn2Click();   // extract by length
  void RzBitBtn1Click();   // delete by prefix
  void RzBitBtn12Click();  // extract by suffix
  void RzBitBtn13Click();  // delete by suffix
  void RzBitBtn7Click();   // extract by prefix
  void RzBitBtn8Click();   // first characters
  void RzBitBtn11Click();  // character codes of box 1
  void RzBitBtn14Click();  // extract doubled final letters
  void RzBitBtn15Click();  // longest line
  void RzBitBtn19Click();  // sort
  void RzBitBtn18Click();  // remove duplicates
  void RzBitBtn17Click();  // delete by substring
  void RzBitBtn3Click();   // split into words
  void RzBitBtn9Click();   // extract by substring
  void RzBitBtn10Click();  // the part before a key
  void RzBitBtn16Click();  // blank characters above a code

 private:
  void BuildToolbar();
  void RunTool(std::string_view handler);
  template <typename Command>
  void Guarded(Command&& command);
  std::u16string TextAreaText() const;
  void SetTextAreaText(std::u16string_view text);

  tarn::UserPort& port_;
  tarn::dicttools::LineTextArea* TntRichEdit1 = nullptr;
  QLineEdit* TntEdit1 = nullptr;
  QLineEdit* TntEdit2 = nullptr;
};
