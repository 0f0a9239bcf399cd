// Parameter lines ("Q").
#include "Translators.h"

namespace tessdec {

int32_t TranslateParams(WorkState& w) { return SkipTextLines(w, 'Q', 80); }  // placeholder: passed over

}  // namespace tessdec
