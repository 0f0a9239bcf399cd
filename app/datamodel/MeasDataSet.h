#pragma once
// One translated download file: six output records of the translation library
// kept whole, the record managers filled with its measurement records, the
// time of the translation, the measurement's setup type and the model of the
// instrument that made the file.
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "RecordBuilders.h"
#include "RecordView.h"
#include "Translator.h"

class MeasDataSet {
public:
    // Results beside the library's status codes.
    static constexpr int kUnsupportedFirmware = 1000;
    static constexpr int kFileNotFound = 1001;
    static constexpr int kStartFailed = 1002;
    static constexpr int kJ57 = 57;

    // translator: the library, or a stand-in for tests.
    explicit MeasDataSet(Translator* translator = nullptr);
    MeasDataSet(const MeasDataSet&) = delete;
    MeasDataSet& operator=(const MeasDataSet&) = delete;

    // Translates the whole file, keeping the blocks and building the records
    // that the wanted report type needs. reportType and lineCount come in as
    // the report view chose them and go out adjusted (the settings reports
    // set their report type; a file of another model than the J57 gets
    // report type 34 with 10 lines). Returns -318 after the last record,
    // 1000 for a J57 file below firmware 1.0, 1001 for a missing file, else
    // the library's negative status. Records and blocks already present stay:
    // a holder that loads another file empties the set first (Clear).
    int LoadFile(const std::string& path, float* version, int* reportType, int expectedDataKind, int* lineCount);
    // Reads the identity and the header block and starts the translation
    // only: -1 after a good start, 1002 when it fails to start, 1000 for a J57
    // file below firmware 1.0.
    int ReadSetupOnly(const std::string& path, float* version, void* unused = nullptr);

    // Empties every manager, frees the six blocks and forgets the mode.
    void Clear();

    bool IsLoaded() const { return m_loaded; }
    // The kept blocks; null when the file held no such record.
    const uint8_t* GetSummaryBlock() const { return m_summary.get(); }
    const uint8_t* GetSystemBlock() const { return m_system.get(); }
    const uint8_t* GetSetupBlock() const { return m_setup.get(); }
    const uint8_t* GetCalibrationBlock() const { return m_calibration.get(); }
    const uint8_t* GetParameterBlock() const { return m_parameters.get(); }
    const uint8_t* GetFileHeaderBlock() const { return m_fileHeader.get(); }
    // The same blocks for reading fields by position; empty when absent.
    RecordView SummaryView() const { return RecordBlock(m_summary); }
    RecordView SystemView() const { return RecordBlock(m_system); }
    RecordView SetupView() const { return RecordBlock(m_setup); }
    RecordView CalibrationView() const { return RecordBlock(m_calibration); }
    RecordView ParameterView() const { return RecordBlock(m_parameters); }
    RecordView FileHeaderView() const
    {
        return RecordView(m_fileHeader.get(), m_fileHeader ? TranslatorCodes::kFileHeaderSize : 0);
    }

    RecordManagers& Records() { return m_records; }
    const RecordManagers& Records() const { return m_records; }

    std::time_t GetTranslationTime() const { return m_translationTime; }
    // 5 SSA, 6 ISM, 7 LOG, 8 TAL, 9 FFT, 10 RTA from the mode setup record;
    // 0 before one arrived.
    int GetSetupType() const { return m_setupType; }
    int GetModel() const { return m_model; }

private:
    using Block = std::unique_ptr<uint8_t[]>;
    struct Load;

    static RecordView RecordBlock(const Block& block)
    {
        return RecordView(block.get(), block ? TranslatorCodes::kRecordSize : 0);
    }
    void Dispatch(const RecordView& record, int* reportType, int expectedDataKind, int* lineCount);
    static void Keep(Block& block, const RecordView& record);
    void KeepSetup(const RecordView& record, int setupType);

    Translator& m_translator;
    bool m_loaded = false;
    Block m_summary;
    Block m_system;
    Block m_setup;
    Block m_calibration;
    Block m_parameters;
    Block m_fileHeader;
    RecordManagers m_records;
    std::time_t m_translationTime = 0;
    int m_setupType = 0;
    int m_model = 0;
};
