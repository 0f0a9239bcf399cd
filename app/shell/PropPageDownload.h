#pragma once
// "Measurement Information", the one page of the download sheet: the
// selected measurement or range of measurements, the Location and two Note
// texts written at the head of each download file, the download file's name
// and folder, and the Download button.
#include <string>

#include <QWidget>

#include "MeasMgrJ46.h"

class CMeasView;
class ColorStatic;
class QLabel;
class QLineEdit;
class QPushButton;

class PropPageDownload : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNoteMax = 70;

    PropPageDownload(CMeasView* view, QWidget* parent);

    // The records the page shows, and the range of a selection (first,
    // second and last selected records; second only when the first row is
    // among them).
    void SetSelection(const MeasMgrJ46& selection);
    void SetRange(const MeasRec* first, const MeasRec* second, const MeasRec* last);
    const MeasMgrJ46& GetSelection() const { return selection_; }
    // The page's texts into the records of the selection.
    void StoreTexts();
    void RefreshDisplay();

    std::string GetLocation() const;
    std::string GetNote1() const;
    std::string GetNote2() const;
    std::string GetFolder() const;
    std::string GetFileNameText() const;
    const std::string& GetPattern() const { return pattern_; }
    void ClearStatus();
    void SetStatus(const std::string& text);
    std::string GetStatus() const;
    std::string GetTabCaption() const { return tabCaption_; }

    void OnBrowse();
    void OnDownload();

signals:
    void TabCaptionChanged(const QString& caption);

private:
    void SetText(QLabel* label, const std::string& text);
    void EnableButtons(bool on);

    CMeasView* view_;
    MeasMgrJ46 selection_{false};
    std::string pattern_;
    std::string rangeStart_ = " ";
    std::string rangeEnd_ = " ";
    std::string tabCaption_ = "Measurement Information";

    QLabel* firstLine_;
    QLabel* titleLabel_;
    QLabel* title_;
    QLabel* start_;
    QLabel* end_;
    QLabel* sizeLabel_;
    QLabel* size_;
    QLineEdit* location_;
    QLineEdit* note1_;
    QLineEdit* note2_;
    ColorStatic* status_;
    QLabel* folder_;
    QLabel* fileName_;
    QPushButton* browse_;
    QPushButton* download_;
};
