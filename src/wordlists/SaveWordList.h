#pragma once

#include <string_view>

#include "wordlists/UserPort.h"

namespace tarn {

// Which command saves: the dictionary tools' "保存" or the main window's "保存当前词表".
enum class SaveSource { kDictionaryTools, kMainWindow };

// Saves `text` (code page 936; the dictionary tools pass their text area converted) under the
// name the save dialog returned. Filter 1 writes name + ".txt"; any other writes name + ".dat",
// first renaming an existing name + ".dat" to its ".BAK" name in the same folder (never over an
// existing one). The dictionary tools lower-case the text and go on with a message when the
// backup fails; the main window writes its text as is and throws "备份文件不成功！" without
// writing anything. Files are replaced through temporary files (see PendingFile); a .txt name
// that is a symbolic link is written through it, while a .dat save moves the link itself to the
// backup. Throws "Cannot create file ..." or "Stream write error", leaving the old file in place.
void SaveWordList(UserPort& port, const DialogChoice& choice, std::string_view text,
                  SaveSource source);

}  // namespace tarn
