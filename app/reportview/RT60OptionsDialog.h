#pragma once
// RT60 options: the dB-down value of the decay and the band range of the
// RT60 report. The caller sets the members (the band flag from the RT60 data
// last loaded) before the modal show and, after OK, reads the dB-down text
// and the two band indexes back.
#include <string>

#include <QDialog>

class QComboBox;

class RT60OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit RT60OptionsDialog(QWidget* parent);

    int exec() override;
    // The band lists for the band flag: the 11 octaves for 0, the 33 third
    // octaves for 1; empty while the flag is below 0.
    void FillBandLists();

    int dBDownIndex = -1;
    std::string dBDown = "10";
    int startFreq = 0;
    int endFreq = 32;
    int bandFlag = -1;  // 0 octave data, 1 third-octave data

private:
    void OnInitDialog();

    QComboBox* dBDownList_;
    QComboBox* startList_;
    QComboBox* endList_;
};
