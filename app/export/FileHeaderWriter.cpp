#include <iomanip>
#include <string>

#include "AnsiText.h"
#include "ReportWriter.h"
#include "SetupTypes.h"
#include "SummaryWriterSupport.h"

namespace {

// The program's version as the header states it.
constexpr double kSoftwareVersion = 3.12;
constexpr int kLabelWidth = 18;

// Text slots of the download file's header block and of the two records.
constexpr size_t kFirmwareLine = 84;
constexpr size_t kFirmwareLength = 42;
constexpr size_t kLocation = 253;
constexpr size_t kNote1 = 335;
constexpr size_t kNote2 = 417;
constexpr size_t kHeaderLineLength = 81;  // an 82-byte slot less its "@"

constexpr size_t kModel = 10;
constexpr size_t kSerial = 26;
constexpr size_t kName = 38;
constexpr size_t kDescr1 = 70;
constexpr size_t kDescr2 = 102;
constexpr size_t kLogicOutput = 146;  // the field after the second description
constexpr size_t kSetupName = 14;
constexpr size_t kSetupDescr = 24;
constexpr size_t kSetupFlags = 60;  // the first field after the description

// The firmware line reads like "1.05 12-Mar-03": the version is what stands
// before the first blank. A line without a blank names no version.
std::string FirmwareRevision(const RecordView& header)
{
    if (header.IsEmpty())
        return "?.???";
    const std::string line = header.Text(kFirmwareLine, kFirmwareLength);
    const size_t blank = line.find(' ');
    return blank == std::string::npos ? std::string() : line.substr(0, blank);
}

}  // namespace

int ReportWriter::WriteFileHeader(std::ostream& out, ExportFormat format, const char* fileName,
                                  const RecordView& headerBlock, const RecordView& systemRecord,
                                  const RecordView& setupRecord, int setupType)
{
    if (!Usable(out))
        return 1;
    const bool text = IsText(format);
    // Absent records read as zeros: empty texts and model 0.
    const RecordView& sys = systemRecord;
    std::string extension;
    GetSetupFileExtension(setupType, extension);

    out << std::setiosflags(std::ios::left) << std::setiosflags(std::ios::fixed);
    // The writers write Windows-1252 text; the path is UTF-8.
    LabelledLine(out, text, kLabelWidth, "File Translated:", platform::Utf8ToAnsi(fileName ? fileName : ""));
    LabelledLine(out, text, kLabelWidth, "Model Number:", sys.I16(kModel));
    LabelledLine(out, text, kLabelWidth, "Serial Number:", sys.Text(kSerial, kName - kSerial));
    out << std::setprecision(3);
    LabelledLine(out, text, kLabelWidth, "Firmware Rev:", FirmwareRevision(headerBlock));
    LabelledLine(out, text, kLabelWidth, "Software Version:", kSoftwareVersion);

    const struct {
        const char* label;
        std::string value;
    } lines[] = {
        {"Name:", sys.Text(kName, kDescr1 - kName)},
        {"Descr1:", sys.Text(kDescr1, kDescr2 - kDescr1)},
        {"Descr2:", sys.Text(kDescr2, kLogicOutput - kDescr2)},
        {"Setup:", TrimRight(setupRecord.Text(kSetupName, kSetupDescr - kSetupName)) + extension},
        {"Setup Descr:", setupRecord.Text(kSetupDescr, kSetupFlags - kSetupDescr)},
        {"Location:", TrimRight(headerBlock.Text(kLocation, kHeaderLineLength))},
        {"Note 1:", TrimRight(headerBlock.Text(kNote1, kHeaderLineLength))},
        {"Note 2:", TrimRight(headerBlock.Text(kNote2, kHeaderLineLength))},
    };
    for (const auto& line : lines)
        LabelledLine(out, text, kLabelWidth, line.label, line.value);
    out << std::endl;
    return 1;
}
