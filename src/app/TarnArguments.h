#pragma once

#include <QString>
#include <QStringList>

namespace tarn::app {

// What the desktop program's command line asks for.
struct TarnArguments {
  bool help = false;
  bool version = false;
  // The document to count at start; empty for none.
  QString file;
  // Why the command line cannot be run; empty when it can.
  QString error;
};

// Reads `args` (the program's name left out, Qt's own options already taken out): --help,
// --version, and at most one FILE ("--" ends the options).
TarnArguments ParseTarnArguments(const QStringList& args);

// Whether `args` (as the system passed them, Qt's options among them) asks for --help or
// --version before any "--": those need no display.
bool AsksForTextOnly(const QStringList& args);

// What tarn --help prints, and its manual page is made from.
QString TarnHelpText();

// What tarn --version prints.
QString TarnVersionText();

}  // namespace tarn::app
