#pragma once
// "Confirm File Replace": asked before a download overwrites a file.
#include <string>

#include <QDialog>

class QLabel;
class QPushButton;

class ReplaceFileDialog : public QDialog {
    Q_OBJECT
public:
    enum Answer { Yes = 0, YesToAll = 1, No = 2, Cancel = 3 };

    explicit ReplaceFileDialog(QWidget* parent);

    // files: how many files the download writes ("Yes to All" only for more
    // than one).
    void SetFile(int files, const std::string& path, const std::string& sizeText, const std::string& timeText);
    // Shows the dialog; the answer.
    int Ask();

    QString FileText() const;
    QString SizeText() const;
    QString TimeText() const;

private:
    void Answer(int answer);

    QLabel* file_;
    QLabel* size_;
    QLabel* time_;
    QPushButton* yesToAll_;
    int answer_ = Cancel;
};
