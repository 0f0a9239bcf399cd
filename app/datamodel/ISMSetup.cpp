#include "ISMSetup.h"

void ISMSetup::SetThreshold(int db) { SetChoice(75, db, 255, 80); }
