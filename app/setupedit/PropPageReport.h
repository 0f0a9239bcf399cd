#pragma once
// The "Report" page inside the advanced page: which reports the instrument
// prints. It edits the LOG block when the setup holds one, else the SSA
// block; the exceedance and daily reports exist only in logging setups.
#include <array>

#include "AdvancedNestedPage.h"

class QCheckBox;
class QComboBox;

class PropPageReport : public AdvancedNestedPage {
    Q_OBJECT
public:
    PropPageReport();

    void Load() override;
    bool Save() override;

protected:
    void OnInitDialog() override;

private:
    MeasurementSetup* ReportBlock(bool& isLog) const;
    // The row of a report choice; a typed text that names no row gives -1,
    // which the setters store as "Short".
    static int Choice(const QComboBox* combo);

    enum Box { DataReport, Setup, SplHistogram, Peak1Histogram, Peak2Histogram, TimeHistory, BoxCount };
    std::array<QCheckBox*, BoxCount> boxes_;
    QComboBox* interval_;
    QComboBox* exceedance_;
    QComboBox* daily_;
    QLabel* exceedanceLabel_;
    QLabel* dailyLabel_;
};
