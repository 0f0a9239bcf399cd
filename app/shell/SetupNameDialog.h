#pragma once
// What the Rename Setup and Store Setup dialogs share: a name field of at
// most 8 characters, the setup type's extension beside it, and an OK that
// hands the name to the document and closes only when the document reports
// success (the document shows its own messages otherwise).
#include <functional>
#include <string>

#include <QDialog>

class CharClassEdit;
class QLabel;

class SetupNameDialog : public QDialog {
    Q_OBJECT
public:
    // The document's operation on the entered name, leading blanks removed;
    // empty when there is no document (OK then just closes).
    using Submit = std::function<int(const std::string& name)>;
    static constexpr int kNameLength = 8;
    // An empty or all-blank name is refused with this, and the dialog stays.
    static constexpr const char* kEmptyNameText = "Invalid name";

    CharClassEdit* NameEdit() const { return edit_; }
    QLabel* ExtensionText() const { return extension_; }

    void accept() override;

protected:
    SetupNameDialog(const QString& caption, Submit submit, const std::string& initialName,
                    const std::string& extension, QWidget* parent);
    // Whether the document's result lets the dialog close.
    virtual bool Succeeded(int result) const = 0;

private:
    Submit submit_;
    CharClassEdit* edit_;
    QLabel* extension_;
};

// "Rename Setup": closes when the rename returned 0.
class RenameSetupDialog : public SetupNameDialog {
    Q_OBJECT
public:
    RenameSetupDialog(Submit rename, const std::string& initialName, const std::string& extension,
                      QWidget* parent);

protected:
    bool Succeeded(int result) const override { return result == 0; }
};

// "Store Setup in J57": closes with OK when the store returned non-zero.
class StoreSetupDialog : public SetupNameDialog {
    Q_OBJECT
public:
    StoreSetupDialog(Submit store, const std::string& initialName, const std::string& extension,
                     QWidget* parent);

protected:
    bool Succeeded(int result) const override { return result != 0; }
};
