#include "SetupRec.h"

#include <algorithm>
#include <cctype>

#include "Files.h"
#include "SetupBlock.h"
#include "SetupFile.h"
#include "SetupTypes.h"

template <class T>
SetupRec::Pair<T>::Pair(const Pair& other)
    : working(other.working ? std::make_unique<T>(*other.working) : nullptr),
      saved(other.saved ? std::make_unique<T>(*other.saved) : nullptr)
{
}

template <class T>
void SetupRec::LoadWorking(Pair<T>& pair, const uint8_t* block, size_t count)
{
    pair.working = std::make_unique<T>();
    pair.working->Load(block, count);
}

template <class T>
void SetupRec::LoadPair(Pair<T>& pair, const uint8_t* block, size_t count)
{
    LoadWorking(pair, block, count);
    pair.saved = std::make_unique<T>(*pair.working);
}

SetupRec::SetupRec(const SetupRec& other)
    : m_instrumentId(other.m_instrumentId),
      m_revision(other.m_revision),
      m_aFlag(other.m_aFlag),
      m_locked(other.m_locked),
      m_protected(other.m_protected),
      m_current(other.m_current),
      m_name(other.m_name),
      m_sys(other.m_sys),
      m_oba(other.m_oba),
      m_ssa(other.m_ssa),
      m_ism(other.m_ism),
      m_log(other.m_log),
      m_tal(other.m_tal),
      m_fft(other.m_fft),
      m_rta(other.m_rta),
      m_type(other.m_type),
      m_origin(other.m_origin),
      m_param207(other.m_param207)
{
}

void SetupRec::SetType(int type)
{
    bool known = type == SetupType::kSystem || (type >= SetupType::kSsa && type <= SetupType::kVib);
    m_type = known ? type : SetupType::kNone;
}

void SetupRec::SetOrigin(int origin)
{
    bool known = origin >= SetupOrigin::kFile && origin <= SetupOrigin::kInstrument;
    m_origin = known ? origin : SetupOrigin::kNone;
}

void SetupRec::SetLOGSetupCopy(const LOGSetup& setup)
{
    m_log.working = std::make_unique<LOGSetup>(setup);
}

void SetupRec::LoadOBASetup(const uint8_t* block, size_t count) { LoadPair(m_oba, block, count); }
void SetupRec::LoadSSASetup(const uint8_t* block, size_t count) { LoadPair(m_ssa, block, count); }
void SetupRec::LoadISMSetup(const uint8_t* block, size_t count) { LoadPair(m_ism, block, count); }
void SetupRec::LoadLOGSetup(const uint8_t* block, size_t count) { LoadPair(m_log, block, count); }
void SetupRec::LoadTALSetup(const uint8_t* block, size_t count) { LoadPair(m_tal, block, count); }
void SetupRec::LoadFFTSetup(const uint8_t* block, size_t count) { LoadPair(m_fft, block, count); }
void SetupRec::LoadRTASetup(const uint8_t* block, size_t count) { LoadPair(m_rta, block, count); }
void SetupRec::LoadSYSSetup(const uint8_t* block, size_t count) { LoadPair(m_sys, block, count); }

NamedSetup* SetupRec::ModeSetup() const
{
    switch (m_type) {
    case SetupType::kSsa: return m_ssa.working.get();
    case SetupType::kIsm: return m_ism.working.get();
    case SetupType::kLog: return m_log.working.get();
    case SetupType::kTal: return m_tal.working.get();
    case SetupType::kFft: return m_fft.working.get();
    case SetupType::kRta: return m_rta.working.get();
    default: return nullptr;
    }
}

const std::string& SetupRec::GetName() const
{
    if (m_type == SetupType::kSystem) {
        m_name = "System";
    } else if (NamedSetup* setup = ModeSetup()) {
        m_name = SetupBlock::TrimRight(setup->GetNameText());
    } else {
        m_name.clear();
    }
    return m_name;
}

void SetupRec::SetName(const std::string& name)
{
    if (SetupType::IsEditableMeasurement(m_type)) {
        if (NamedSetup* setup = ModeSetup())
            setup->SetName(name);
    } else {
        m_name.clear();
    }
}

const std::string& SetupRec::GetBlockName(std::string& out) const
{
    NamedSetup* setup = ModeSetup();
    out = setup ? setup->GetNameText() : std::string();
    return out;
}

const std::string& SetupRec::GetTypeExtUpper(std::string& out) const
{
    GetSetupFileExtension(m_type, out);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

int SetupRec::GetImageIndex() const
{
    switch (m_origin) {
    case SetupOrigin::kFile: return 3;
    case SetupOrigin::kNew: return 4;
    case SetupOrigin::kInstrument:
        if (IsSystemSetup())
            return 6;
        if (m_current)
            return 5;
        if (m_protected)
            return 1;
        return m_locked ? 2 : 0;
    default: return 0;
    }
}

bool SetupRec::CheckFileCrc(std::istream& file)
{
    std::vector<uint8_t> bytes = SetupFile::ReadHead(file);
    auto body = SetupFile::FindWholeBody(bytes);
    if (!body)
        return false;
    uint16_t stored = static_cast<uint16_t>(bytes[*body - 2] | (bytes[*body - 1] << 8));
    return SetupFile::BodyCrc(bytes.data() + *body) == stored;
}

int SetupRec::GetFileSetupType(std::istream& file)
{
    constexpr size_t kModeInBody = SetupBlock::kMode + 1 + SetupFile::kCrcLength;
    std::vector<uint8_t> bytes = SetupFile::ReadHead(file);
    if (bytes.empty())
        return 0;
    auto marker = SetupFile::FindMarker(bytes);
    if (!marker || *marker + kModeInBody >= bytes.size())
        return -1;
    return SetupTypeFromMode(bytes[*marker + kModeInBody]);
}

bool SetupRec::CheckFileVersion(int minimum, int& version, std::istream& file)
{
    constexpr size_t kVersionInBody = 1 + SetupFile::kCrcLength;
    version = 0;
    std::vector<uint8_t> bytes = SetupFile::ReadHead(file);
    auto marker = SetupFile::FindMarker(bytes);
    if (!marker || *marker + kVersionInBody >= bytes.size())
        return false;
    // The version byte is read signed: 128 and above are negative, so refused.
    version = static_cast<int8_t>(bytes[*marker + kVersionInBody]);
    return version >= minimum;
}

bool SetupRec::Serialize(std::ostream& out) const
{
    NamedSetup* setup = ModeSetup();
    return setup != nullptr && setup->Serialize(out);
}

bool SetupRec::Serialize(std::istream& in)
{
    std::vector<uint8_t> bytes = SetupFile::ReadUpTo(in);
    auto body = SetupFile::FindWholeBody(bytes);
    if (!body)
        return false;
    const uint8_t* block = bytes.data() + *body;
    const size_t count = SetupFile::kBodySize;
    switch (SetupTypeFromMode(block[SetupBlock::kMode])) {
    case SetupType::kSsa: LoadWorking(m_ssa, block, count); break;
    case SetupType::kIsm: LoadWorking(m_ism, block, count); break;
    case SetupType::kLog: LoadWorking(m_log, block, count); break;
    case SetupType::kRta: LoadWorking(m_rta, block, count); break;
    case SetupType::kFft: LoadWorking(m_fft, block, count); break;
    case SetupType::kTal: LoadWorking(m_tal, block, count); break;
    default: return false;
    }
    return true;
}

SetupWriteResult SetupRec::WriteFile(const std::string& path) const
{
    NamedSetup* setup = ModeSetup();
    std::vector<uint8_t> bytes = setup ? setup->FileBytes() : std::vector<uint8_t>();
    if (bytes.empty())
        return SetupWriteResult::NoSetup;
    std::string data(bytes.begin(), bytes.end());
    return platform::WriteFileAtomically(path, data) ? SetupWriteResult::Written
                                                     : SetupWriteResult::WriteFailed;
}
