#pragma once

#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace tarn::app {

// The words a command on the text view's popup menu works on (code page 936): the word of
// every selected line that holds one, a listing line giving the word before its count, or,
// without a selection, the word of the caret's line: a listing line's word, else the word under
// the caret.
std::vector<std::string> TextViewWords(const QPlainTextEdit& view);

}  // namespace tarn::app
