#pragma once
// The time-history page of a sound level meter / real-time analyser setup.
#include "ThSetupPage.h"

class PropPageSsaTh : public ThSetupPage {
    Q_OBJECT
public:
    PropPageSsaTh();
};
