#include "SYSSetup.h"

#include <vector>

#include "SetupBlock.h"

namespace {
constexpr size_t kSerialNumber = 9;
constexpr size_t kSerialNumberLength = 5;
}  // namespace

void SYSSetup::Serialize(std::istream& in)
{
    std::vector<uint8_t> bytes(BlockSize());
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    auto count = in.gcount();
    in.clear();
    if (count > 0)
        Load(bytes.data(), static_cast<size_t>(count));
}

void SYSSetup::AfterLoad()
{
    m_serialNumber = SetupBlock::GetRawText(m_block.data() + kSerialNumber, kSerialNumberLength);
}
