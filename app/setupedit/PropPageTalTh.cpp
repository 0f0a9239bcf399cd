#include "PropPageTalTh.h"

PropPageTalTh::PropPageTalTh() : ThSetupPage({8, 242, 241, "ZU-Reru", "ZU-Reru Settings"}) {}
