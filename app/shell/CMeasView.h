#pragma once
// The Download view: the instrument's list of stored measurements, the file
// type filter and the download page. Made each time it is entered and
// destroyed when left.
//
// Stand-in: an empty measurement list until the download view arrives.
#include <QWidget>

#include "CView.h"

class QTreeWidget;

class CMeasView : public QWidget, public CView {
    Q_OBJECT
public:
    CMeasView(CSdiDoc* doc, QWidget* parent);
    QWidget* Widget() override { return this; }

private:
    QTreeWidget* list_ = nullptr;
};
