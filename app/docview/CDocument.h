#pragma once
// What every document shares: the list of the views that show it, and the
// update that goes from one view to the others. The program's document
// derives from it and adds the commands; a view knows its document only
// through this base, so the views sit below the program that joins them.
#include <vector>

class CView;
struct ViewHint;

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The view list, in the order the views joined; the first view decides
    // which view the document counts as active.
    void AddView(CView* view);
    void RemoveView(CView* view);
    bool HasView(const CView* view) const;
    CView* GetFirstView() const { return views_.empty() ? nullptr : views_.front(); }
    const std::vector<CView*>& Views() const { return views_; }
    // Tells every view but sender; hint is null for a plain update.
    void UpdateAllViews(CView* sender, const ViewHint* hint = nullptr);

private:
    std::vector<CView*> views_;
};
