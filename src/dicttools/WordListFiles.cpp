#include "dicttools/WordListFiles.h"

#include <vector>

#include "text/AsciiCase.h"
#include "text/CodePage936.h"
#include "text/Lines.h"
#include "text/Utf8.h"
#include "wordlists/DatFile.h"
#include "wordlists/SaveWordList.h"
#include "wordlists/TextWordList.h"

namespace tarn::dicttools {

bool NamesDatForm(std::string_view path) {
  return path.size() >= 3 && LowerAscii(path.substr(path.size() - 3)) == "dat";
}

std::u16string ReadWordListText(const std::string& path) {
  if (NamesDatForm(path)) return Cp936ToUtf16(JoinLines(LoadDatList(path)));
  return ReadMarkedText(path);
}

std::optional<OpenedWordList> OpenWordList(UserPort& port, const std::string& dict_folder) {
  const std::optional<DialogChoice> choice =
      port.AskOpenFile({std::string(kOpenFilter), dict_folder});
  if (!choice) return std::nullopt;
  const BusyCursor busy(port);
  // Read everything before the caller touches the text area: a damaged file must not cost
  // the user the list they were working on.
  return OpenedWordList{ReadWordListText(choice->file_name), Utf8ToUtf16(choice->file_name)};
}

void SaveWordListText(UserPort& port, std::u16string_view text) {
  const std::optional<DialogChoice> choice = port.AskSaveFile({std::string(kSaveFilter), ""});
  if (!choice) return;
  SaveWordList(port, *choice, Utf16ToCp936(text), SaveSource::kDictionaryTools);
}

}  // namespace tarn::dicttools
