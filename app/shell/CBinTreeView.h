#pragma once
// The file tree of the Translate view.
#include <QTreeWidget>

#include "CView.h"

class CBinTreeView : public QTreeWidget, public CView {
    Q_OBJECT
public:
    CBinTreeView(CSdiDoc* doc, QWidget* parent);
    QWidget* Widget() override { return this; }
};
