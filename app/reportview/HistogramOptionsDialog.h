#pragma once
// Histogram and Ln-table options. The caller fills the members before the
// modal show and reads them back after OK.
//
// Stand-in: OK and Cancel only; the values pass through unchanged until the
// dialog's own controls come with the report view.
#include <QDialog>

class HistogramOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistogramOptionsDialog(QWidget* parent);

    int splRes = 10;
    int peakRes = 1;
    int uwPkRes = 1;
    int lnTblRes = 10;
    int splLowLimit = 45;
    int peakLowLimit = 70;
    int uwPkLowLimit = 110;
    int lnTblLowLimit = 45;
    int splHighLimit = 95;
    int peakHighLimit = 120;
    int uwPkHighLimit = 140;
    int lnTblHighLimit = 95;
};
