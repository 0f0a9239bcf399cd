#include "DownloadProgressDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "Clock.h"
#include "GFTiming.h"
#include "SlmLink.h"

namespace {

constexpr const char* kStallLines[4] = {
    "The communication with the J57 has stalled. Check the data cable and the",
    "J57 or Click on Cancel to abort.  If the cable is loose then the download",
    "should resume once it is plugged back in.  If the J57 lost power or was",
    "turned off it will be necessary to Cancel the download.",
};

QLabel* Line(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QWidget* FindMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w))
            return w;
    return nullptr;
}

}  // namespace

// The dialog is a window of its own, not a child of the window it blocks:
// Qt disables every child of a disabled window, and Cancel must stay usable
// while the main window is blocked.
DownloadProgressDialog::DownloadProgressDialog(SlmLink* link, int* cancelFlag, QWidget* parent)
    : QDialog(nullptr), cancelFlag_(cancelFlag), link_(link)
{
    setObjectName("downloadProgressDialog");
    setWindowTitle("Downloading Measurement");
    setModal(false);
    status_ = Line("statusLine", this);
    measurement_ = Line("measurementLine", this);
    byteCount_ = Line("byteCountLine", this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progressBar");
    progress_->setRange(0, 100);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    auto* layout = new QVBoxLayout(this);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(new QLabel("Status:", this));
    statusRow->addWidget(status_, 1);
    layout->addLayout(statusRow);
    layout->addWidget(measurement_);
    layout->addWidget(byteCount_);
    layout->addWidget(progress_);
    for (size_t i = 0; i < stall_.size(); ++i) {
        stall_[i] = Line(("stallLine" + std::to_string(i + 1)).c_str(), this);
        layout->addWidget(stall_[i]);
    }
    layout->addSpacing(8);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, this, &DownloadProgressDialog::OnCancel);

    // As wide as the stall warning, whatever the lines show meanwhile: a
    // long path in "Creating ..." is cut rather than widening the window.
    for (QLabel* line : {status_, measurement_, byteCount_})
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    int widest = 0;
    for (const char* text : kStallLines)
        widest = std::max(widest, fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
    const QMargins margins = layout->contentsMargins();
    setFixedWidth(widest + margins.left() + margins.right() + 8);

    ShowStall(false);
    status_->clear();
    measurement_->clear();
    byteCount_->clear();
    mainWindow_ = parent ? parent->window() : FindMainWindow();
    if (mainWindow_ && mainWindow_->isEnabled()) {
        // Kept in front of the window it blocks.
        winId();
        if (QWindow* owner = mainWindow_->windowHandle())
            windowHandle()->setTransientParent(owner);
        mainWindow_->setEnabled(false);
    } else {
        mainWindow_ = nullptr;
    }
    show();
}

DownloadProgressDialog::~DownloadProgressDialog()
{
    if (mainWindow_)
        mainWindow_->setEnabled(true);
}

void DownloadProgressDialog::SetStatusText(const std::string& text) { status_->setText(QString::fromLatin1(text.c_str())); }

void DownloadProgressDialog::SetMeasurementText(const std::string& text)
{
    measurement_->setText(QString::fromLatin1(text.c_str()));
}

void DownloadProgressDialog::SetByteCountText(const std::string& text)
{
    byteCount_->setText(QString::fromLatin1(text.c_str()));
}

void DownloadProgressDialog::SetProgress(int percent) { progress_->setValue(std::clamp(percent, 0, 100)); }

void DownloadProgressDialog::ShowStall(bool on)
{
    for (size_t i = 0; i < stall_.size(); ++i) {
        stall_[i]->setText(on ? kStallLines[i] : " ");
        stall_[i]->update();
    }
}

void DownloadProgressDialog::SendCancel()
{
    if (link_)
        link_->SendCancel();
}

long DownloadProgressDialog::GetExpectedBytes() { return link_ ? link_->GetExpectedBytes() : 0; }

void DownloadProgressDialog::PumpMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void DownloadProgressDialog::DisableCancel() { cancel_->setEnabled(false); }

void DownloadProgressDialog::WaitSeconds(int seconds)
{
    const int64_t end = platform::Clock::NowMs() + comm::ScaledMs(seconds);
    while (platform::Clock::NowMs() < end) {
        PumpMessages();
        platform::WaitMs(10);
    }
}

void DownloadProgressDialog::OnCancel()
{
    // The download command closes the window once the transfer has stopped.
    if (cancelFlag_)
        *cancelFlag_ = 1;
}

void DownloadProgressDialog::closeEvent(QCloseEvent* event)
{
    OnCancel();
    event->ignore();
}

void DownloadProgressDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Light));
    const int y = height() - 23;
    painter.drawLine(0, y, width(), y);
}
