#include "cli/CliSession.h"

#include <ostream>

#include "known/KnownWordsPath.h"
#include "morphology/LexiconLoader.h"
#include "text/Error.h"

namespace tarn::cli {

CliSession::CliSession(const std::optional<std::string>& dict_folder, std::ostream& err,
                       const std::optional<std::string>& known_file)
    : port_(err), session_(port_), known_(known_file.value_or(DefaultKnownWordsPath()), port_) {
  try {
    session_.LoadLexicon(dict_folder.value_or(DefaultDictFolder()));
  } catch (const Error& error) {
    // The window opens after such an error too; the commands work with the tables they have.
    err << "error: " << WithFullStop(WithFileName(error)) << '\n';
  }
}

}  // namespace tarn::cli
