#include "PropPageRtaLogicOut.h"

#include <functional>

#include <QGridLayout>
#include <QPainter>

#include "PageLayout.h"
#include "PageText.h"
#include "PropSheetSetup.h"
#include "RangeEdit.h"
#include "SetupRec.h"

namespace {

// The map edit tells the page when it lost the focus, after it brought its
// text into range.
class MapEdit : public RangeEdit {
public:
    using RangeEdit::RangeEdit;
    std::function<void()> onFocusLost;

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        RangeEdit::focusOutEvent(event);
        if (onFocusLost)
            onFocusLost();
    }
};

struct Output {
    const char* name;
    const char* pin;
    QColor disc;
};
const Output kOutputs[] = {
    {"Logic Out", "(2)", Qt::red},
    {"Cal Out", "(7)", Qt::yellow},
    {"Heater Out", "(8)", Qt::green},
};
const char* const kStates[] = {"Stopped", "Ready", "Armed", "Triggered", "Ended"};

// The bits 0 to 14 that the page edits; bit 15 is none of its choices.
constexpr int kMapMask = 0x7FFF;

QLabel* Disc(QWidget* parent, const QColor& colour)
{
    QPixmap pixmap(13, 13);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, 12, 12));
    p.end();
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    return label;
}

}  // namespace

PropPageRtaLogicOut::PropPageRtaLogicOut() : RtaSetupPage("Logic Out", 275, "Logic Out")
{
    auto* grid = new QGridLayout;
    auto addStatic = [&](QLabel* label, int row, int column) {
        grid->addWidget(label, row, column);
        statics_.push_back(label);
    };
    for (int state = 0; state < 5; ++state)
        addStatic(new QLabel(QString::fromLatin1(kStates[state]), this), 0, state + 1);
    addStatic(new QLabel("(Pin #)", this), 0, 7);
    for (int output = 0; output < 3; ++output) {
        const Output& o = kOutputs[output];
        addStatic(new QLabel(QString::fromLatin1(o.name), this), output + 1, 0);
        for (int state = 0; state < 5; ++state) {
            const int bit = Bit(state, output);
            QCheckBox* box = MakeButton<QCheckBox>(this, QByteArray("logicOut" + QByteArray::number(bit)).constData(), "");
            grid->addWidget(box, output + 1, state + 1);
            boxes_[bit] = box;
            connect(box, &QCheckBox::clicked, this, [this, bit] { OnLogicOutCheck(bit); });
        }
        addStatic(Disc(this, o.disc), output + 1, 6);
        addStatic(new QLabel(QString::fromLatin1(o.pin), this), output + 1, 7);
    }
    Body()->addLayout(grid);

    auto* mapRow = new QGridLayout;
    auto* map = new MapEdit(this);
    map->setObjectName("logicOutMap");
    map->onFocusLost = [this] { OnLogicOutMapKillFocus(); };
    map_ = map;
    statics_.push_back(AddNamedRow(mapRow, 0, "Logic Out", map_, "logicOutMap"));
    Body()->addLayout(mapRow);
    Body()->addStretch(1);
    FollowTriggering();
}

PropPageRtaLogicOut::~PropPageRtaLogicOut()
{
    // The edit may lose the focus while the page is taken apart.
    static_cast<MapEdit*>(map_)->onFocusLost = nullptr;
}

void PropPageRtaLogicOut::OnInitDialog()
{
    CreateBadge();
    map_->SetRange(0, 32767);
    map_->setMaxLength(5);
    if (GetSetup())
        Load();
}

void PropPageRtaLogicOut::Load()
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    SetHeader();
    for (int bit = 0; bit < 15; ++bit)
        boxes_[bit]->setChecked(rta->TestLogicOutBits(1 << bit));
    ShowLogicOutMap(*rta);
    ShowRtaFileName();
    EnableAdvanced(rta->GetTriggeringEnabled() == 1);
}

bool PropPageRtaLogicOut::Save()
{
    // The boxes write at once; the map only when the user typed one.
    if (RTASetup* rta = BoundRta(); rta && Edited(map_))
        SaveLogicOutMap(*rta);
    return true;
}

void PropPageRtaLogicOut::ShowLogicOutMap(const RTASetup& rta)
{
    // A map with bit 15 set shows (and is saved back with) the bits the
    // boxes show, rather than losing them all.
    ShowChecked(map_, rta.GetLogicOutMap() & kMapMask, "0");
}

void PropPageRtaLogicOut::SaveLogicOutMap(RTASetup& rta)
{
    rta.SetLogicOutMap(AtoI(map_->text()));
}

void PropPageRtaLogicOut::OnLogicOutCheck(int bit)
{
    RTASetup* rta = BoundRta();
    if (!rta)
        return;
    rta->SetLogicOutBits(1 << bit, boxes_[bit]->isChecked() ? 1 : 0);
    // The page writes at once: what it shows is now what the block holds.
    ShowLogicOutMap(*rta);
    RememberShown();
}

void PropPageRtaLogicOut::OnLogicOutMapKillFocus()
{
    RTASetup* rta = BoundRta();
    if (!rta || !Edited(map_))
        return;
    const PropSheetSetup* sheet = GetSheet();
    if (sheet && sheet->IsRebuilding())
        return;
    SaveLogicOutMap(*rta);
    Load();
    RememberShown();
    // Load enabled the page by the setup's stored flag; the trigger setup
    // page's box, not saved yet, may say otherwise.
    if (sheet)
        EnableAdvanced(sheet->IsRtaTriggeringEnabled());
}

void PropPageRtaLogicOut::EnableAdvanced(bool enabled)
{
    if (!HasWindow())
        return;
    for (QWidget* widget : statics_)
        widget->setEnabled(enabled);
    for (QCheckBox* box : boxes_)
        box->setEnabled(enabled);
    map_->setEnabled(enabled);
}
