// Mode data records of type 2.
#include "Translators.h"

namespace tessdec {

int32_t TranslateObaData(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateSslmData(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateSsaData(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateRtaData(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateFftData(WorkState&) { return 0; }  // placeholder: passed over
int32_t TranslateTalData(WorkState&) { return 0; }  // placeholder: passed over

}  // namespace tessdec
