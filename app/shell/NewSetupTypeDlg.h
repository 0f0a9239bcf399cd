#pragma once
// "Select New Setup Type": one of the six measurement setups the program
// can make. OK hands the chosen type code to the document.
#include <QDialog>

class CSdiDoc;
class QRadioButton;

class NewSetupTypeDlg : public QDialog {
    Q_OBJECT
public:
    // initialType: the button checked at first (SSA for any code but 6 to 10).
    NewSetupTypeDlg(CSdiDoc* doc, int initialType, QWidget* parent);

    // The type code of the checked button.
    int CheckedType() const;
    void accept() override;

private:
    CSdiDoc* doc_;
    struct Choice {
        int type;
        QRadioButton* button;
    };
    std::vector<Choice> choices_;
};
