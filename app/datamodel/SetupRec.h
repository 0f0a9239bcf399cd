#pragma once
// One instrument setup as the program handles it: what kind it is, where it
// came from, the instrument directory's flags, and the setup objects of its
// mode. The unit that the setup list holds, the editor edits, the link stores
// and setup files keep.
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "FFTSetup.h"
#include "ISMSetup.h"
#include "LOGSetup.h"
#include "OBASetup.h"
#include "RTASetup.h"
#include "SSASetup.h"
#include "SYSSetup.h"
#include "TALSetup.h"

enum class SetupWriteResult {
    Written,
    NoSetup,      // not a measurement setup, or its setup object is missing
    WriteFailed,  // the file could not be written; any old file is unchanged
};

class SetupRec {
public:
    SetupRec() = default;
    // Deep copies of every setup object; path and file name stay empty.
    SetupRec(const SetupRec& other);
    SetupRec& operator=(const SetupRec&) = delete;
    ~SetupRec() = default;

    // Type code: keeps 1 and 5 to 13, stores 0 for anything else.
    int GetType() const { return m_type; }
    void SetType(int type);
    bool IsSystemSetup() const { return m_type == 1; }
    // Origin: keeps 0 and 5 to 7, stores 0 for anything else.
    int GetOrigin() const { return m_origin; }
    void SetOrigin(int origin);

    // The working objects (null when the record holds none).
    SYSSetup* GetSYSSetup() const { return m_sys.working.get(); }
    OBASetup* GetOBASetup() const { return m_oba.working.get(); }
    SSASetup* GetSSASetup() const { return m_ssa.working.get(); }
    ISMSetup* GetISMSetup() const { return m_ism.working.get(); }
    LOGSetup* GetLOGSetup() const { return m_log.working.get(); }
    TALSetup* GetTALSetup() const { return m_tal.working.get(); }
    FFTSetup* GetFFTSetup() const { return m_fft.working.get(); }
    RTASetup* GetRTASetup() const { return m_rta.working.get(); }
    // A setup made from a download file: a copy becomes the working LOG object.
    void SetLOGSetupCopy(const LOGSetup& setup);

    // Blocks from the instrument (or any caller holding a raw block): the
    // working object of the mode is replaced by one loaded from the block, and
    // a saved copy of it is kept. Type code and origin are the caller's.
    void LoadOBASetup(const uint8_t* block, size_t count);
    void LoadSSASetup(const uint8_t* block, size_t count);
    void LoadISMSetup(const uint8_t* block, size_t count);
    void LoadLOGSetup(const uint8_t* block, size_t count);
    void LoadTALSetup(const uint8_t* block, size_t count);
    void LoadFFTSetup(const uint8_t* block, size_t count);
    void LoadRTASetup(const uint8_t* block, size_t count);
    void LoadSYSSetup(const uint8_t* block, size_t count);

    // The instrument's identification reply and firmware revision text.
    void SetInstrumentId(const std::string& id) { m_instrumentId = id; }
    const std::string& GetInstrumentId() const { return m_instrumentId; }
    void SetRevision(const std::string& revision) { m_revision = revision; }
    const std::string& GetRevisionText() const { return m_revision; }
    // The setup file the setup came from, and its file name.
    void SetPath(const std::string& path) { m_path = path; }
    const std::string& GetPath() const { return m_path; }
    void SetFileName(const std::string& name) { m_fileName = name; }
    const std::string& GetFileName() const { return m_fileName; }

    // The instrument directory's flags and the current mark.
    void SetAFlag(int flag) { m_aFlag = static_cast<uint8_t>(flag); }
    int GetAFlag() const { return m_aFlag; }
    void SetLocked(int flag) { m_locked = static_cast<uint8_t>(flag); }
    bool IsLocked() const { return m_locked != 0; }
    bool IsUnlocked() const { return m_locked == 0; }
    void SetPFlag(int flag) { m_protected = static_cast<uint8_t>(flag); }
    int GetProtectFlag() const { return m_protected; }
    void SetCurrent(int flag) { m_current = static_cast<uint8_t>(flag); }
    bool IsCurrent() const { return m_current != 0; }

    // The instrument's parameter 207, sent after a setup is stored.
    float GetParam207() const { return m_param207; }
    void SetParam207(float value) { m_param207 = value; }

    // "System" for the system setup; the name of the mode's setup object,
    // without trailing blanks, for types 5 to 10; else empty. Also cached.
    const std::string& GetName() const;
    // Names the mode's setup object (types 5 to 10); for other types only
    // empties the cached name.
    void SetName(const std::string& name);
    // The name as stored in the block (blanks kept), for instrument commands.
    const std::string& GetBlockName(std::string& out) const;
    // ".SSA" and the like; empty for a type without an extension.
    const std::string& GetTypeExtUpper(std::string& out) const;
    // The image of the setup in the setup list.
    int GetImageIndex() const;

    // Checks of an open setup file; each looks at the first 540 bytes from
    // the start of the file and changes nothing.
    // True when the marker, the CRC and the whole body lie within those bytes
    // and the CRC matches.
    static bool CheckFileCrc(std::istream& file);
    // The type code of the body's mode number; -1 for a number without a mode
    // or a file without a marker; 0 when nothing could be read.
    static int GetFileSetupType(std::istream& file);
    // The body's format version (byte 0, signed) into version (0 when it
    // cannot be read); true when it is at least minimum.
    static bool CheckFileVersion(int minimum, int& version, std::istream& file);

    // Writes the setup file of a measurement setup (types 5 to 10) with its
    // setup object; false when nothing or not all could be written.
    bool Serialize(std::ostream& out) const;
    // Reads a setup file that passed the checks: the setup object of the
    // body's mode is replaced. False when nothing was loaded.
    bool Serialize(std::istream& in);
    // Writes the setup file whole or not at all.
    SetupWriteResult WriteFile(const std::string& path) const;

private:
    template <class T>
    struct Pair {
        std::unique_ptr<T> working;  // what accessors, pages and transfers use
        std::unique_ptr<T> saved;    // as loaded from the instrument
        Pair() = default;
        Pair(const Pair& other);
        Pair& operator=(const Pair&) = delete;
    };
    template <class T>
    static void LoadWorking(Pair<T>& pair, const uint8_t* block, size_t count);
    template <class T>
    static void LoadPair(Pair<T>& pair, const uint8_t* block, size_t count);

    // The setup object of types 5 to 10; null for other types or when missing.
    NamedSetup* ModeSetup() const;

    std::string m_instrumentId;
    std::string m_revision;
    std::string m_path;
    std::string m_fileName;
    uint8_t m_aFlag = 0;
    uint8_t m_locked = 0;
    uint8_t m_protected = 0;
    uint8_t m_current = 0;
    mutable std::string m_name;
    Pair<SYSSetup> m_sys;
    Pair<OBASetup> m_oba;
    Pair<SSASetup> m_ssa;
    Pair<ISMSetup> m_ism;
    Pair<LOGSetup> m_log;
    Pair<TALSetup> m_tal;
    Pair<FFTSetup> m_fft;
    Pair<RTASetup> m_rta;
    int m_type = 0;
    int m_origin = 0;
    float m_param207 = 15.0f;
};
