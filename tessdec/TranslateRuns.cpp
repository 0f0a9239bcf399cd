// Runs of types 21 and 27.
#include "Translators.h"

namespace tessdec {

int32_t TranslateRun(WorkState& w, int) { int32_t st; while ((st = ReadRunBlock(w)) > 0) {} return st; }  // placeholder: passed over

}  // namespace tessdec
