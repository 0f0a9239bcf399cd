#include "ProgressDialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressDialog::ProgressDialog(const QString& caption) : QDialog(nullptr)
{
    setWindowTitle(caption);
    setModal(false);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("progressBar");
    bar_->setTextVisible(false);
    percent_ = new QLabel("0%", this);
    percent_->setObjectName("percentText");
    status_ = new QLabel(this);
    status_->setObjectName("statusText");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancelButton");
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ProgressDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    layout->addWidget(percent_);
    layout->addWidget(cancel);
}

ProgressDialog::~ProgressDialog()
{
    DestroyWindow();
}

bool ProgressDialog::Create(QWidget* parent)
{
    QWidget* owner = parent ? parent->window() : nullptr;
    if (owner && owner->isEnabled()) {
        owner->setEnabled(false);
        disabledOwner_ = owner;
    }
    bar_->setRange(lower_, upper_);
    position_ = lower_;
    bar_->setValue(position_);
    show();
    if (!isVisible()) {
        DestroyWindow();
        return false;
    }
    return true;
}

void ProgressDialog::DestroyWindow()
{
    hide();
    if (disabledOwner_) {
        disabledOwner_->setEnabled(true);
        disabledOwner_ = nullptr;
    }
}

void ProgressDialog::SetStatus(const QString& text)
{
    status_->setText(text);
}

void ProgressDialog::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    bar_->setRange(lower, upper);
    position_ = lower;
    bar_->setValue(position_);
}

void ProgressDialog::StepIt()
{
    PumpMessages();
    position_ += step_;
    if (position_ > upper_)
        position_ = lower_;
    bar_->setValue(position_);
    ShowPercent();
}

void ProgressDialog::ShowPercent()
{
    if (upper_ <= lower_)
        return;
    int percent = (position_ - lower_) * 100 / (upper_ - lower_);
    if (percent != 100)
        percent %= 100;
    const QString text = QString::number(percent) + QLatin1Char('%');
    if (percent_->text() != text)
        percent_->setText(text);
}

bool ProgressDialog::CheckCancelButton()
{
    PumpMessages();
    const bool cancelled = cancelled_;
    cancelled_ = false;
    return cancelled;
}

void ProgressDialog::PumpMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QString ProgressDialog::PercentText() const
{
    return percent_->text();
}

QString ProgressDialog::StatusText() const
{
    return status_->text();
}

// Enter does nothing; Esc is Cancel.
void ProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
