#pragma once

#include <unicode/ucnv.h>

namespace tarn::detail {

// The calling thread's code page 936 converter, opened once, substituting "?" for
// characters the code page lacks.
UConverter* Cp936Converter();

}  // namespace tarn::detail
