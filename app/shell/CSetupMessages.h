#pragma once
// The document's message texts: each message is built from fixed pieces and
// the names, paths or numbers of the case, and shown in a message box.
#include <ctime>
#include <string>
#include <vector>

#include "Prompter.h"

class CSetupMessages {
public:
    enum class Msg {
        PermanentCannotRename,   // name
        NameStored,              // new name
        NameInList,              // old name, new name
        RenameFailed,            // old name, new name, reason
        PermanentCannotChange,   // old name, new name
        NameUsed,                // new name
        ReplaceQuestion,         // old name, new name
        AlreadyLocked,           // name
        AlwaysLocked,            // name
        NotStoredLocked,         // name
        AlreadyUnlocked,         // name
        PermanentCannotUnlock,   // name
        NotStoredUnlocked,       // name
        PermanentCannotDelete,   // name
        NotStoredDeleted,        // name
        MakeCurrent,             // name, instrument reply
        NotStoredMadeActive,     // name
        NeedToConnect,           //
        RecallError,             // instrument reply
        DeleteLockedQuestion,    // name
        DeleteQuestion,          // name
        RenameQuestion,          // old name, new name
        LockedRenameQuestion,    // old name, new name
        OverwriteLockedQuestion, // name
        NoMeasurements,          //
        ShortDamagedDefaultFile, // path
        DamagedDefaultFile,      // path
        DefaultFileVersion,      // minimum, version, path
        MissingDefaultFile,      //
        InvalidType,             // path
        NotASetupFile,           // path
        FileVersion,             // minimum, version, path
        CannotOpen,              // path
        SystemSetupStored,       //
        SystemSetupFailed,       //
        InstrumentRunning,       //
        CannotCreate,            // path
        PageNotSaved,            // tab caption of the page
    };

    // An argument of a message: a text, or a number shown as "%d" shows it.
    struct Arg {
        Arg(const std::string& t) : text(t) {}
        Arg(const char* t) : text(t) {}
        Arg(int n) : text(std::to_string(n)) {}
        std::string text;
    };

    virtual ~CSetupMessages() = default;

    // The text of a message with its arguments.
    static std::string Text(Msg msg, const std::vector<Arg>& args = {});
    // Shows it with its icon and buttons; the answer of the box.
    platform::Answer Show(Msg msg, const std::vector<Arg>& args = {}) const;
    // The replace question: true when the user answered Yes.
    bool AskReplace(const std::string& oldName, const std::string& newName) const;

    // Confirm File Replace for a download file: 0 Yes, 1 Yes to All, 2 No,
    // 3 Cancel. files is the number of files being downloaded.
    int AskReplaceFile(const std::string& path, long long sizeBytes, std::time_t modified, int files = 1) const;
    static std::string SizeText(long long sizeBytes);
    static std::string TimeText(std::time_t modified);

    // The text of a link result code; empty for a code without one.
    static std::string GetCodeText(int code);
    // The reply without a leading BEL.
    static std::string StripBell(const std::string& reply);
};
