#include "MeasDataSet.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <vector>

#include "KeptRecordFields.h"
#include "StreamedRecordFields.h"

namespace {
// Far above the library's 9984 bytes; a size past it is not believed.
constexpr int32_t kMaxWorkBuffer = 1 << 20;

// The library writes the fields of a record's own layout only, so every call
// gets a cleared record, as a kept block must not carry bytes of the record
// before it. The kinds that come by the hundred thousand (intervals, stream
// blocks, spectrum and time-history samples) are cleared as far as the
// library wrote them: a time-history sample writes its detector sets and
// spectra only when the setup stores the advanced values (other level 4), so
// a plain level history leaves all but its first 40 bytes zero. Clearing all
// 6164 bytes, or 500, after each of a million samples was a good part of a
// load.
size_t BytesToClear(const RecordView& record)
{
    switch (record.Kind()) {
    case 2: return LogIntervalFields::kWrittenLength;
    case 16: return ThBlockFields::kWrittenLength;
    case 21: return SpectrumThFields::kWrittenLength;
    case 57:
        return record.U16(TimeHistoryFields::kOtherLevel) == TimeHistoryFields::kAdvancedOtherLevel
                   ? TimeHistoryFields::kSpectraEnd
                   : TimeHistoryFields::kPlainLength;
    default: return TranslatorCodes::kRecordSize;
    }
}
}  // namespace

// The work buffer of one call and the file's identity. The buffer is the
// library's for as long as it translates: Finish stops the translation before
// the buffer goes, so the library keeps no file open and no pointer to it.
struct MeasDataSet::Load {
    Translator& translator;
    std::vector<uint8_t> work;
    uint16_t model = 0;
    float version = 0;
    bool started = false;

    explicit Load(Translator& t) : translator(t)
    {
        int32_t size = translator.GetBufferSize();
        if (size > 0 && size <= kMaxWorkBuffer)
            work.assign(static_cast<size_t>(size), 0);
    }
    ~Load()
    {
        if (started)
            translator.StopTranslate();
    }
    void* Work() { return work.empty() ? nullptr : work.data(); }

    void ReadIdentity(const std::string& path)
    {
        char serial[TranslatorCodes::kSerialSize] = {};
        // A failure leaves the model 0 and the version as it was.
        translator.ReadFileSN(path.c_str(), Work(), &model, serial, &version);
    }
    bool Unsupported() const { return model == kJ57 && version < 1.0f; }
};

MeasDataSet::MeasDataSet(Translator* translator)
    : m_translator(translator ? *translator : TessdecTranslator())
{
}

void MeasDataSet::Clear()
{
    m_records.RemoveAll();
    m_summary.reset();
    m_system.reset();
    m_setup.reset();
    m_calibration.reset();
    m_parameters.reset();
    m_fileHeader.reset();
    // The mode belongs to the setup record just freed: a file without one
    // must not be titled with the previous file's mode.
    m_setupType = 0;
}

int MeasDataSet::LoadFile(const std::string& path, float* version, int* reportType, int expectedDataKind,
                          int* lineCount)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return kFileNotFound;
    int dummyType = 0, dummyLines = 0;
    if (reportType == nullptr)
        reportType = &dummyType;
    if (lineCount == nullptr)
        lineCount = &dummyLines;

    m_model = 0;
    Load load(m_translator);
    load.ReadIdentity(path);
    if (version)
        *version = load.version;
    if (load.Unsupported())
        return kUnsupportedFirmware;

    m_fileHeader.reset(new uint8_t[TranslatorCodes::kFileHeaderSize]());
    if (m_translator.ReadFileHeader(path.c_str(), load.Work(), m_fileHeader.get()) < 0)
        m_fileHeader.reset();

    m_translationTime = std::time(nullptr);
    load.started = true;
    int result = m_translator.StartTranslate(path.c_str(), load.Work());
    if (result >= 0) {
        std::vector<uint8_t> record(TranslatorCodes::kRecordSize);
        do {
            result = m_translator.TranslateNextRec(record.data(), load.Work());
            if (result < 0 && result != TranslatorCodes::kEndOfData)
                return result;  // the records and blocks so far stay
            const RecordView view(record.data(), record.size());
            Dispatch(view, reportType, expectedDataKind, lineCount);
            std::fill_n(record.begin(), BytesToClear(view), 0);
        } while (result >= 0);
    }

    m_model = static_cast<int16_t>(load.model);
    if (m_model != kJ57) {
        *reportType = 34;
        *lineCount = 10;
    }
    if (result == TranslatorCodes::kEndOfData)
        m_loaded = true;
    return result;
}

int MeasDataSet::ReadSetupOnly(const std::string& path, float* version, void*)
{
    Load load(m_translator);
    load.ReadIdentity(path);
    if (version)
        *version = load.version;
    int result = kUnsupportedFirmware;
    if (!load.Unsupported()) {
        m_fileHeader.reset(new uint8_t[TranslatorCodes::kFileHeaderSize]());
        if (m_translator.ReadFileHeader(path.c_str(), load.Work(), m_fileHeader.get()) < 0)
            m_fileHeader.reset();
        m_translationTime = std::time(nullptr);
        load.started = true;
        result = m_translator.StartTranslate(path.c_str(), load.Work()) < 0 ? kStartFailed : -1;
    }
    m_model = static_cast<int16_t>(load.model);
    return result;
}

void MeasDataSet::Keep(Block& block, const RecordView& record)
{
    block.reset(new uint8_t[TranslatorCodes::kRecordSize]());
    std::memcpy(block.get(), record.Data(), std::min<size_t>(record.Size(), TranslatorCodes::kRecordSize));
}

void MeasDataSet::KeepSetup(const RecordView& record, int setupType)
{
    Keep(m_setup, record);
    m_setupType = setupType;
}

void MeasDataSet::Dispatch(const RecordView& record, int* reportType, int expectedDataKind, int* lineCount)
{
    namespace B = RecordBuilders;
    const int wanted = *reportType;
    int& lines = *lineCount;
    const RecordView setup = SetupView();
    switch (static_cast<int16_t>(record.Kind())) {
    case 1:
        if (wanted == 17)
            B::AddEventRec(record, wanted, lines, m_records);
        else if (wanted == 30 || wanted == 33)
            B::AddRtaEventRec(record, wanted, lines, m_records);
        break;
    case 2: B::AddIntervalRec(record, setup, wanted, lines, m_records); break;
    case 3: B::AddDailyRec(record, setup, wanted, lines, m_records); break;
    case 4:
    case 59:
    case 62:
    case 64:
        if (wanted == 6 || wanted == 20 || wanted == 22 || wanted == 26)
            B::AddRunStopRec(record, lines, m_records);
        break;
    case 5: B::AddCalRec(record, wanted, lines, m_records); break;
    case 7: Keep(m_parameters, record); break;
    case 16: B::AddTimeHistoryBlock(record, wanted, lines, m_records); break;
    case 9:
    case 17: B::AddHistograms(record, wanted, lines, m_records); break;
    case 21:
    case 22: B::AddSpectrumThRec(record, wanted, m_records); break;
    case 30:
    case 50: Keep(m_calibration, record); break;
    case 31: B::AddObaIntervalRec(record, wanted, lines, m_records); break;
    case 33:
        // The octave band analyser's setup, for its settings and interval
        // reports (4: the setup type of the OBA mode).
        if (wanted == 5 || wanted == 12)
            KeepSetup(record, 4);
        break;
    case 36:
    case 54: Keep(m_system, record); break;
    case 51:
        KeepSetup(record, 5);
        if (expectedDataKind == 51) {
            *reportType = 13;
        } else if (expectedDataKind == 73) {
            // The SSA summary leaves out its spectral Ln and wind lines.
            if (record.I16(SsaSetupFields::kSpectralLn) != 1)
                lines -= 19;
            if ((record.U16(SsaSetupFields::kOptionFlags) & 0x40) == 0)
                lines -= 8;
        }
        break;
    case 52:
        KeepSetup(record, 6);
        if (expectedDataKind == 52)
            *reportType = 15;
        break;
    case 53:
        KeepSetup(record, 7);
        if (expectedDataKind == 35 || expectedDataKind == 53) {
            *reportType = 3;
            if ((record.U16(LogSetupFields::kOptionFlags) & 0x40) == 0)
                lines -= 8;  // no wind lines
        }
        break;
    case 55: Keep(m_summary, record); break;
    case 56: B::AddSsaIntervalRec(record, setup, wanted, lines, m_records); break;
    case 57: B::AddTimeHistoryRec(record, wanted, lines, m_records); break;
    case 60:
        KeepSetup(record, 8);
        if (expectedDataKind == 60)
            *reportType = 23;
        break;
    case 63:
        KeepSetup(record, 9);
        if (expectedDataKind == 63)
            *reportType = 25;
        break;
    case 66:
    case 67:
    case 68:
    case 69:
    case 72: B::AddSnapshotRec(record, wanted, lines, m_records); break;
    case 70:
        KeepSetup(record, 10);
        if (expectedDataKind == 70)
            *reportType = 28;
        break;
    default: break;
    }
}
