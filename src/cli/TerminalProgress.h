#pragma once

#include <chrono>
#include <iosfwd>

#include "analysis/RunProgress.h"

namespace tarn::cli {

// How tarn-cli runs the counting half of a long run when standard error is a terminal: on
// another thread, while this one rewrites one line of `err` with the files and bytes done and
// the file being read, from `first_after` on and then every `interval`; the line is cleared
// when the counting ends. A run shorter than `first_after` prints nothing.
CountingHost TerminalProgress(
    std::ostream& err, std::chrono::milliseconds first_after = std::chrono::milliseconds(500),
    std::chrono::milliseconds interval = std::chrono::milliseconds(200));

// The progress line for `figures`, e.g. "3/10 files, 120.5/500.0 MB (24 %): book.txt".
std::string ProgressLine(const RunProgress::Figures& figures);

}  // namespace tarn::cli
