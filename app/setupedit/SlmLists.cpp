#include "SlmLists.h"

#include "PageLayout.h"

int SlmLists::AddLeadingRows(QWidget* parent, QGridLayout* grid, int row)
{
    detector = MakeList(parent, "detector", kSlmDetectorEntries);
    weighting = MakeList(parent, "freqWeighting", kWeightingEntries);
    peak1 = MakeList(parent, "peak1Weighting", kWeightingEntries);
    AddRow(grid, row++, "Detector", detector);
    AddRow(grid, row++, "Freq. Weighting", weighting);
    AddRow(grid, row++, "Peak 1 Weighting", peak1);
    return row;
}

int SlmLists::AddClosingRows(QWidget* parent, QGridLayout* grid, int row)
{
    range = MakeList(parent, "range", {"Normal", "Low", "High"});
    acOutput = MakeList(parent, "acOutput", kAcOutputEntries);
    AddRow(grid, row++, "Range", range);
    AddRow(grid, row++, "AC Output Control", acOutput);
    return row;
}

void SlmLists::SelectFirstRows()
{
    for (QComboBox* list : {detector, weighting, peak1, range, acOutput})
        list->setCurrentIndex(0);
}
