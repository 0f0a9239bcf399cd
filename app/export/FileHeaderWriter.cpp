#include <iomanip>
#include <string>

#include "AnsiText.h"
#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SetupTypes.h"
#include "SummaryWriterSupport.h"
#include "TextTrim.h"

namespace {

constexpr int kLabelWidth = 18;

using namespace FileHeaderFields;

}  // namespace

std::string FirmwareRevision(const RecordView& header)
{
    if (header.IsEmpty())
        return "?.???";
    const std::string line = header.Text(kFirmwareLine, kFirmwareLength);
    const size_t blank = line.find(' ');
    return blank == std::string::npos ? std::string() : line.substr(0, blank);
}

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
    LabelledLine(out, text, kLabelWidth, "Model Number:", sys.I16(SystemFields::kModel));
    LabelledLine(out, text, kLabelWidth, "Serial Number:",
                 sys.Text(SystemFields::kSerial, SystemFields::kSerialLength));
    out << std::setprecision(3);
    LabelledLine(out, text, kLabelWidth, "Firmware Rev:", FirmwareRevision(headerBlock));
    LabelledLine(out, text, kLabelWidth, "Software Version:", kSoftwareVersion);

    const struct {
        const char* label;
        std::string value;
    } lines[] = {
        {"Name:", sys.Text(SystemFields::kName, SystemFields::kNameLength)},
        {"Descr1:", sys.Text(SystemFields::kDescription1, SystemFields::kDescription1Length)},
        {"Descr2:", sys.Text(SystemFields::kDescription2, SystemFields::kDescription2Length)},
        {"Setup:", TrimTrailingBlanks(setupRecord.Text(SetupRecordFields::kName, SetupRecordFields::kNameLength)) + extension},
        {"Setup Descr:", setupRecord.Text(SetupRecordFields::kDescription, SetupRecordFields::kDescriptionLength)},
        {"Location:", TrimTrailingBlanks(headerBlock.Text(kLocation, kNoteLength))},
        {"Note 1:", TrimTrailingBlanks(headerBlock.Text(kNote1, kNoteLength))},
        {"Note 2:", TrimTrailingBlanks(headerBlock.Text(kNote2, kNoteLength))},
    };
    for (const auto& line : lines)
        LabelledLine(out, text, kLabelWidth, line.label, line.value);
    out << std::endl;
    return 1;
}
