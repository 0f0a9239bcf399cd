#include "CSetupMessages.h"

#include <cstdio>

#include "LinkResultText.h"
#include "ReplaceFileDialog.h"

namespace {

using Msg = CSetupMessages::Msg;
using platform::Buttons;
using platform::Icon;

// A message: its format, its pieces in order ("$1" to "$3" stand for the
// arguments), and its box.
struct MessageDef {
    Msg msg;
    const char* format;
    std::vector<const char*> pieces;
    Icon icon;
    Buttons buttons;
};

constexpr Icon kInfo = Icon::Information;
constexpr Icon kExcl = Icon::Warning;
constexpr Icon kAsk = Icon::Question;
constexpr Icon kPlain = Icon::None;

const std::vector<MessageDef>& Messages()
{
    static const std::vector<MessageDef> defs{
        {Msg::PermanentCannotRename, "%s %s\n%s\n%s\n%s\n%s",
         {"The setup", "$1", "is a permanent setup and cannot be renamed.", "You can save the permanent setup using a ",
          "different setup name by storing the setup", "to the J57."},
         kInfo, Buttons::Ok},
        {Msg::NameStored, "%s %s\n%s\n%s\n%s",
         {"A setup by the name of ", "$1", "is already stored in the J57.", "Please enter a different name ",
          "that is not in use."},
         kInfo, Buttons::Ok},
        {Msg::NameInList, "%s %s\n%s %s\n%s %s\n%s\n%s\n%s",
         {"The setup", "$1", "cannot be renamed to", "$2", "as a setup by the name of", "$2",
          "already exists in the setup listbox.", "Please enter a different name ", "that is not in use."},
         kInfo, Buttons::Ok},
        {Msg::RenameFailed, "%s %s\n\n%s %s\n\n%s\n\n%s",
         {"The setup ", "$1", "could not be renamed to", "$2", "The J57 message was ", "$3"}, kInfo, Buttons::Ok},
        {Msg::PermanentCannotChange, "%s %s\n%s\n%s\n%s\n%s",
         {"The setup", "$2", "is a permanent setup and", "cannot be changed.", "Please enter a different name",
          "that is not in use."},
         kInfo, Buttons::Ok},
        {Msg::NameUsed, "%s %s\n%s\n%s\n%s\n%s\n%s",
         {"The setup name", "$1", "is being used by another setup.", "Please enter a different name ",
          "or first delete the setup", "$1", "from the J57."},
         kInfo, Buttons::Ok},
        {Msg::ReplaceQuestion, "%s %s\n%s\n%s",
         {"The setup name", "$2", "already exists on the J57.", "Would you like to replace it?"}, kAsk,
         Buttons::YesNo},
        {Msg::AlreadyLocked, "%s %s\n%s", {"The setup", "$1", "is already locked."}, kInfo, Buttons::Ok},
        {Msg::AlwaysLocked, "%s %s\n%s", {"The setup", "$1", "is a permanent setup and is always locked."}, kInfo,
         Buttons::Ok},
        {Msg::NotStoredLocked, "%s %s\n%s\n%s",
         {"The setup", "$1", "is not stored in the J57", "so it cannot be locked."}, kInfo, Buttons::Ok},
        {Msg::AlreadyUnlocked, "%s %s\n%s", {"The setup", "$1", "is already unlocked."}, kInfo, Buttons::Ok},
        {Msg::PermanentCannotUnlock, "%s %s\n%s\n%s",
         {"The setup", "$1", "is a permanent setup and", "can'tbe unlocked."}, kInfo, Buttons::Ok},
        {Msg::NotStoredUnlocked, "%s %s\n%s\n%s",
         {"The setup", "$1", "is not stored in the J57", "so it cannot be unlocked."}, kInfo, Buttons::Ok},
        {Msg::PermanentCannotDelete, "%s %s\n%s\n%s",
         {"The setup", "$1", "is a permanent setup and", "cannot be deleted."}, kInfo, Buttons::Ok},
        {Msg::NotStoredDeleted, "%s %s\n%s\n%s",
         {"The setup", "$1", "is not stored in the J57", "so it cannot be deleted."}, kInfo, Buttons::Ok},
        {Msg::MakeCurrent, "The J57 returned the following\nmessage while making the setup\n%s active:\n\n%s",
         {"$1", "$2"}, kInfo, Buttons::Ok},
        {Msg::NotStoredMadeActive, "%s %s\n%s\n%s",
         {"The setup", "$1", "is not stored in the J57", "so it cannot be made active."}, kInfo, Buttons::Ok},
        {Msg::NeedToConnect, "%s\n%s", {"Need to connect to the J57", "before sending setup to the J57"}, kExcl,
         Buttons::Ok},
        {Msg::RecallError, "%s\n%s\n\n%s\n%s",
         {"There was an error making the", "measurement active before downloading.", "The J57 message was:", "$1"},
         kInfo, Buttons::Ok},
        {Msg::DeleteLockedQuestion, "%s %s\n%s\n%s",
         {"The setup", "$1", "is a locked. Do you want to", "delete the locked setup?"}, kAsk, Buttons::YesNo},
        {Msg::DeleteQuestion, "%s\n%s\n%s\n\n%s\n%s\n%s",
         {"Deleting the setup", "$1", "will cause it to be removed from the J57.", "Do you want to remove the setup",
          "$1", "from the J57?"},
         kAsk, Buttons::YesNo},
        {Msg::RenameQuestion, "%s %s\n%s\n%s\n%s\n%s?",
         {"The setup", "$1", "exists in the J57.", "Would you like to rename", "this J57 setup to", "$2"}, kAsk,
         Buttons::YesNo},
        {Msg::LockedRenameQuestion, "%s %s\n%s\n%s\n%s\n%s\n%s?",
         {"The setup", "$1", "exists in the J57", "and is locked.", "Would you like to rename", "this locked setup to",
          "$2"},
         kAsk, Buttons::YesNo},
        {Msg::OverwriteLockedQuestion, "%s %s\n%s\n%s\n%s\n%s",
         {"The setup", "$1", "exists in the J57", "and is locked.", "Would you like to overwrite",
          "the locked setup?"},
         kAsk, Buttons::YesNo},
        {Msg::NoMeasurements, "%s\n%s", {"The J57 does not contain any", "measurement files."}, kInfo, Buttons::Ok},
        {Msg::ShortDamagedDefaultFile, "%s\n\n%s\n\n%s\n%s\n%s\n%s\n%s",
         {"The file ", "$1", "which is used to create a new", "setup has been damaged.", "For instructions on creating",
          "a new default setup file", "see help, or documentation."},
         kPlain, Buttons::Ok},
        {Msg::DamagedDefaultFile, "%s\n%s\n%s\n%s\n\n%s\n%s\n%s\n%s\n%s\n%s\n%s\n%s\n%s",
         {"The file", "$1", "which is used to create a new setup", "has been damaged.",
          "To create a new default setup file:", "1. Retrieve a setup from the J57.",
          "2. Save the setup as a disk file.", "3. Make sure to name the file ", "   default.ssa or",
          "   default.ism or ", "   default.log.", "You should then be able to create", "a new J57 setup."},
         kPlain, Buttons::Ok},
        {Msg::DefaultFileVersion, " %s\n %s\n %s\n %s\n %s\n\n %s\n %s\n %s %s %s\n %s\n %s %s %s\n\n %s\n %s\n %s",
         {"The file ", "$3", "which is used to create a new", "setup contains data that is NOT",
          "compatible with this software.", "The file ", "$3", "contains setup version", "$2", "data.",
          "This software supports setup", "version", "$1", "or greater.", "For instructions on creating",
          "a new default setup file", "see help, or documentation."},
         kInfo, Buttons::Ok},
        {Msg::MissingDefaultFile, "%s\n%s\n%s\n%s\n%s",
         {"The file that is used to create", "a new J57 setup is missing.", "For directions on creating a new",
          "default setup file, see help file", "or documentation."},
         kPlain, Buttons::Ok},
        {Msg::InvalidType, "%s\n%s\n%s\n%s\n%s\n%s\n%s",
         {"The setup file", "$1", "has been damaged as", "it does not contain data", "for a valid instrument type",
          "(SSA, ISM, LOG, TAL, FFT)", "The setup file cannot be opened"},
         kPlain, Buttons::Ok},
        {Msg::NotASetupFile, "%s\n%s\n%s\n%s\n%s",
         {"The file", "$1", "is not an J57 setup file", "or has been damaged.", "The file cannot be opened."}, kPlain,
         Buttons::Ok},
        {Msg::FileVersion, " %s\n %s\n %s\n %s\n\n %s\n %s\n %s %s %s\n %s\n %s %s %s\n\n %s\n",
         {"The file ", "$3", "setup contains data that is NOT", "compatible with this software.", "The file ", "$3",
          "contains setup version", "$2", "data.", "This software supports setup", "version", "$1", ".",
          "The file cannot be opened."},
         kExcl, Buttons::Ok},
        {Msg::CannotOpen, "%s\n\n%s\n\n%s", {"The file", "$1", "could not be opened."}, kExcl, Buttons::Ok},
        {Msg::SystemSetupStored, "%s", {"System setup uploaded successfully"}, kInfo, Buttons::Ok},
        {Msg::SystemSetupFailed, "%s", {"There was an error uploading the system setup."}, kExcl, Buttons::Ok},
        {Msg::InstrumentRunning, "%s\n%s\n%s\n%s",
         {"Can't upload the setup while", "the J57 is running (collecting data).",
          "Press Stop on the J57 before uploading", "the setup to the J57."},
         kExcl, Buttons::Ok},
        {Msg::CannotCreate, "%s\n\n%s\n\n%s", {"The file", "$1", "could not be opened or created."}, kPlain,
         Buttons::OkCancel},
        {Msg::PageNotSaved, "%s\"%s\"%s", {"The setup was not saved: the page ", "$1", " holds a value it does not accept."},
         kExcl, Buttons::Ok},
    };
    return defs;
}

const MessageDef* Find(Msg msg)
{
    for (const MessageDef& def : Messages())
        if (def.msg == msg)
            return &def;
    return nullptr;
}

// Puts the pieces in place of the format's "%s" in order; the numbers are
// already texts, so every conversion here is a "%s".
std::string Fill(const char* format, const std::vector<std::string>& pieces)
{
    std::string out;
    size_t next = 0;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            if (next < pieces.size())
                out += pieces[next++];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

}  // namespace

std::string CSetupMessages::Text(Msg msg, const std::vector<Arg>& args)
{
    const MessageDef* def = Find(msg);
    if (!def)
        return {};
    std::vector<std::string> pieces;
    for (const char* piece : def->pieces) {
        if (piece[0] == '$' && piece[1] >= '1' && piece[1] <= '9' && piece[2] == '\0') {
            const size_t index = static_cast<size_t>(piece[1] - '1');
            std::string arg = index < args.size() ? args[index].text : std::string();
            if (msg == Msg::RecallError)
                arg = StripBell(arg);
            pieces.push_back(arg);
        } else {
            pieces.push_back(piece);
        }
    }
    return Fill(def->format, pieces);
}

platform::Answer CSetupMessages::Show(Msg msg, const std::vector<Arg>& args) const
{
    const MessageDef* def = Find(msg);
    if (!def)
        return platform::IDOK;
    return platform::AppPrompter().Message(Text(msg, args), def->icon, def->buttons);
}

bool CSetupMessages::AskReplace(const std::string& oldName, const std::string& newName) const
{
    return Show(Msg::ReplaceQuestion, {oldName, newName}) == platform::IDYES;
}

int CSetupMessages::AskReplaceFile(const std::string& path, long long sizeBytes, std::time_t modified,
                                   int files) const
{
    ReplaceFileDialog dialog(nullptr);
    dialog.SetFile(files, path, SizeText(sizeBytes), TimeText(modified));
    return dialog.Ask();
}

std::string CSetupMessages::SizeText(long long sizeBytes)
{
    char text[48];
    std::snprintf(text, sizeof text, "%0.1f KB", static_cast<double>(sizeBytes) / 1000.0);
    return text;
}

// "%A, %B %d, %Y, %I:%M:%S " and AM or PM, with English names whatever the
// locale.
std::string CSetupMessages::TimeText(std::time_t modified)
{
    std::tm tm{};
    if (!localtime_r(&modified, &tm))
        return {};
    const int hour12 = tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12;
    char text[96];
    std::snprintf(text, sizeof text, "%s, %s %02d, %d, %02d:%02d:%02d %s", kDayNames[tm.tm_wday % 7],
                  kMonthNames[tm.tm_mon % 12], tm.tm_mday, tm.tm_year + 1900, hour12, tm.tm_min, tm.tm_sec,
                  tm.tm_hour > 11 ? "PM" : "AM");
    return text;
}

std::string CSetupMessages::GetCodeText(int code)
{
    return LinkResultText(code);
}

std::string CSetupMessages::StripBell(const std::string& reply)
{
    return !reply.empty() && reply[0] == '\x07' ? reply.substr(1) : reply;
}
