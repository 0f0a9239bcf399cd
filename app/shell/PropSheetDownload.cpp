#include "PropSheetDownload.h"

#include "PropPageDownload.h"

PropSheetDownload::PropSheetDownload(CMeasView* view, QWidget* parent) : QTabWidget(parent)
{
    setObjectName("PropSheetDownload");
    setWindowTitle("DOWNLOAD");
    page_ = new PropPageDownload(view, this);
    addTab(page_, QString::fromLatin1(page_->GetTabCaption()));
    connect(page_, &PropPageDownload::TabCaptionChanged, this,
            [this](const QString& caption) { setTabText(0, caption); });
}
