#pragma once
// The file tree of the Translate view: drives and folders, the download
// files in them (".slmdl" in any case) and, under an expanded download file,
// one item per kind of data it holds with its record count. Selecting an
// item tells the other views (the report view) its path; a data item gives
// the file's path and its label. The last selected path is kept in the
// profile ("Defaults"/"LastPath") and shown again next time.
#include <functional>
#include <string>
#include <vector>

#include <QTreeWidget>

#include "CView.h"

class CSdiDoc;

class CBinTreeView : public QTreeWidget, public CView {
    Q_OBJECT
public:
    CBinTreeView(CSdiDoc* doc, QWidget* parent);
    ~CBinTreeView() override;

    QWidget* Widget() override { return this; }
    // The program's document this view was made for.
    CSdiDoc* GetDocument() const;

    // Tells the views about a selection and keeps it as the last path,
    // unless the tree is rebuilding an item.
    virtual void SelectPath(const ViewHint& hint);

    // Path of an item: the ancestors' texts and its own, joined by '/'.
    std::string GetItemPath(const QTreeWidgetItem* item) const;
    // The hint a selection of item gives.
    ViewHint HintFor(const QTreeWidgetItem* item) const;
    // Inserts a download file's data items; returns how many.
    int ExpandFileItem(QTreeWidgetItem* item, const std::string& path);
    // The item shown for a path, or null (tests).
    QTreeWidgetItem* FindItem(const std::string& path) const;
    const std::string& LastPath() const { return lastPath_; }

    // The places at the top of the tree: "/", the readable mounted file
    // systems and the home folder. Replaceable for tests.
    using RootLister = std::function<std::vector<std::string>()>;
    static void SetRootLister(RootLister lister);

    // The image index an item shows (see ShellIcons::TreeImage).
    static int ImageOf(const QTreeWidgetItem* item);

    // The width the Translate view gives the tree's pane: at first wide
    // enough for a download file's name under a few folders, then the
    // width the user last gave it, for the rest of the run.
    static int PaneWidth();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnItemExpanded(QTreeWidgetItem* item);
    void OnItemCollapsed(QTreeWidgetItem* item);
    void ListDrives();
    void RestoreLastPath();
    bool ExpandFolder(QTreeWidgetItem* item, const std::string& path);
    QTreeWidgetItem* NewItem(QTreeWidgetItem* parent, const std::string& text, int image);
    void AddPlaceholder(QTreeWidgetItem* item, int image);
    void RemoveChildren(QTreeWidgetItem* item);

    bool busy_ = false;
    std::string lastPath_;
};
