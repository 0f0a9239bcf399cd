#include "PropPageObaTimer.h"

#include <QLabel>

#include "PropPageOba.h"
#include "SetupRec.h"

PropPageObaTimer::PropPageObaTimer() : PropPageTimer(4, 172, 155, kObaHeaderPrefix, false)
{
    Header()->setText("Octave Band Analyzer Settings");
}

NamedSetup* PropPageObaTimer::BoundBlock() const
{
    return GetSetup() && HasWindow() ? GetSetup()->GetOBASetup() : nullptr;
}
