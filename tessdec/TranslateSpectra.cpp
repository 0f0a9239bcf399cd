// Spectrum continuation blocks and the record lookup.
#include "Translators.h"

namespace tessdec {

int32_t TranslateSpectrum(WorkState&, int) { return 0; }  // placeholder: passed over

}  // namespace tessdec
