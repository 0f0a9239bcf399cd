// Setup lines ("R") of the J57, the J46 and other models.
#include "Translators.h"

namespace tessdec {

int32_t TranslateSetupJ57(WorkState& w) { return SkipTextLines(w, 'R', 2998); }  // placeholder: passed over
int32_t TranslateSetupJ46(WorkState& w) { return SkipTextLines(w, 'R', 319); }  // placeholder: passed over
int32_t TranslateSetupOther(WorkState& w) { return SkipTextLines(w, 'R', 255); }  // placeholder: passed over

}  // namespace tessdec
