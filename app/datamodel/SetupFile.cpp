#include "SetupFile.h"

#include <algorithm>
#include <cstring>

#include "GFCrc16.h"

namespace SetupFile {

std::vector<uint8_t> Build(const std::string& key, const uint8_t* block, size_t blockSize)
{
    std::vector<uint8_t> file(kFileSize, 0);
    std::memset(file.data(), ' ', kKeyLength);
    std::memcpy(file.data(), key.data(), std::min(key.size(), kKeyLength));
    file[kKeyLength] = kMarker;
    uint8_t* body = file.data() + kKeyLength + 1 + kCrcLength;
    if (block != nullptr)
        std::memcpy(body, block, std::min(blockSize, kBodySize));
    uint16_t crc = BodyCrc(body);
    file[kKeyLength + 1] = static_cast<uint8_t>(crc & 0xFF);
    file[kKeyLength + 2] = static_cast<uint8_t>(crc >> 8);
    return file;
}

uint16_t BodyCrc(const uint8_t* body)
{
    return GFCrc16::CalculateBlock(body, kBodySize, 0);
}

std::vector<uint8_t> ReadHead(std::istream& in)
{
    in.clear();
    in.seekg(0);
    return ReadUpTo(in);
}

std::vector<uint8_t> ReadUpTo(std::istream& in)
{
    std::vector<uint8_t> bytes(kReadSize);
    if (in)
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    in.clear();
    return bytes;
}

std::optional<size_t> FindMarker(const std::vector<uint8_t>& bytes)
{
    auto it = std::find(bytes.begin(), bytes.end(), kMarker);
    if (it == bytes.end())
        return std::nullopt;
    return static_cast<size_t>(it - bytes.begin());
}

std::optional<size_t> FindWholeBody(const std::vector<uint8_t>& bytes)
{
    auto marker = FindMarker(bytes);
    if (!marker)
        return std::nullopt;
    size_t body = *marker + 1 + kCrcLength;
    if (body + kBodySize > bytes.size())
        return std::nullopt;
    return body;
}
}  // namespace SetupFile
