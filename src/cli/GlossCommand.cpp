#include "cli/GlossCommand.h"

#include <ostream>
#include <string>

#include "concordance/Glosses.h"
#include "morphology/LexiconLoader.h"
#include "text/Error.h"

namespace tarn::cli {

namespace {

// Prints "WORD<TAB>GLOSS" for every argument, UTF-8 both; a word without a gloss gets an
// empty one, and a dict folder without glosses gives only empty ones.
int GlossOf(const CliContext& context) {
  if (context.args.empty()) throw Error("expected at least 1 word, got 0");
  const std::string folder = context.dict_folder.value_or(DefaultDictFolder());
  const Glosses glosses = Glosses::Read(folder + "/" + kGlossFile);
  for (const std::string& word : context.args) {
    context.out << word << '\t' << glosses.Of(word) << '\n';
  }
  return 0;
}

constexpr CliCommand kCommands[] = {
    {"gloss", "WORD...",
     "print WORD<TAB>GLOSS for each word: its Chinese gloss from the dict folder's glosses.txt "
     "(empty when there is none; look up a base form, e.g. go for went)",
     GlossOf},
};

}  // namespace

std::span<const CliCommand> GlossCommands() { return kCommands; }

}  // namespace tarn::cli
