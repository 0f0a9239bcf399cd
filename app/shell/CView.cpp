#include "CView.h"

#include "CSdiDoc.h"

CView::CView(CSdiDoc* doc) : doc_(doc)
{
    if (doc_)
        doc_->AddView(this);
}

CView::~CView()
{
    if (doc_)
        doc_->RemoveView(this);
}
