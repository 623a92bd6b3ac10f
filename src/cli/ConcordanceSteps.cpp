#include "cli/ConcordanceSteps.h"

#include <string>

#include "concordance/ConcordanceCommands.h"
#include "text/Error.h"
#include "text/Utf8.h"

namespace tarn::cli {

namespace {

// Wider contexts than this fit no screen; the limit also keeps the number small.
constexpr int kMaxWidth = 1000;

int WidthOf(const std::string& number) {
  if (number.empty()) return ConcordanceCommands::kDefaultWidth;
  if (number.size() > 4 || std::stoi(number) > kMaxWidth) {
    throw Error("WIDTH must be at most " + std::to_string(kMaxWidth));
  }
  return std::stoi(number);
}

void Concordance(const StepCall& call) {
  const int width = WidthOf(call.number);
  ConcordanceCommands(call.session).ShowConcordance(Utf8ToCp936(call.argument), call.forms, width);
}

constexpr SessionStep kSteps[] = {
    {"concordance", "WORD [WIDTH]",
     "every occurrence of WORD, one a line: LEFT, OCCURRENCE and RIGHT, WIDTH characters of "
     "context (default 40); after merged or filtered-merged WORD stands for its forms (查看上下文)",
     1, Concordance},
};

}  // namespace

std::span<const SessionStep> ConcordanceSteps() { return kSteps; }

}  // namespace tarn::cli
