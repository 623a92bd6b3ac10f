#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "wordlists/UserPort.h"

namespace tarn::dicttools {

// The open dialog's filter: the text form first, then the .dat form.
inline constexpr std::string_view kOpenFilter = "Text files (*.txt)|*.TXT|Dat files (*.dat)|*.dat";

// The save dialog's filter; its index picks the form SaveWordList writes.
inline constexpr std::string_view kSaveFilter = "Txt文件(*.Txt)|*.txt|Dat文件(*.Dat)|*.Dat";

// A word list read for the text area, and the caption that names it.
struct OpenedWordList {
  std::u16string text;     // UTF-16; .dat entries each followed by CR LF
  std::u16string caption;  // the chosen file's name as the dialog returned it
};

// True when `path` is read as the .dat form: its last three characters are "DAT" in any case
// ("words.Dat" and "mydat" are, "words.dat.txt" is not).
bool NamesDatForm(std::string_view path);

// Reads the word list at `path`: the .dat form by its name, else the text form by its mark.
// Throws the reader's tarn::Error; nothing is returned then.
std::u16string ReadWordListText(const std::string& path);

// Asks for a word list (the open dialog starts in `dict_folder`) and reads it under the busy
// cursor. Nothing when the user cancels; throws the reader's tarn::Error, so the caller
// changes nothing unless the whole file was read.
std::optional<OpenedWordList> OpenWordList(UserPort& port, const std::string& dict_folder);

// Asks for a name and saves `text` (the text area) through SaveWordList, dictionary tools
// variant: lower-cased, filter 1 as text, any other as .dat. Nothing when cancelled.
void SaveWordListText(UserPort& port, std::u16string_view text);

}  // namespace tarn::dicttools
