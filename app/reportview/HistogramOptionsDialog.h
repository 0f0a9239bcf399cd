#pragma once
// The Histogram Report Options dialog: resolution, low and high limit of
// the SPL, peak and unweighted peak histograms and of the Ln tables of the
// interval and daily reports. It opens on the values of the profile section
// "Histogram Options"; after OK the caller reads the members back and writes
// them to the profile.
#include <QDialog>

class QComboBox;
class RangeEdit;

class HistogramOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistogramOptionsDialog(QWidget* parent);

    // Reads the profile into the members and shows them.
    int exec() override;
    // Takes the limits when every one is a whole number (the three histogram
    // pairs from 0 to 255); otherwise tells which and stays open.
    void accept() override;

    // The high limit lowered so that (high - low) is a whole number of steps
    // of the resolution in dB; the pair exchanged first when low > high.
    static void KeepEvenSteps(int& low, int& high, float resolution);

    int splRes = 10;   // tenths of a dB
    int peakRes = 1;   // dB
    int uwPkRes = 1;
    int lnTblRes = 1;
    int splLowLimit = 0;
    int peakLowLimit = 0;
    int uwPkLowLimit = 0;
    int lnTblLowLimit = 0;
    int splHighLimit = 0;
    int peakHighLimit = 0;
    int uwPkHighLimit = 0;
    int lnTblHighLimit = 0;

private:
    // One histogram's resolution and limits: the members and their controls.
    struct Column {
        int* res;
        int* low;
        int* high;
        float resDivisor;  // the resolution member / resDivisor is in dB
        QComboBox* combo;
        RangeEdit* lowEdit;
        RangeEdit* highEdit;
    };
    void OnInitDialog();
    void OnResolutionChanged(Column& c);
    void OnLimitEdited(Column& c);
    void AdjustColumn(Column& c);

    Column columns_[4];
};
