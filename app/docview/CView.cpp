#include "CView.h"

#include "CDocument.h"

CView::CView(CDocument* doc) : doc_(doc)
{
    if (doc_)
        doc_->AddView(this);
}

CView::~CView()
{
    if (doc_)
        doc_->RemoveView(this);
}
