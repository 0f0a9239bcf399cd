#include "ReplaceFileDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Files.h"
#include "QtPlatform.h"

ReplaceFileDialog::ReplaceFileDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Confirm File Replace");
    file_ = new QLabel(this);
    size_ = new QLabel(this);
    time_ = new QLabel(this);
    auto* yes = new QPushButton("&Yes", this);
    yesToAll_ = new QPushButton("Yes to &All", this);
    auto* no = new QPushButton("&No", this);
    auto* cancel = new QPushButton("Cancel", this);
    yes->setObjectName("yesButton");
    yesToAll_->setObjectName("yesToAllButton");
    no->setObjectName("noButton");
    cancel->setObjectName("cancelButton");
    yes->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file_);
    layout->addWidget(new QLabel("Would you like to replace the existing file", this));
    layout->addWidget(size_);
    layout->addWidget(time_);
    layout->addWidget(new QLabel("With this measurement?", this));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {yes, yesToAll_, no, cancel})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(yes, &QPushButton::clicked, this, [this] { Answer(Yes); });
    connect(yesToAll_, &QPushButton::clicked, this, [this] { Answer(YesToAll); });
    connect(no, &QPushButton::clicked, this, [this] { Answer(No); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ReplaceFileDialog::SetFile(int files, const std::string& path, const std::string& sizeText,
                                const std::string& timeText)
{
    const std::string name = platform::FileNameOf(path);
    file_->setText(platform::FromAnsi("This folder already contains a file called '" + name + "'."));
    size_->setText(platform::FromAnsi(sizeText));
    time_->setText(platform::FromAnsi("Modified on " + timeText));
    yesToAll_->setEnabled(files > 1);
}

void ReplaceFileDialog::Answer(int answer)
{
    answer_ = answer;
    accept();
}

int ReplaceFileDialog::Ask()
{
    answer_ = Cancel;
    if (exec() != QDialog::Accepted)
        answer_ = Cancel;
    return answer_;
}

QString ReplaceFileDialog::FileText() const { return file_->text(); }
QString ReplaceFileDialog::SizeText() const { return size_->text(); }
QString ReplaceFileDialog::TimeText() const { return time_->text(); }
