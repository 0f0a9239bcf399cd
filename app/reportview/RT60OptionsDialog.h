#pragma once
// RT60 options: the decay range and the band range of the RT60 analyses. The
// caller fills the members before the modal show and reads the first three
// back after OK.
//
// Stand-in: OK and Cancel only; the values pass through unchanged until the
// dialog's own controls come with the report view.
#include <string>

#include <QDialog>

class RT60OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit RT60OptionsDialog(QWidget* parent);

    std::string dBDown = "10";
    int startFreq = 0;
    int endFreq = 32;
    int bandFlag = 0;  // 0 octave data, 1 third-octave data
};
