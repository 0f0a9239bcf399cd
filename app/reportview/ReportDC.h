#pragma once
// The device a report is drawn on: the screen, a printer page or print
// preview, or a recorder in tests. Reports place every text themselves at
// pixel positions measured from sample texts in the font that is selected,
// so the same line drawers serve screen and paper.
#include <string>

#include <QFont>
#include <QRect>

class QPainter;
class QPaintDevice;

enum class ReportFont { Screen, Printer };

class ReportDC {
public:
    virtual ~ReportDC() = default;

    // True on a printer page (and in print preview).
    virtual bool IsPrinting() const = 0;
    // Selects a font and returns the one that was selected before.
    virtual ReportFont SelectFont(ReportFont font) = 0;
    // Width of the whole text in the selected font.
    virtual int TextWidth(const std::string& text) const = 0;
    // Line height of the selected font: character height plus leading.
    virtual int LineHeight() const = 0;
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    // The text (Windows-1252 bytes) with its top at y, starting at x, or
    // ending at x while the alignment is right.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual void SetAlignRight(bool right) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // The part of the report that needs drawing, in report coordinates.
    virtual QRect ClipBox() const = 0;
};

// Selects the printer font for the time of one drawer's call when the device
// prints, and puts the previous font back when it ends.
class PrinterFontScope {
public:
    explicit PrinterFontScope(ReportDC& dc) : dc_(dc), active_(dc.IsPrinting())
    {
        if (active_)
            previous_ = dc_.SelectFont(ReportFont::Printer);
    }
    ~PrinterFontScope()
    {
        if (active_)
            dc_.SelectFont(previous_);
    }
    PrinterFontScope(const PrinterFontScope&) = delete;
    PrinterFontScope& operator=(const PrinterFontScope&) = delete;

private:
    ReportDC& dc_;
    bool active_;
    ReportFont previous_ = ReportFont::Screen;
};

// A report device over a Qt painter. The two fonts are 8 points high at the
// device's resolution: "MS Sans Serif" on the screen, "Courier New" on paper
// (Qt substitutes a fixed-pitch face where they are missing).
class QtReportDC : public ReportDC {
public:
    QtReportDC(QPainter& painter, QPaintDevice& device, bool printing, const QRect& clip);

    // The report fonts for a device of this vertical resolution.
    static QFont MakeFont(ReportFont font, int pixelsPerInchY);

    bool IsPrinting() const override { return printing_; }
    ReportFont SelectFont(ReportFont font) override;
    int TextWidth(const std::string& text) const override;
    int LineHeight() const override;
    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    void TextOut(int x, int y, const std::string& text) override;
    void SetAlignRight(bool right) override { alignRight_ = right; }
    void Line(int x1, int y1, int x2, int y2) override;
    QRect ClipBox() const override { return clip_; }

private:
    QPainter& painter_;
    QPaintDevice& device_;
    bool printing_;
    QRect clip_;
    ReportFont font_ = ReportFont::Screen;
    bool alignRight_ = false;
};
