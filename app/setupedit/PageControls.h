#pragma once
// Small controls of the setup pages: the picture in the top left corner and
// the page's tool tips.
#include <vector>

#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QString>

// The page's picture. It is redrawn in the new colours whenever the system
// colours (the palette) change.
class BitmapStatic : public QLabel {
    Q_OBJECT
public:
    BitmapStatic() = default;
    // Shows bitmap id on parent in the rectangle left, top, right, bottom;
    // false when there is no such bitmap (the control is made without an
    // image).
    virtual bool Create(QWidget* parent, int id, int left, int top, int right, int bottom);
    // The same in the page's corner (10, 20, 65, 55).
    virtual bool Create(QWidget* parent, int id);
    void ReloadBitmap();
    int GetBitmapId() const { return id_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    int id_ = 0;
};

// A push button that shows pictures instead of its text: one for each of
// normal, pressed, focused and disabled (0: the normal one serves), drawn in
// the colours of the palette and drawn anew when they change.
class CMappedBitmapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    // Loads the four pictures and sizes the button to them; false when the
    // normal picture is missing.
    bool AutoLoadMapped(int normal, int selected, int focused, int disabled);
    // Replaces the four pictures; false when one of them is missing.
    bool LoadMappedBitmaps(int normal, int selected, int focused, int disabled);
    int GetBitmapId() const { return ids_[0]; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int ids_[4] = {};
    QPixmap pixmaps_[4];
};

// The tool tips of a page: over a control, or over a rectangle of a window.
class CPageToolTip : public QObject {
    Q_OBJECT
public:
    CPageToolTip() = default;
    void Create(QWidget* page);
    bool AddWindowTool(QWidget* control, const QString& text);
    bool AddRectTool(QWidget* window, const QString& text, const QRect& rect, int id);
    // The same over the rectangle a child control of window covers at the
    // time the tip is asked for, so that the tip follows the control when
    // the page's layout moves or resizes it.
    bool AddControlRectTool(QWidget* window, const QString& text, const QWidget* control, int id);
    // The text of the rectangle tool at pos of window; empty when none.
    QString RectToolText(const QWidget* window, const QPoint& pos) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RectTool {
        QWidget* window;
        QString text;
        QRect rect;
        int id;
        QPointer<const QWidget> control;  // its geometry replaces rect
    };
    QWidget* page_ = nullptr;
    std::vector<RectTool> rectTools_;
};
