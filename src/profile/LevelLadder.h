#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tarn {

// The two ways a learner measures vocabulary: the exam ladder (中考 to GRE) and the frequency
// bands of 1,000 lemmas (K1 to K10).
enum class Ladder { kExam, kFrequency };

// One level of a ladder: its label as the window shows it and its word list, a path inside the
// dict folder. Every list holds the words of the levels before it too.
struct LevelDefinition {
  Ladder ladder;
  std::string_view label;
  std::string_view file;

  // The list's file name without folder and extension ("exam-3-cet4").
  std::string_view Stem() const;
};

// The levels of `ladder` from the lowest up.
std::span<const LevelDefinition> LevelsOf(Ladder ladder);

// "exam" or "freq", as tarn-cli names the ladders.
std::string_view LadderName(Ladder ladder);
// The ladder named `name` ("exam", "freq"), or nothing.
std::optional<Ladder> ParseLadder(std::string_view name);

// The level whose label or file name stem is `name`, in either ladder, or nothing.
const LevelDefinition* FindLevel(std::string_view name);

}  // namespace tarn
