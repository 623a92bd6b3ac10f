#include "cli/StepRegistry.h"

#include <algorithm>
#include <span>

#include "cli/AnalysisSteps.h"
#include "cli/ConcordanceSteps.h"
#include "cli/CorpusSteps.h"
#include "cli/KeywordSteps.h"
#include "cli/KnownSteps.h"
#include "cli/ProfileSteps.h"
#include "cli/StudySteps.h"
#include "cli/WindowSteps.h"

namespace tarn::cli {

const std::vector<SessionStep>& AllSteps() {
  // Each group of steps adds its table here.
  static const std::vector<SessionStep> steps = [] {
    std::vector<SessionStep> all;
    for (const std::span<const SessionStep> group :
         {WindowSteps(), CorpusSteps(), KeywordSteps(), AnalysisSteps(), ProfileSteps(),
          KnownSteps(), ConcordanceSteps(), StudySteps()}) {
      all.insert(all.end(), group.begin(), group.end());
    }
    return all;
  }();
  return steps;
}

const SessionStep* FindStep(std::string_view name) {
  const std::vector<SessionStep>& steps = AllSteps();
  const auto found = std::find_if(steps.begin(), steps.end(),
                                  [name](const SessionStep& step) { return step.name == name; });
  return found == steps.end() ? nullptr : &*found;
}

}  // namespace tarn::cli
