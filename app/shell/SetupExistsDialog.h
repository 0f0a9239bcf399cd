#pragma once
// "Setup Exists": asked while setups are read from the instrument when the
// list already holds an instrument setup of the same name and kind.
#include <QDialog>

class QLabel;

class SetupExistsDialog : public QDialog {
    Q_OBJECT
public:
    enum Answer { Yes = 1, No = 2, YesToAll = 1023 };

    explicit SetupExistsDialog(QWidget* parent);
    void SetQuestion(const QString& text);
    QString Question() const;
    // Shows the dialog: Yes, No (also Esc) or YesToAll.
    int Ask();

    void reject() override { done(No); }

private:
    QLabel* question_;
};
