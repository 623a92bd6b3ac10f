#pragma once

#include "analysis/StatisticsState.h"
#include "wordlists/UserPort.h"

namespace tarn {

// The question every view and sort command asks first: true when a counting run has completed;
// otherwise tells the user to open a document and returns false, leaving everything as it was.
inline bool RequireDocument(const StatisticsState& state, UserPort& port) {
  if (state.DocumentLoaded) return true;
  port.ShowMessage("请打开一个文件进行分析！");
  return false;
}

}  // namespace tarn
