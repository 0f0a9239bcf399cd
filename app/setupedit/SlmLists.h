#pragma once
// The lists the first page of a logging and of an integrating sound level
// meter setup share: detector, frequency weighting and Peak 1 weighting lead
// the page's group, range and AC outputs close it. A page puts its own rows
// between them.
#include <QComboBox>

#include "SetupPage.h"

class QGridLayout;

class SlmLists {
public:
    QComboBox* detector = nullptr;
    QComboBox* weighting = nullptr;
    QComboBox* peak1 = nullptr;
    QComboBox* range = nullptr;
    QComboBox* acOutput = nullptr;

    // Makes the leading lists in parent, in rows row on of grid; returns the
    // next row.
    int AddLeadingRows(QWidget* parent, QGridLayout* grid, int row);
    // The same for the closing lists.
    int AddClosingRows(QWidget* parent, QGridLayout* grid, int row);
    // Every list on its first row: the page shows no setup.
    void SelectFirstRows();

    // The block's getters and setters are those of its own type (the LOG
    // block reads its weightings its own way).
    template <class Block>
    void Load(const Block& block)
    {
        SetSelection(detector, block.GetDetector());
        SetSelection(weighting, block.GetFreqWeighting());
        SetSelection(peak1, block.GetPeak1Weighting());
        SetSelection(range, block.GetRange());
        SetSelection(acOutput, block.GetAcOutput());
    }

    template <class Block>
    void Save(const SetupPage& page, Block& block) const
    {
        if (const auto row = page.EditedRow(detector))
            block.SetDetector(*row);
        if (const auto row = page.EditedRow(weighting))
            block.SetFreqWeighting(*row);
        if (const auto row = page.EditedRow(peak1))
            block.SetPeak1Weighting(*row);
        if (const auto row = page.EditedRow(range))
            block.SetRange(*row);
        if (const auto row = page.EditedRow(acOutput))
            block.SetAcOutput(*row);
    }
};
