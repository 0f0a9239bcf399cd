// Calibration ("C") and system ("S") records.
#include "Translators.h"

namespace tessdec {

int32_t TranslateCalibration(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateSystem(WorkState&) { return 0; }  // placeholder: passed over

}  // namespace tessdec
