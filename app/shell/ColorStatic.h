#pragma once
// A text field with a text colour of its own on the button-face background.
#include <QColor>
#include <QLabel>

class ColorStatic : public QLabel {
    Q_OBJECT
public:
    explicit ColorStatic(QWidget* parent = nullptr);

    // Only stores the colour; the next paint uses it.
    void SetTextColor(const QColor& colour) { text_ = colour; }
    QColor TextColor() const { return text_; }
    QColor BackgroundColor() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor text_;
    QColor background_;
};
