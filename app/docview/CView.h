#pragma once
// What every view of the document shares: its document, the first update
// after creation and the updates of all views. A view is a QWidget that also
// derives from CView; it joins its document's view list when it is made and
// leaves it when it is destroyed. A view that needs more of its document
// than the view list casts to the document it is made for.
#include <string>

class CDocument;
class QWidget;

// What a view passes to the others on an update: the file tree's selection.
// A data item of a download file gives the file's path and the item's label
// ("12 Intervals"); a drive, folder or file gives its path and no label.
struct ViewHint {
    std::string path;
    std::string label;
};

class CView {
public:
    explicit CView(CDocument* doc);
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    CDocument* GetDocument() const { return doc_; }
    virtual QWidget* Widget() = 0;
    virtual void OnInitialUpdate() {}
    // hint is null for a plain update.
    virtual void OnUpdate(CView* sender, const ViewHint* hint)
    {
        (void)sender;
        (void)hint;
    }

private:
    CDocument* doc_;
};
