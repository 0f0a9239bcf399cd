#pragma once
// The ZU-Reru snapshots report: sound level meter, RTA and tonality
// snapshots one after another, each record in the layout of its kind.
#include "ReportLines.h"

namespace talsnapshots {

// Line index of the snapshot block: the layout of the record that holds it
// measured again, then the line within that record.
void DrawLine(ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace talsnapshots
