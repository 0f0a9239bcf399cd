#include "CDataReport.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsDownloadFile(const std::string& path)
{
    static const std::string ext = ".slmdl";
    if (path.size() < ext.size())
        return false;
    return std::equal(ext.begin(), ext.end(), path.end() - ext.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

CDataReport::CDataReport(CSdiDoc* doc, QWidget* parent) : QAbstractScrollArea(parent), CView(doc)
{
    setObjectName("CDataReport");
}

void CDataReport::OnInitialUpdate()
{
    ClearData();
}

void CDataReport::OnUpdate(CView* /*sender*/, const ViewHint* hint)
{
    if (!hint || hint->label.empty() || !IsDownloadFile(hint->path))
        return;
    ClearData();
    filePath_ = hint->path;
    itemLabel_ = hint->label;
    viewport()->update();
}

void CDataReport::ClearData()
{
    filePath_.clear();
    itemLabel_.clear();
}
