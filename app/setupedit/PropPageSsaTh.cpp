#include "PropPageSsaTh.h"

PropPageSsaTh::PropPageSsaTh() : ThSetupPage({5, 238, 228, "Sound Level Meter -", "Sound Level Meter / Real Time Analyzer Settings"}) {}
