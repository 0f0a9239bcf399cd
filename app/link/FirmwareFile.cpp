#include "FirmwareFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace firmware {

namespace {

const struct {
    const char* model;
    char code;
} kModelCodes[] = {{"J05", '0'}, {"J08", '6'}, {"J17", '1'}, {"J33", '2'},
                   {"J46", '7'}, {"J57", '8'}, {"J59", '4'}, {"J61", '5'}};

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool ParseDouble(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr != text.data();
}

}  // namespace

char ModelCode(const std::string& model)
{
    for (const auto& m : kModelCodes)
        if (model == m.model)
            return m.code;
    return '3';
}

std::optional<UpgradeEntry> ParseCommandLine(const std::string& line)
{
    if (line.size() < 29 || line.compare(0, 3, "CMD") != 0 || line[3] != '=' || line[7] != '-' || line[12] != '-' ||
        line[28] != '-')
        return std::nullopt;
    UpgradeEntry entry;
    entry.model = line.substr(4, 3);
    entry.serial = line.substr(8, 4);
    entry.version = Trim(line.substr(13, 15));
    return entry;
}

std::string RomImageName(const std::string& model, const std::string& version)
{
    std::string name = "CV?-";
    name[2] = ModelCode(model);
    if (!version.empty())
        name += version[0];
    if (version.size() > 2)
        name += version.substr(2, 3);
    return name + ".ROM";
}

std::vector<uint8_t> LoaderRecord(int block, const uint8_t* rom, const Key& key)
{
    const int page = block / 128;
    if (page == 29)
        return {};
    const uint8_t half = block % 2 ? 128 : 0;
    uint8_t pageByte, address;
    if (page < 29) {
        pageByte = static_cast<uint8_t>(page);
        address = static_cast<uint8_t>((block / 2) % 64 + 64);
    } else {
        pageByte = 0;
        address = static_cast<uint8_t>((block / 2) % 256);
    }
    uint8_t data[kBlockSize];
    bool erased = true;
    for (int i = 0; i < kBlockSize; ++i) {
        data[i] = static_cast<uint8_t>(rom[i] ^ ((i + 1) & 0xF0) ^ key[static_cast<size_t>(i)]);
        erased = erased && data[i] == 0xFF;
    }
    std::vector<uint8_t> record{static_cast<uint8_t>(erased ? 'E' : 'R'), pageByte, address, half};
    if (!erased)
        record.insert(record.end(), data, data + kBlockSize);
    unsigned sum = 0;
    for (size_t i = 1; i < record.size(); ++i)
        sum += record[i];
    record.push_back(static_cast<uint8_t>(-sum & 0xFF));
    return record;
}

bool ReadCalibrationFile(const std::string& path, CalibrationValues& values, std::string& message)
{
    std::ifstream in(path);
    if (!in) {
        message = "Could not open Calibration File " + path;
        return false;
    }
    static const char* const kKeys[] = {"VERSION", "CALOFFSET", "BIAS_OS", "TEMPOFFSET", "HIGHDYNRANGEOS", "CHANWGHTOS"};
    double* const targets[] = {nullptr, &values.calOffset, &values.biasOffset, &values.tempOffset,
                               &values.highDynRangeOffset, &values.channelWeightOffset};
    bool seen[6] = {};
    std::string raw;
    while (std::getline(in, raw)) {
        std::string line = Trim(raw.substr(0, 48));
        std::transform(line.begin(), line.end(), line.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (line.empty())
            continue;
        for (size_t k = 0; k < 6; ++k) {
            if (line.compare(0, 7, std::string(kKeys[k]).substr(0, 7)) != 0)
                continue;
            size_t space = line.find(' ');
            std::string value = space == std::string::npos ? std::string() : Trim(line.substr(space + 1));
            double number = 0;
            if (value.empty() || !ParseDouble(value, number)) {
                message = "Invalid parameter " + line + " in Calibration File " + path;
                return false;
            }
            if (targets[k])
                *targets[k] = number;
            else
                values.version = static_cast<int>(number);
            seen[k] = true;
            break;
        }
    }
    // A missing value would go into the instrument undefined: refuse the file.
    for (size_t k = 0; k < 6; ++k) {
        if (!seen[k]) {
            message = std::string("Missing parameter ") + kKeys[k] + " in Calibration File " + path;
            return false;
        }
    }
    return true;
}

void SetLevel(uint8_t* p, double dB)
{
    double v = dB < 0 ? dB + 256.0 : dB;
    double whole = std::floor(v);
    p[0] = static_cast<uint8_t>(static_cast<int>(whole) & 0xFF);
    p[1] = static_cast<uint8_t>(static_cast<int>((v - whole) * 256.0) & 0xFF);
}

double GetLevel(const uint8_t* p)
{
    int raw = p[0] << 8 | p[1];
    double v = raw / 256.0;
    return raw & 0x8000 ? v - 256.0 : v;
}

void SetGain(uint8_t* p, double dB)
{
    dB = std::clamp(dB, -6.0, 6.0);
    auto gain = static_cast<unsigned>(std::pow(10.0, dB / 20.0) * 16384.0);
    p[0] = static_cast<uint8_t>(gain >> 8);
    p[1] = static_cast<uint8_t>(gain & 0xFF);
}

void ApplyCalibration(uint8_t* block, const CalibrationValues& values)
{
    block[1] = 1;
    SetLevel(block + 3, values.calOffset);
    SetLevel(block + 5, values.biasOffset);
    block[9] = 1;
    block[10] = 0;
    block[11] = 2;
    block[12] = block[13] = block[14] = 0;
    SetLevel(block + 37, values.tempOffset);
    SetGain(block + 39, values.highDynRangeOffset);
    SetLevel(block + 41, values.channelWeightOffset);
    block[42] &= 0xFE;
}

}  // namespace firmware
