#include "app/TarnArguments.h"

#include "app/ProgramFiles.h"

namespace tarn::app {

TarnArguments ParseTarnArguments(const QStringList& args) {
  TarnArguments parsed;
  bool options_end = false;
  for (const QString& arg : args) {
    if (!options_end && arg == QStringLiteral("--")) {
      options_end = true;
    } else if (!options_end && arg == QStringLiteral("--help")) {
      parsed.help = true;
    } else if (!options_end && arg == QStringLiteral("--version")) {
      parsed.version = true;
    } else if (!options_end && arg.startsWith(u'-') && arg != QStringLiteral("-")) {
      parsed.error = QStringLiteral("unknown option \"%1\"; see tarn --help").arg(arg);
      return parsed;
    } else if (!parsed.file.isEmpty()) {
      parsed.error = QStringLiteral("one FILE at most; see tarn --help");
      return parsed;
    } else {
      parsed.file = arg;
    }
  }
  return parsed;
}

bool AsksForTextOnly(const QStringList& args) {
  for (const QString& arg : args) {
    if (arg == QStringLiteral("--")) return false;
    if (arg == QStringLiteral("--help") || arg == QStringLiteral("--version")) return true;
  }
  return false;
}

QString TarnHelpText() {
  return QStringLiteral(
      "usage: tarn [FILE]\n"
      "       tarn --help | --version\n"
      "\n"
      "  The desktop program of Tarn, an English word-frequency tool for learners and teachers\n"
      "  of English; its windows are in simplified Chinese. It counts the words of a text, a\n"
      "  Word document or the clipboard, removes the stop words, merges inflected forms into\n"
      "  their base forms and derived words into their roots, sorts, exports and keeps word\n"
      "  lists. tarn-cli runs the same commands from the shell.\n"
      "\n"
      "arguments:\n"
      "  FILE\n"
      "      a document to count at start, as 打开文件并统计 counts it: a text file, a Word\n"
      "      document (.doc, .docx), an .odt, a PDF, an EPUB book or an HTML page. When Tarn is\n"
      "      already running, FILE goes to its window, which comes to the front.\n"
      "  --help     print this help and end\n"
      "  --version  print the version and end\n"
      "\n"
      "the window:\n"
      "  One copy of the program runs per user: a second start without FILE does nothing. A\n"
      "  file dropped on the window is counted as FILE is; several files or a folder are\n"
      "  counted as one corpus, as 打开多个文件并统计 counts them. The dict folder and\n"
      "  help.txt are read beside the executable, else from PREFIX/share/tarn (the program in\n"
      "  PREFIX/bin).\n");
}

QString TarnVersionText() {
  return QStringLiteral("tarn ") + QString::fromStdString(FileVersion()) + u'\n';
}

}  // namespace tarn::app
