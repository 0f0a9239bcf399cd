#include "SetupExistsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SetupExistsDialog::SetupExistsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Setup Exists");
    question_ = new QLabel(this);
    question_->setObjectName("questionText");
    auto* yes = new QPushButton("YES", this);
    auto* no = new QPushButton("NO", this);
    auto* yesToAll = new QPushButton("Yes to All", this);
    yes->setObjectName("yesButton");
    no->setObjectName("noButton");
    yesToAll->setObjectName("yesToAllButton");
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(no, &QPushButton::clicked, this, [this] { done(No); });
    connect(yesToAll, &QPushButton::clicked, this, [this] { done(YesToAll); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {yes, no, yesToAll})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}

void SetupExistsDialog::SetQuestion(const QString& text)
{
    question_->setText(text);
}

QString SetupExistsDialog::Question() const
{
    return question_->text();
}

int SetupExistsDialog::Ask()
{
    return exec();
}
