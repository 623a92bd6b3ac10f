#include "cli/WordFormCommands.h"

#include <ostream>
#include <string>

#include "cli/CliSession.h"
#include "morphology/pstemming.h"
#include "text/Error.h"
#include "text/Utf8.h"

namespace tarn::cli {

namespace {

// Prints `reduce` of every argument (UTF-8 in, code page 936 between), one a line.
template <typename Reduce>
int PrintEach(const CliContext& context, Reduce reduce) {
  if (context.args.empty()) throw Error("expected at least 1 word, got 0");
  CliSession cli(context.dict_folder, context.err);
  for (const std::string& word : context.args) {
    context.out << Cp936ToUtf8(reduce(cli.Session(), Utf8ToCp936(word))) << '\n';
  }
  return 0;
}

int BaseFormOf(const CliContext& context) {
  return PrintEach(context, [](MainSession& session, const std::string& word) {
    return session.BaseFormCommand(word);
  });
}

int RootOf(const CliContext& context) {
  return PrintEach(context, [](MainSession& session, const std::string& word) {
    return RootWord(word, session.Words().Reducers());
  });
}

constexpr CliCommand kCommands[] = {
    {"base-form", "WORD...",
     "print what the search box shows after 查看单词原形 for each word (the word itself when "
     "it stays)",
     BaseFormOf},
    {"root", "WORD...", "print the root of each word (the root merger's reduction)", RootOf},
};

}  // namespace

std::span<const CliCommand> WordFormCommands() { return kCommands; }

}  // namespace tarn::cli
