#include "CBinTreeView.h"

CBinTreeView::CBinTreeView(CSdiDoc* doc, QWidget* parent) : QTreeWidget(parent), CView(doc)
{
    setObjectName("CBinTreeView");
    setHeaderHidden(true);
}
