#pragma once
// A modeless progress box for long loops on the one thread: the loop steps
// it and polls its Cancel button; its owner window stays disabled meanwhile.
// Cancel (or Esc) only raises a flag; the box closes when its user destroys
// it.
#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(const QString& caption = "*");
    ~ProgressDialog() override;

    // Shows the box; the top-level window of parent is disabled while it is
    // shown (when it was enabled). False when it could not be shown.
    bool Create(QWidget* parent);
    // Closes the box and enables the owner again when it was disabled here.
    void DestroyWindow();

    void SetStatus(const QString& text);
    // The upper bound must lie above the lower one.
    void SetRange(int lower, int upper);
    void SetStep(int step) { step_ = step; }
    // Pumps messages, steps the bar (from the lower bound again past the
    // upper one) and shows the percentage.
    void StepIt();
    // Pumps messages; true once after Cancel was pressed.
    bool CheckCancelButton();
    void PumpMessages();

    int Position() const { return position_; }
    QString PercentText() const;
    QString StatusText() const;

    void reject() override { cancelled_ = true; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowPercent();

    QProgressBar* bar_;
    QLabel* percent_;
    QLabel* status_;
    int lower_ = 0;
    int upper_ = 100;
    int step_ = 10;
    int position_ = 0;
    bool cancelled_ = false;
    QPointer<QWidget> disabledOwner_;
};
