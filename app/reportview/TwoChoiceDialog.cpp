#include "TwoChoiceDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TwoChoiceDialog::TwoChoiceDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Options");
    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i) {
        lines_[i] = new QLabel(group);
        lines_[i]->setObjectName(QString("line%1").arg(i + 1));
        groupLayout->addWidget(lines_[i]);
    }
    groupLayout->addSpacing(12);
    auto* options = new QHBoxLayout;
    option1_ = new QRadioButton("Option 1", group);
    option1_->setObjectName("option1");
    option2_ = new QRadioButton("Option 2", group);
    option2_->setObjectName("option2");
    options->addWidget(option1_);
    options->addWidget(option2_);
    options->addStretch();
    groupLayout->addLayout(options);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cancelButton");
    connect(ok, &QPushButton::clicked, this, &TwoChoiceDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TwoChoiceDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
}

void TwoChoiceDialog::SetTexts(const std::string& caption, const std::string& line1, const std::string& line2,
                               const std::string& line3, const std::string& option1, const std::string& option2)
{
    caption_ = caption;
    texts_[0] = line1;
    texts_[1] = line2;
    texts_[2] = line3;
    label1_ = option1;
    label2_ = option2;
}

int TwoChoiceDialog::exec()
{
    setWindowTitle(QString::fromStdString(caption_));
    for (int i = 0; i < 3; ++i)
        lines_[i]->setText(QString::fromStdString(texts_[i]));
    option1_->setText(QString::fromStdString(label1_));
    option2_->setText(QString::fromStdString(label2_));
    // Every showing starts on option 1, whatever was chosen before.
    option1_->setChecked(true);
    return QDialog::exec();
}

void TwoChoiceDialog::accept()
{
    firstChosen_ = option1_->isChecked();
    QDialog::accept();
}
