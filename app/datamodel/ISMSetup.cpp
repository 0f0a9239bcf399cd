#include "ISMSetup.h"

#include "MeasurementSetupFields.h"

void ISMSetup::SetThreshold(int db) { SetChoice(MeasurementSetupFields::kThreshold, db, 255, 80); }
