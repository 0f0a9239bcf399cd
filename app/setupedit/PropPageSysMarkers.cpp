#include "PropPageSysMarkers.h"

#include <QGridLayout>

#include "CharClassEdit.h"
#include "QtPlatform.h"

PropPageSysMarkers::PropPageSysMarkers() : SysSetupPage("Markers", 245, "Markers")
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "marker" + QByteArray::number(i + 1);
        const QByteArray label = "Marker " + QByteArray::number(i + 1);
        markers_[i] = MakeEdit<CharClassEdit>(this, name.constData());
        AddRow(grid, i, label.constData(), markers_[i]);
    }
    Body()->addLayout(grid);
    Body()->addStretch(1);
}

void PropPageSysMarkers::OnInitDialog()
{
    CreateSystemBitmap();
    Load();
}

void PropPageSysMarkers::Load()
{
    SYSSetup* sys = BoundSys();
    if (!sys)
        return;
    for (int i = 4; i >= 0; --i)
        markers_[i]->setText(platform::FromAnsi(sys->GetMarkerName(std::string())));
}
