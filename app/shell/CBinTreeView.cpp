#include "CBinTreeView.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <utility>

#include <QDir>
#include <QApplication>
#include <QHeaderView>
#include <QResizeEvent>
#include <QFile>

#include "CDataReport.h"
#include "CSdiDoc.h"
#include "Clock.h"
#include "FileRecordCounter.h"
#include "Profile.h"
#include "Prompter.h"
#include "QtPlatform.h"
#include "ShellIcons.h"

namespace fs = std::filesystem;

namespace {

enum Image {
    kFixedDrive = 0,
    kRemovableDrive = 1,
    kFolder = 3,
    kOpenFolder = 4,
    kDownloadFile = 5,
    kOtherData = 6,
};

constexpr int kImageRole = Qt::UserRole + 1;
// The item's name as the file system has it (bytes): paths are built from it,
// never from the shown text.
constexpr int kNameRole = Qt::UserRole + 2;

// File names are UTF-8 on this system; they are shown as they are.
QString ShownName(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string ItemName(const QTreeWidgetItem* item)
{
    const QVariant name = item->data(0, kNameRole);
    return name.isValid() ? name.toByteArray().toStdString() : item->text(0).toStdString();
}

CBinTreeView::RootLister& Lister()
{
    static CBinTreeView::RootLister lister;
    return lister;
}

bool EndsWithNoCase(const std::string& text, const std::string& end)
{
    if (text.size() < end.size())
        return false;
    return std::equal(end.begin(), end.end(), text.end() - end.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

bool IsDownloadFileName(const std::string& name)
{
    return EndsWithNoCase(name, ".slmdl");
}

std::string Join(const std::string& folder, const std::string& name)
{
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool LessNoCase(const std::string& a, const std::string& b)
{
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string la = lower(a), lb = lower(b);
    return la != lb ? la < lb : a < b;
}

struct FolderEntries {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};

// Subfolders and download files of a folder; hidden entries are left out.
// With firstOnly, stops at the first one found (the expand-button test).
FolderEntries ReadFolder(const std::string& path, bool firstOnly)
{
    FolderEntries entries;
    std::error_code ec;
    fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code kindEc;
        if (it->is_directory(kindEc))
            entries.folders.push_back(name);
        else if (IsDownloadFileName(name) && it->is_regular_file(kindEc))
            entries.files.push_back(name);
        else
            continue;
        if (firstOnly)
            break;
    }
    std::sort(entries.folders.begin(), entries.folders.end(), LessNoCase);
    std::sort(entries.files.begin(), entries.files.end(), LessNoCase);
    return entries;
}

bool HoldsFolderOrDownloadFile(const std::string& path)
{
    const FolderEntries entries = ReadFolder(path, true);
    return !entries.folders.empty() || !entries.files.empty();
}

bool IsRemovableRoot(const std::string& root)
{
    return root.rfind("/media/", 0) == 0 || root.rfind("/run/media/", 0) == 0;
}

std::vector<std::string> SystemRoots()
{
    std::vector<std::string> roots;
    platform::QtDriveLister drives;
    for (const std::string& root : drives.Drives())
        if (access(root.c_str(), R_OK | X_OK) == 0)
            roots.push_back(root);
    const std::string home = QDir::homePath().toStdString();
    if (std::find(roots.begin(), roots.end(), home) == roots.end())
        roots.push_back(home);
    return roots;
}

}  // namespace

void CBinTreeView::SetRootLister(RootLister lister)
{
    Lister() = std::move(lister);
}

int CBinTreeView::ImageOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kImageRole).toInt() : -1;
}

CBinTreeView::CBinTreeView(CSdiDoc* doc, QWidget* parent) : QTreeWidget(parent), CView(doc)
{
    setObjectName("CBinTreeView");
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Names are never cut: the column is as wide as its longest text and
    // the tree scrolls sideways when the pane is narrower.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QTreeWidget::itemExpanded, this, &CBinTreeView::OnItemExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CBinTreeView::OnItemCollapsed);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        if (current && !current->text(0).isEmpty())
            SelectPath(HintFor(current));
    });
    ListDrives();
}

namespace {
// The pane width the user set last in this run; 0 until the tree was shown.
int g_paneWidth = 0;
}  // namespace

int CBinTreeView::PaneWidth()
{
    if (g_paneWidth > 0)
        return g_paneWidth;
    // A download file's name three folders deep, with its icon and the
    // vertical scroll bar beside it.
    const QFontMetrics metrics(QApplication::font());
    return metrics.horizontalAdvance("Survey_2003-03-09.slmdl") + 4 * 20 + 16 + 24;
}

void CBinTreeView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    // The event tells the viewport's size; the pane is the whole tree.
    if (isVisible() && width() > 0)
        g_paneWidth = width();
}

CBinTreeView::~CBinTreeView()
{
    if (!lastPath_.empty())
        platform::AppProfile().WriteProfileString("Defaults", "LastPath", lastPath_);
}

QTreeWidgetItem* CBinTreeView::NewItem(QTreeWidgetItem* parent, const std::string& text, int image)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, ShownName(text));
    item->setData(0, kNameRole, QByteArray::fromStdString(text));
    item->setData(0, kImageRole, image);
    QIcon icon = ShellIcons::TreeImage(image);
    if (image == kFolder)
        icon.addPixmap(ShellIcons::TreeImage(kOpenFolder).pixmap(16, 16), QIcon::Selected);
    item->setIcon(0, icon);
    return item;
}

void CBinTreeView::AddPlaceholder(QTreeWidgetItem* item, int image)
{
    NewItem(item, "", image);
}

void CBinTreeView::RemoveChildren(QTreeWidgetItem* item)
{
    for (QTreeWidgetItem* child : item->takeChildren())
        delete child;
}

void CBinTreeView::ListDrives()
{
    const std::vector<std::string> roots = Lister() ? Lister()() : SystemRoots();
    for (const std::string& root : roots) {
        if (IsRemovableRoot(root)) {
            AddPlaceholder(NewItem(nullptr, root, kRemovableDrive), kFolder);
            continue;
        }
        QTreeWidgetItem* item = NewItem(nullptr, root, kFixedDrive);
        if (HoldsFolderOrDownloadFile(root))
            AddPlaceholder(item, kFolder);
    }
    lastPath_.clear();
    RestoreLastPath();
}

std::string CBinTreeView::GetItemPath(const QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    const std::string text = ItemName(item);
    return item->parent() ? Join(GetItemPath(item->parent()), text) : text;
}

ViewHint CBinTreeView::HintFor(const QTreeWidgetItem* item) const
{
    const int image = ImageOf(item);
    if (image >= kOtherData && item->parent())
        return ViewHint{GetItemPath(item->parent()), ItemName(item)};
    return ViewHint{GetItemPath(item), {}};
}

void CBinTreeView::SelectPath(const ViewHint& hint)
{
    if (busy_)
        return;
    if (GetDocument())
        GetDocument()->UpdateAllViews(this, &hint);
    lastPath_ = hint.path;
}

QTreeWidgetItem* CBinTreeView::FindItem(const std::string& path) const
{
    std::vector<QTreeWidgetItem*> pending;
    for (int i = 0; i < topLevelItemCount(); ++i)
        pending.push_back(topLevelItem(i));
    while (!pending.empty()) {
        QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        if (!item->text(0).isEmpty() && GetItemPath(item) == path)
            return item;
        for (int i = 0; i < item->childCount(); ++i)
            pending.push_back(item->child(i));
    }
    return nullptr;
}

// The last path comes back by walking its folders from the root that holds
// it; names are compared with their case, as Linux file names are.
void CBinTreeView::RestoreLastPath()
{
    const std::string last =
        platform::AppProfile().GetProfileString("Defaults", "LastPath", QDir::homePath().toStdString());
    QTreeWidgetItem* matched = nullptr;
    size_t matchedLength = 0;
    std::string rest;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = topLevelItem(i);
        const std::string text = ItemName(root);
        const bool holds = last == text ||
                           (last.rfind(text, 0) == 0 && (text.back() == '/' || last[text.size()] == '/'));
        if (holds && (!matched || text.size() > matchedLength)) {
            matched = root;
            matchedLength = text.size();
            rest = last.substr(text.size());
        }
    }
    if (!matched)
        return;
    size_t pos = 0;
    while (pos < rest.size()) {
        if (rest[pos] == '/') {
            ++pos;
            continue;
        }
        const size_t end = std::min(rest.find('/', pos), rest.size());
        const std::string name = rest.substr(pos, end - pos);
        pos = end;
        if (IsDownloadFileName(ItemName(matched)))
            break;
        matched->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < matched->childCount() && !next; ++i)
            if (ItemName(matched->child(i)) == name)
                next = matched->child(i);
        if (!next)
            break;
        matched = next;
    }
    setCurrentItem(matched);
    scrollToItem(matched);
}

void CBinTreeView::OnItemCollapsed(QTreeWidgetItem* item)
{
    busy_ = true;
    RemoveChildren(item);
    const std::string path = GetItemPath(item);
    if (ImageOf(item) == kDownloadFile)
        AddPlaceholder(item, kOtherData);
    else if (!item->parent())
        AddPlaceholder(item, kFolder);
    else if (HoldsFolderOrDownloadFile(path))
        AddPlaceholder(item, kFolder);
    busy_ = false;
}

void CBinTreeView::OnItemExpanded(QTreeWidgetItem* item)
{
    // Only an item that still holds its placeholder is filled.
    if (item->childCount() == 0 || !item->child(0)->text(0).isEmpty())
        return;
    const std::string path = GetItemPath(item);
    busy_ = true;
    delete item->takeChild(0);
    bool any = false;
    if (ImageOf(item) == kDownloadFile)
        any = ExpandFileItem(item, path) > 0;
    else
        any = ExpandFolder(item, path);
    busy_ = false;
    if (!any)
        item->setExpanded(false);  // nothing to show: no expansion
}

bool CBinTreeView::ExpandFolder(QTreeWidgetItem* item, const std::string& path)
{
    platform::WaitCursor wait;
    const FolderEntries entries = ReadFolder(path, false);
    for (const std::string& name : entries.folders) {
        QTreeWidgetItem* folder = NewItem(item, name, kFolder);
        if (HoldsFolderOrDownloadFile(Join(path, name)))
            AddPlaceholder(folder, kFolder);
    }
    for (const std::string& name : entries.files)
        AddPlaceholder(NewItem(item, name, kDownloadFile), kDownloadFile);
    return !entries.folders.empty() || !entries.files.empty();
}

int CBinTreeView::ExpandFileItem(QTreeWidgetItem* item, const std::string& path)
{
    const FileRecordCount result = CountFileRecords(path);
    if (!result.allocated) {
        platform::AppPrompter().Message("Couldn't allocate buffer for file record counts!", platform::Icon::Warning);
        return 0;
    }
    if (result.status < 0) {
        // The library's own words for the code, as the report view shows them.
        platform::AppPrompter().Message(TranslationErrorText(static_cast<int>(result.status)),
                                        platform::Icon::Warning);
        return 0;
    }
    const int image = DataItemImage(result.model);
    const std::vector<std::string> labels = DataItemLabels(result.counts, result.model);
    for (const std::string& label : labels)
        NewItem(item, label, image);
    return static_cast<int>(labels.size());
}

CSdiDoc* CBinTreeView::GetDocument() const
{
    return static_cast<CSdiDoc*>(CView::GetDocument());
}
