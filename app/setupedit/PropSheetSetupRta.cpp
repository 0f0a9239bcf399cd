// The sheet's part in the RTA set: the trigger setup page's "Enable
// Triggering" box governs five other pages of the set.
#include "PropPageRtaTSetup.h"
#include "PropSheetSetup.h"
#include "RtaSetupPage.h"

void PropSheetSetup::EnableRtaTriggerPages(int state)
{
    for (PageId id : {RtaArm, RtaTrigger, RtaEnd, RtaThen, RtaLogicOut})
        if (auto* page = dynamic_cast<RtaSetupPage*>(pages_[id]))
            page->EnableAdvanced(state != 0);
}

bool PropSheetSetup::IsRtaTriggeringEnabled() const
{
    const auto* page = dynamic_cast<const PropPageRtaTSetup*>(pages_[RtaTSetup]);
    return !page || page->IsTriggeringEnabled();
}
