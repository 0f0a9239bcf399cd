#include "PropSheetSetup.h"

PropSheetSetup::PropSheetSetup(const QString& caption, QWidget* parent, int firstPage) : QTabWidget(parent)
{
    setWindowTitle(caption);
    setObjectName("PropSheetSetup");
    blankPage_ = new QWidget(this);
    addTab(blankPage_, QString());
    setCurrentIndex(firstPage < count() ? firstPage : 0);
    setFocusPolicy(Qt::TabFocus);
}

void PropSheetSetup::RemoveBlankPage()
{
    if (!blankPage_)
        return;
    removeTab(indexOf(blankPage_));
    delete blankPage_;
    blankPage_ = nullptr;
}

void PropSheetSetup::ShowSetup(SetupRec* setup)
{
    shown_ = setup;
}

void PropSheetSetup::RemovePagesOf(SetupRec* setup)
{
    if (shown_ == setup)
        shown_ = nullptr;
}

void PropSheetSetup::SaveAll() {}

void PropSheetSetup::RefreshHeaders() {}
