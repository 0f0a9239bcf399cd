#pragma once
// "Connect to J57": picks the serial port and the rate, runs the document's
// connect and shows its progress and the instrument's identity.
#include <QDialog>
#include <string>

class QComboBox;
class SerialPort;
class QLabel;
class QPushButton;

// What the dialog needs of the document: the connect itself. It puts its
// progress and failure texts into the dialog through the setters below.
class ConnectTarget {
public:
    virtual ~ConnectTarget() = default;
    // Port number from 1, rate in baud → 0 or a link result code.
    virtual int ConnectInstrument(int portNumber, int baudRate) = 0;
};

class ConnectDialog : public QDialog {
    Q_OBJECT
public:
    ConnectDialog(ConnectTarget* document, const std::string& serial = {}, const std::string& status = {},
                  const std::string& revision = {}, const std::string& model = {}, QWidget* parent = nullptr);

    void SetSerialText(const std::string& text);
    void SetRevisionText(const std::string& text);
    void SetModelText(const std::string& text);
    void SetStatusText(const std::string& text);

    int PortIndex() const { return portIndex_; }
    int BaudIndex() const { return baudIndex_; }
    // The rate of a baud index: 9600, 19200, 28800, 57600, 115200, else 9600.
    static int BaudForIndex(int index);
    // The status text of a port that could not be opened: the code's text,
    // then the port, its device and the system's reason, with what to do
    // about a port the user may not open.
    static std::string OpenFailureText(const std::string& codeText, const SerialPort& port);

protected:
    void OnOK();
    void OnBaudChanged(int index);
    // Takes the height the texts and the shown warning need, no more.
    void FitHeight();

private:
    QComboBox* baudCombo_;
    QLabel* revisionLabel_;
    QLabel* serialLabel_;
    QLabel* modelLabel_;
    QLabel* modelValue_;
    QLabel* revisionValue_;
    QLabel* status_;
    QLabel* serialValue_;
    QComboBox* portCombo_;
    QLabel* warning1_;
    QLabel* warning2_;
    QPushButton* connectButton_;
    ConnectTarget* document_;
    int portIndex_ = 0;
    int baudIndex_ = 0;
};
