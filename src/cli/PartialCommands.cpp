#include "cli/PartialCommands.h"

#include "cli/CliPort.h"
#include "corpus/CorpusCount.h"
#include "corpus/PartialCountWriter.h"
#include "text/Error.h"

namespace tarn::cli {

namespace {

int CountPartial(const CliContext& context) {
  if (context.args.empty()) throw Error("expected at least 1 FILE, got 0");
  const CorpusCount count = CountCorpus(context.args, context.jobs, ConversionSettings{});
  WritePartialCount(count, context.out);
  const std::vector<SkippedText> skipped = count.Skipped();
  if (!skipped.empty()) CliPort(context.err).ShowMessage(SkippedMessage(skipped));
  return 0;
}

constexpr CliCommand kCommands[] = {
    {"count-partial", "PATH...",
     "count files and folders as the corpus step does and print their partial count, for "
     "merge-partials (the form is in the README)",
     CountPartial},
};

}  // namespace

std::span<const CliCommand> PartialCommands() { return kCommands; }

}  // namespace tarn::cli
