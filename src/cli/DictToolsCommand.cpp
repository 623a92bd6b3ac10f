#include "cli/DictToolsCommand.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <string>

#include "cli/CliArguments.h"
#include "dicttools/ToolTable.h"
#include "text/Error.h"
#include "text/Utf8.h"

namespace tarn::cli {

namespace {

using dicttools::DictToolEntry;
using dicttools::DictToolInput;
using dicttools::DictToolResult;

// The text area holds CR LF breaks; a shell gives LF alone.
std::u16string AsTextArea(std::u16string_view text) {
  std::u16string area;
  area.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) area += u'\r';
    area += text[i];
  }
  return area;
}

// The text area for a shell: every CR LF back to LF, everything else as it is.
std::string ForShell(std::u16string_view area) {
  std::u16string text;
  text.reserve(area.size());
  for (size_t i = 0; i < area.size(); ++i) {
    if (area[i] == u'\r' && i + 1 < area.size() && area[i + 1] == u'\n') continue;
    text += area[i];
  }
  return Utf16ToUtf8(text);
}

int RunDictTool(const CliContext& context) {
  const CliArguments arguments(context.args, {"--box1", "--box2"});
  const std::string& name = arguments.Positional(1)[0];
  const DictToolEntry* tool = dicttools::FindDictTool(name);
  if (tool == nullptr) {
    throw Error("unknown operation \"" + name + "\"; see tarn-cli dicttools --help");
  }
  const std::string input{std::istreambuf_iterator<char>(context.in),
                          std::istreambuf_iterator<char>()};
  if (!IsValidUtf8(input)) throw Error("standard input is not UTF-8 text");

  const DictToolInput state{AsTextArea(Utf8ToUtf16(input)),
                            Utf8ToUtf16(arguments.Option("--box1").value_or("2")),
                            Utf8ToUtf16(arguments.Option("--box2").value_or("4"))};
  const DictToolResult result = tool->run(state);
  if (tool->alias == "char-codes") {
    context.out << Utf16ToUtf8(result.box2.value_or(state.box2)) << '\n';
  } else {
    context.out << ForShell(result.text.value_or(state.text));
  }
  if (result.message) context.err << "message: " << *result.message << '\n';
  return 0;
}

std::string Summary() {
  std::string summary =
      "run a dictionary tools operation on the UTF-8 text of standard input and print the new "
      "text (char-codes: box 2); boxes default to 2 and 4. OP is a handler name such as "
      "RzBitBtn2Click or one of:";
  for (const DictToolEntry& tool : dicttools::DictTools()) {
    summary.append(" ").append(tool.alias);
  }
  return summary;
}

}  // namespace

std::span<const CliCommand> DictToolsCommands() {
  static const std::string summary = Summary();
  static const CliCommand commands[] = {
      {"dicttools", "OP [--box1 TEXT] [--box2 TEXT]", summary, RunDictTool},
  };
  return commands;
}

}  // namespace tarn::cli
