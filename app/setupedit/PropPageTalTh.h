#pragma once
// The time-history page of a ZU-Reru tonality setup.
#include "ThSetupPage.h"

class PropPageTalTh : public ThSetupPage {
    Q_OBJECT
public:
    PropPageTalTh();
};
