// Measurement settings records ("M").
#include "Translators.h"

namespace tessdec {

int32_t TranslateSettings(WorkState&) { return 0; }  // placeholder: passed over

}  // namespace tessdec
