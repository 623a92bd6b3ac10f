// Writes the program's icon as PNG files for the desktop's icon theme, at build time:
//   tarn_make_icons FOLDER  ->  FOLDER/SIZExSIZE/apps/tarn.png for each size the theme lists.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "app/ProgramIcon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: tarn_make_icons FOLDER\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString size_folder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(size_folder) ||
        !tarn::app::ProgramPixmap(size).save(size_folder + QStringLiteral("/tarn.png"))) {
      std::fprintf(stderr, "tarn_make_icons: cannot write %s\n", size_folder.toLocal8Bit().data());
      return 1;
    }
  }
  return 0;
}
