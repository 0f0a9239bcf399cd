#pragma once
// A question with two exclusive answers: a caption, three lines of text and
// two radio buttons, with OK and Cancel. The caller sets every text, shows
// the dialog and, after OK, asks which option was chosen.
#include <string>

#include <QDialog>

class QLabel;
class QRadioButton;

class TwoChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TwoChoiceDialog(QWidget* parent = nullptr);

    // Caption, the three text lines and the labels of the two options, for
    // the next showing.
    void SetTexts(const std::string& caption, const std::string& line1, const std::string& line2,
                  const std::string& line3, const std::string& option1, const std::string& option2);
    // True when option 1 was chosen at the last OK (read after OK only).
    bool IsFirstOptionChosen() const { return firstChosen_; }

    int exec() override;
    void accept() override;

private:
    QLabel* lines_[3] = {};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    std::string caption_ = "Options";
    std::string texts_[3];
    std::string label1_ = "Option 1";
    std::string label2_ = "Option 2";
    bool firstChosen_ = true;
};
