#pragma once
// The measurement timer of an octave band analyser setup of model J46: the
// fields of the sound level meter's timer page over the OBA block, which
// keeps the timer in the same bytes. Loading leaves the enabling of the date
// and time fields as it stands; a click on a mode button sets it.
#include "PropPageTimer.h"

class PropPageObaTimer : public PropPageTimer {
    Q_OBJECT
public:
    PropPageObaTimer();

protected:
    NamedSetup* BoundBlock() const override;
};
