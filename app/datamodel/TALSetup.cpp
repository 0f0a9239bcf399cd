#include "TALSetup.h"

#include "MeasurementSetupFields.h"

namespace {
using namespace MeasurementSetupFields;
}  // namespace

void TALSetup::SetRtaDetectorFast(int fast) { SetBits(kModeFlags, 0x04, fast >= 1); }

int TALSetup::GetLnEnabled() const
{
    return Flag(kModeFlags, 0x40) && Flag(kStoreFlags, 0x02) ? 1 : 0;
}

void TALSetup::SetLnEnabled(int on)
{
    SetFlagIfOne(kModeFlags, 0x40, on);
    SetFlagIfOne(kStoreFlags, 0x02, on);
}
