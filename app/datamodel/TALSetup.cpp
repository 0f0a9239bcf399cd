#include "TALSetup.h"

void TALSetup::SetRtaDetectorFast(int fast) { SetBits(41, 0x04, fast >= 1); }

int TALSetup::GetLnEnabled() const
{
    return Flag(41, 0x40) && Flag(47, 0x02) ? 1 : 0;
}

void TALSetup::SetLnEnabled(int on)
{
    SetFlagIfOne(41, 0x40, on);
    SetFlagIfOne(47, 0x02, on);
}
