// The document's measurement directory: the instrument's active measurement
// and its stored measurement files, read into MeasRec entries for the
// Download view.
#include <memory>

#include <QPointer>

#include "CMainFrame.h"
#include "CMeasView.h"
#include "CSdiApp.h"
#include "CSdiDoc.h"
#include "MeasRec.h"
#include "SlmLink.h"
#include "TextTrim.h"

namespace {

// Entry kind the directory walk gives a stored file; the download recalls
// entries of this kind by their list index before it fetches them.
constexpr int kStoredFileEntry = 2;

// A reply's fields are padded with blanks and the reply may still carry its
// line end: both are trimmed, where other texts drop blanks and tabs only.
std::string TrimReply(std::string text)
{
    return TrimTrailing(std::move(text), " \t\r\n");
}

// Characters [from, to] of the file information, trailing blanks removed;
// a short reply gives a short or empty field.
std::string Field(const std::string& info, size_t from, size_t to)
{
    if (from >= info.size())
        return {};
    return TrimReply(info.substr(from, to - from + 1));
}

std::string Converted(const std::string& text)
{
    std::string out;
    CSdiDoc::ConvertInstrumentTime(text, out);
    return out;
}

uint32_t SizeField(const std::string& text)
{
    uint32_t size = 0;
    for (char c : text) {
        if (c == ' ')
            continue;
        if (c < '0' || c > '9')
            break;
        size = size * 10 + static_cast<uint32_t>(c - '0');
    }
    return size;
}

}  // namespace

CMeasView* CSdiDoc::GetMeasView() const
{
    return dynamic_cast<CMeasView*>(GetFirstView());
}

// "01Jan2000 12:34:56" -> "2000 Jan 01 12:34:56". The link's answer for a
// failed time query ("01Jan00 00:00:00") is too short and gives nothing.
bool CSdiDoc::ConvertInstrumentTime(const std::string& in, std::string& out)
{
    out.clear();
    if (in.size() < 18)
        return false;
    out = in.substr(5, 4) + " " + in.substr(2, 3) + " " + in.substr(0, 2) + " " + in.substr(10, 8);
    return true;
}

std::string CSdiDoc::GetInstrumentSetupExtension() const
{
    if (!link_)
        return {};
    switch (GetInstrumentSetupType()) {
    case 2: return "slm";
    case 3: return "ssm";
    case 4: return "oba";
    case 5: return "ssa";
    case 6: return "ism";
    case 7: return "log";
    case 8: return "tal";
    case 9: return "fft";
    case 10: return "rta";
    case 11: return "env";
    case 12: return "aud";
    case 13: return "vib";
    default: return " ";
    }
}

void CSdiDoc::FillActiveMeasurement(MeasRec& entry)
{
    entry.SetName(GetActiveSetupName());
    const std::string extension = GetInstrumentSetupExtension();
    entry.SetTypeText(extension);
    entry.SetMeasTypeFromText(extension);
    if (link_) {
        entry.SetTitle(TrimReply(link_->GetQ5Text()));
        entry.SetTime1(Converted(link_->GetR8Time()));
        entry.SetTime2(Converted(link_->GetR176Time()));
        entry.SetStartTime(Converted(link_->GetR6Time()));
        entry.SetEndTime(Converted(link_->GetR175Time()));
    }
    entry.MakeDefaultFileName(StartFolder());
}

// The instrument's active measurement as a new entry; null when there is
// none or it is an audiometer measurement, which is never listed.
std::shared_ptr<MeasRec> CSdiDoc::MakeActiveEntry()
{
    if (!link_ || !link_->HasActiveMeasurement())
        return nullptr;
    auto entry = std::make_shared<MeasRec>();
    entry->SetEntryKind(MeasRec::kActive);
    entry->SetListIndex(-1);
    FillActiveMeasurement(*entry);
    if (entry->GetMeasType() == 12)
        return nullptr;
    return entry;
}

int CSdiDoc::RefreshMeasurementList()
{
    CMainFrame::BusyCommand busy(frame_);
    // Each question to the instrument lets window messages run; the walk
    // ends when the view it fills has gone meanwhile.
    const QPointer<CMeasView> view = GetMeasView();
    const bool forView = view != nullptr;
    auto viewGone = [&] { return (forView && !view) || !link_; };
    measurements_.RemoveAll();
    if (!link_)
        return 0;
    int result = 0;
    if (auto active = MakeActiveEntry()) {
        if (viewGone())
            return result;
        if (view)
            view->AddMeasurement(active, -1);
        measurements_.AddTail(active);
    }
    if (viewGone())
        return result;
    const int count = link_->GetStoredCount();
    if (count <= 0 || viewGone())
        return result;
    link_->SelectFirstFile();
    for (int index = 0; index < count && !viewGone(); ++index) {
        if (index > 0)
            link_->NextFile();
        std::string info;
        result = link_->ReadFileInfo(info);
        // A refusal (BEL and the instrument's message) arrives as a reply;
        // it describes no file.
        if (result == 0 && !info.empty() && info[0] == '\x07')
            result = SlmLink::NOT_AVAILABLE;
        if (result != 0 || viewGone())
            continue;
        auto entry = std::make_shared<MeasRec>();
        entry->SetEntryKind(kStoredFileEntry);
        entry->SetListIndex(index);
        entry->SetName(Field(info, 0, 7));
        entry->SetTypeText(Field(info, 10, 12));
        entry->SetTitle(Field(info, 15, 44));
        entry->SetTime1(Converted(Field(info, 47, 64)));
        entry->SetTime2(Converted(Field(info, 67, 84)));
        entry->SetStartTime(Converted(Field(info, 87, 104)));
        entry->SetEndTime(Converted(Field(info, 107, 124)));
        entry->SetSize(SizeField(Field(info, 127, 134)));
        entry->MakeDefaultFileName(StartFolder());
        entry->SetMeasTypeFromText(entry->GetTypeText());
        if (view)
            view->AddMeasurement(entry, -1);
        measurements_.AddTail(entry);
        PumpWaitingMessages();
    }
    return result;
}

void CSdiDoc::AddActiveMeasurement()
{
    CMainFrame::BusyCommand busy(frame_);
    const QPointer<CMeasView> view = GetMeasView();
    if (!view)
        return;
    auto active = MakeActiveEntry();
    if (active && view)
        view->ReplaceFirstMeasurement(active);
}
