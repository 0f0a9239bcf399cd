#include "CMeasView.h"

#include <QTreeWidget>
#include <QVBoxLayout>

CMeasView::CMeasView(CSdiDoc* doc, QWidget* parent) : QWidget(parent), CView(doc)
{
    setObjectName("CMeasView");
    list_ = new QTreeWidget(this);
    list_->setObjectName("measurementList");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}
