#include "ConnectDialog.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Clock.h"
#include "GFTiming.h"
#include "PortResolver.h"
#include "Profile.h"
#include "SerialPort.h"

namespace {
constexpr int kBaudRates[] = {9600, 19200, 28800, 57600, 115200};

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}
}  // namespace

int ConnectDialog::BaudForIndex(int index)
{
    return index >= 0 && index < 5 ? kBaudRates[index] : 9600;
}

std::string ConnectDialog::OpenFailureText(const std::string& codeText, const SerialPort& port)
{
    const int error = port.GetOpenError();
    std::string text = codeText + "\n" + platform::PortResolver::PortName(port.GetPortIndex() + 1) + " (" +
                       port.GetDevice() + "): ";
    switch (error) {
    case 0: text += "the device cannot be used as a serial port."; break;
    case ENOENT:
    case ENXIO:
    case ENODEV: text += "the device does not exist."; break;
    case EACCES:
    case EPERM:
        text += "permission denied.\nSerial ports belong to the 'dialout' group: add your user to it "
                "(sudo usermod -a -G dialout $USER) and log in again.";
        break;
    default: text += std::string(std::strerror(error)) + "."; break;
    }
    return text;
}

ConnectDialog::ConnectDialog(ConnectTarget* document, const std::string& serial, const std::string& status,
                             const std::string& revision, const std::string& model, QWidget* parent)
    : QDialog(parent), document_(document)
{
    setWindowTitle("Connect to J57");
    portCombo_ = new QComboBox(this);
    portCombo_->setObjectName("portCombo");
    // Each port with the device it stands for, the profile's "Ports" mapping
    // or the system's serial port.
    const platform::PortResolver resolver(platform::AppProfile());
    for (int i = 1; i <= 9; ++i) {
        const std::string name = platform::PortResolver::PortName(i);
        portCombo_->addItem(QString::fromStdString(name + " (" + resolver.Resolve(name) + ")"));
    }
    baudCombo_ = new QComboBox(this);
    baudCombo_->setObjectName("baudCombo");
    for (int rate : kBaudRates)
        baudCombo_->addItem(QString::number(rate));
    status_ = MakeLabel(" Not Connected", "statusText", this);
    // Long texts (a failure with its hint) wrap instead of widening the
    // dialog.
    status_->setWordWrap(true);
    serialLabel_ = MakeLabel("", "serialLabel", this);
    serialValue_ = MakeLabel("", "serialValue", this);
    revisionLabel_ = MakeLabel("", "revisionLabel", this);
    revisionValue_ = MakeLabel("", "revisionValue", this);
    modelLabel_ = MakeLabel("", "modelLabel", this);
    modelValue_ = MakeLabel("", "modelValue", this);
    warning1_ = MakeLabel("WARNING: 115K baud is unreliable on many computers.", "baudWarning1", this);
    warning2_ = MakeLabel("Use lower rate if program malfunctions.", "baudWarning2", this);
    for (QLabel* value : {serialValue_, revisionValue_, modelValue_})
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connectButton_ = new QPushButton("Connect", this);
    connectButton_->setObjectName("connectButton");
    connectButton_->setDefault(true);
    auto* closeButton = new QPushButton("Close", this);
    closeButton->setObjectName("closeButton");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Select Port", this), 0, 0);
    grid->addWidget(portCombo_, 0, 1);
    grid->addWidget(new QLabel("Select Baud Rate", this), 1, 0);
    grid->addWidget(baudCombo_, 1, 1);
    grid->addWidget(new QLabel("Status:", this), 2, 0);
    grid->addWidget(status_, 2, 1);
    grid->addWidget(serialLabel_, 3, 0);
    grid->addWidget(serialValue_, 3, 1);
    grid->addWidget(revisionLabel_, 4, 0);
    grid->addWidget(revisionValue_, 4, 1);
    grid->addWidget(modelLabel_, 5, 0);
    grid->addWidget(modelValue_, 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(connectButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(warning1_);
    layout->addWidget(warning2_);
    layout->addLayout(buttons);

    // The last good port and rate; anything out of range selects the first.
    const auto& profile = platform::AppProfile();
    int port = profile.GetProfileInt("Defaults", "ComPort", 1);
    int baud = profile.GetProfileInt("Defaults", "Baud", 0);
    portIndex_ = port >= 1 && port <= 9 ? port - 1 : 0;
    baudIndex_ = baud >= 0 && baud <= 4 ? baud : 0;
    portCombo_->setCurrentIndex(portIndex_);
    baudCombo_->setCurrentIndex(baudIndex_);
    SetSerialText(serial);
    SetStatusText(status);
    SetRevisionText(revision);
    SetModelText(model);
    OnBaudChanged(baudIndex_);

    // The width is set once; the height follows the texts and the warning.
    setFixedWidth(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(warning1_->text()) +
                                                   layout->contentsMargins().left() +
                                                   layout->contentsMargins().right()));
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(portCombo_, &QComboBox::currentIndexChanged, this, [this](int i) { portIndex_ = i; });
    connect(baudCombo_, &QComboBox::currentIndexChanged, this, &ConnectDialog::OnBaudChanged);
    connect(connectButton_, &QPushButton::clicked, this, &ConnectDialog::OnOK);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ConnectDialog::SetSerialText(const std::string& text)
{
    serialValue_->setText(QString::fromLatin1(text.c_str()));
    serialLabel_->setText(text.empty() ? QString() : QString("Serial "));
}

void ConnectDialog::SetRevisionText(const std::string& text)
{
    revisionValue_->setText(QString::fromLatin1(text.c_str()));
    revisionLabel_->setText(text.empty() ? QString() : QString("Revision "));
}

void ConnectDialog::SetModelText(const std::string& text)
{
    modelValue_->setText(QString::fromLatin1(text.c_str()));
    modelLabel_->setText(text.empty() ? QString() : QString("Model "));
}

void ConnectDialog::SetStatusText(const std::string& text)
{
    status_->setText(QString::fromLatin1(text.c_str()));
    FitHeight();
    status_->repaint();
}

void ConnectDialog::FitHeight()
{
    QLayout* own = layout();
    if (!own)
        return;
    own->activate();
    resize(width(), own->hasHeightForWidth() ? own->totalHeightForWidth(width()) : own->totalSizeHint().height());
}

void ConnectDialog::OnBaudChanged(int index)
{
    baudIndex_ = index;
    warning1_->setVisible(index == 4);
    warning2_->setVisible(index == 4);
    FitHeight();
}

void ConnectDialog::OnOK()
{
    platform::WaitCursor cursor;
    const int port = std::clamp(portIndex_, 0, 8) + 1;
    const int baud = BaudForIndex(baudIndex_);
    if (!document_) {
        accept();
        return;
    }
    connectButton_->setEnabled(false);
    const int result = document_->ConnectInstrument(port, baud);
    connectButton_->setEnabled(true);
    if (result == 0) {
        platform::AppProfile().WriteProfileInt("Defaults", "ComPort", port);
        platform::AppProfile().WriteProfileInt("Defaults", "Baud", baudIndex_);
        platform::WaitMsPumping(comm::ScaledMs(1.0));
        accept();
    } else if (result == -202 || result == -223) {
        accept();  // the document has told the user why
    }
}
