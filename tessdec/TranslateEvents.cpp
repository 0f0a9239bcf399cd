// Event and interval records.
#include "Translators.h"

namespace tessdec {

int32_t TranslateEvent(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateRtaEvent(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateInterval(WorkState&) { return 0; }  // placeholder: passed over

}  // namespace tessdec
