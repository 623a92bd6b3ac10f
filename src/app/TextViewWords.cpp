#include "app/TextViewWords.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "concordance/ConcordanceWindow.h"
#include "text/CodePage936.h"

namespace tarn::app {

namespace {

// A listing line holds its word, blanks, TAB and the count.
bool IsListingLine(const QString& line) { return line.contains(u'\t'); }

void AddWord(const QString& word, std::vector<std::string>& words) {
  if (!word.isEmpty()) words.push_back(Utf16ToCp936(word.toStdU16String()));
}

}  // namespace

std::vector<std::string> TextViewWords(const QPlainTextEdit& view) {
  std::vector<std::string> words;
  const QTextCursor selection = view.textCursor();
  if (selection.hasSelection()) {
    const QTextDocument& document = *view.document();
    const QTextBlock last = document.findBlock(selection.selectionEnd());
    for (QTextBlock block = document.findBlock(selection.selectionStart()); block.isValid();
         block = block.next()) {
      AddWord(concordance::ConcordanceWindow::ListingWord(block.text()), words);
      if (block == last) break;
    }
    return words;
  }
  const QString line = selection.block().text();
  if (IsListingLine(line)) {
    AddWord(concordance::ConcordanceWindow::ListingWord(line), words);
  } else {
    QTextCursor word = selection;
    word.select(QTextCursor::WordUnderCursor);
    AddWord(word.selectedText().trimmed(), words);
  }
  return words;
}

}  // namespace tarn::app
