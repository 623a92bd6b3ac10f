#include "cli/ListCommands.h"

#include <istream>
#include <iterator>
#include <ostream>

#include "cli/CliArguments.h"
#include "dicttools/WordListFiles.h"
#include "text/Error.h"
#include "text/Lines.h"
#include "text/Utf8.h"
#include "wordlists/DatFile.h"
#include "wordlists/TextWordList.h"

namespace tarn::cli {

namespace {

int ReadList(const CliContext& context) {
  const CliArguments arguments(context.args, {});
  const std::string& file = arguments.Positional(1)[0];
  if (dicttools::NamesDatForm(file)) {
    ReadDatFile(file,
                [&context](std::u16string&& entry) { context.out << Utf16ToUtf8(entry) << '\n'; });
  } else {
    for (const std::u16string& line : SplitLines(std::u16string_view(ReadMarkedText(file)))) {
      context.out << Utf16ToUtf8(line) << '\n';
    }
  }
  return 0;
}

int WriteList(const CliContext& context) {
  const CliArguments arguments(context.args, {"--form"});
  const std::string& file = arguments.Positional(1)[0];
  const std::string form = arguments.Option("--form").value_or("");
  if (form != "txt" && form != "dat") throw Error("--form must be txt or dat");

  const std::string input{std::istreambuf_iterator<char>(context.in),
                          std::istreambuf_iterator<char>()};
  if (!IsValidUtf8(input)) throw Error("standard input is not UTF-8 text");
  std::vector<std::string> lines;
  for (const std::string& line : SplitLines(std::string_view(input))) {
    lines.push_back(Utf8ToCp936(line));
  }
  if (form == "dat") {
    WriteDatFile(file, lines);
  } else {
    WriteTextLines(file, lines);
  }
  return 0;
}

constexpr CliCommand kCommands[] = {
    {"read-list", "FILE",
     "print the entries of a word list (.dat by its name, else text) as UTF-8 lines", ReadList},
    {"write-list", "FILE --form txt|dat",
     "write the UTF-8 lines of standard input to FILE as a word list", WriteList},
};

}  // namespace

std::span<const CliCommand> ListCommands() { return kCommands; }

}  // namespace tarn::cli
