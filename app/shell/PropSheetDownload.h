#pragma once
// "DOWNLOAD": the one-page sheet of the Download view, holding the page
// "Measurement Information".
#include <QTabWidget>

class CMeasView;
class PropPageDownload;

class PropSheetDownload : public QTabWidget {
    Q_OBJECT
public:
    PropSheetDownload(CMeasView* view, QWidget* parent);

    PropPageDownload* GetPage() const { return page_; }
    void SetMeasType(int type) { measType_ = type; }
    int GetMeasType() const { return measType_; }

private:
    PropPageDownload* page_;
    int measType_ = 0;
};
