#include "SetupNameDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "CharClassEdit.h"
#include "Clock.h"
#include "Prompter.h"
#include "QtPlatform.h"

SetupNameDialog::SetupNameDialog(const QString& caption, Submit submit, const std::string& initialName,
                                 const std::string& extension, QWidget* parent)
    : QDialog(parent), submit_(std::move(submit))
{
    setWindowTitle(caption);
    edit_ = new CharClassEdit(this);
    edit_->setObjectName("nameEdit");
    edit_->setMaxLength(kNameLength);
    edit_->setText(platform::FromAnsi(initialName.substr(0, kNameLength)));
    extension_ = new QLabel(platform::FromAnsi(extension), this);
    extension_->setObjectName("extensionText");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &SetupNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SetupNameDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Setup Name", this), 0, 0);
    layout->addWidget(edit_, 0, 1);
    layout->addWidget(extension_, 0, 2);
    layout->addWidget(new QLabel(this), 1, 0, 1, 3);
    layout->addWidget(buttons, 2, 0, 1, 3);
    edit_->setFocus();
}

void SetupNameDialog::accept()
{
    if (!submit_) {
        QDialog::accept();
        return;
    }
    platform::WaitCursor wait;
    std::string name = platform::ToAnsi(edit_->text());
    name.erase(0, name.find_first_not_of(" \t"));
    if (name.find_first_not_of(" \t") == std::string::npos) {
        // A setup needs a name: the instrument would keep a blank one.
        wait.Restore();
        platform::AppPrompter().Message(kEmptyNameText, platform::Icon::Warning);
        edit_->setFocus();
        return;
    }
    const int result = submit_(name);
    if (Succeeded(result))
        QDialog::accept();
}

RenameSetupDialog::RenameSetupDialog(Submit rename, const std::string& initialName, const std::string& extension,
                                     QWidget* parent)
    : SetupNameDialog("Rename Setup", std::move(rename), initialName, extension, parent)
{
}

StoreSetupDialog::StoreSetupDialog(Submit store, const std::string& initialName, const std::string& extension,
                                   QWidget* parent)
    : SetupNameDialog("Store Setup in J57", std::move(store), initialName, extension, parent)
{
}
