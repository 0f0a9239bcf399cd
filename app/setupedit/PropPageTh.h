#pragma once
// The time-history page of a logging sound level meter setup.
#include "ThSetupPage.h"

class PropPageTh : public ThSetupPage {
    Q_OBJECT
public:
    PropPageTh();
};
