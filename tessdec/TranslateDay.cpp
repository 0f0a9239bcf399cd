// Day, run/stop, calibration-check, histogram and time-history records.
#include "Translators.h"

namespace tessdec {

int32_t TranslateDay(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateRunStop(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateCalCheck(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateHistogram(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateThStream(WorkState& w) { return WalkThStream(w, nullptr); }  // placeholder: passed over

}  // namespace tessdec
