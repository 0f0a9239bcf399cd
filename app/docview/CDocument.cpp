#include "CDocument.h"

#include <algorithm>

#include "CView.h"

void CDocument::AddView(CView* view)
{
    if (view && !HasView(view))
        views_.push_back(view);
}

void CDocument::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

bool CDocument::HasView(const CView* view) const
{
    return std::find(views_.begin(), views_.end(), view) != views_.end();
}

void CDocument::UpdateAllViews(CView* sender, const ViewHint* hint)
{
    // A view may leave the list while it is updated; walk a copy.
    const std::vector<CView*> views = views_;
    for (CView* view : views)
        if (view != sender && HasView(view))
            view->OnUpdate(sender, hint);
}
