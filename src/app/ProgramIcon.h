#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarn::app {

// The program's picture drawn at `size` pixels square: a white T on a blue tile.
QPixmap ProgramPixmap(int size);

// The window icon, the picture at the usual sizes.
QIcon ProgramIcon();

}  // namespace tarn::app
