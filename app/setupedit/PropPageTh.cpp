#include "PropPageTh.h"

PropPageTh::PropPageTh() : ThSetupPage({7, 152, 234, "Sound Level Meter -", "Sound Level Meter Settings"}) {}
