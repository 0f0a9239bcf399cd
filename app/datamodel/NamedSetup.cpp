#include "NamedSetup.h"

#include "SetupBlock.h"
#include "SetupFile.h"

using namespace SetupBlock;

void NamedSetup::SetName(const std::string& name)
{
    if (uint8_t* p = Field(kName, kNameLength)) {
        SetText(p, kNameLength, name);
        m_name = GetText(p, kNameLength);
    }
}

const std::string& NamedSetup::GetNameText()
{
    if (const uint8_t* p = Field(kName, kNameLength))
        m_name = GetRawText(p, kNameLength);
    return m_name;
}

void NamedSetup::SetTitle(const std::string& title)
{
    if (uint8_t* p = Field(kTitle, kTitleLength)) {
        SetText(p, kTitleLength, title);
        m_title = GetText(p, kTitleLength);
    }
}

const std::string& NamedSetup::GetTitle()
{
    if (const uint8_t* p = Field(kTitle, kTitleLength))
        m_title = GetText(p, kTitleLength);
    return m_title;
}

void NamedSetup::SetLocked(int locked)
{
    SetFlagIfOne(kLockByte, kLockMask, locked);
}

std::vector<uint8_t> NamedSetup::FileBytes() const
{
    if (!HasBlock())
        return {};
    return SetupFile::Build(FileKey(), m_block.data(), m_block.size());
}

bool NamedSetup::Serialize(std::ostream& out) const
{
    std::vector<uint8_t> bytes = FileBytes();
    if (bytes.empty())
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void NamedSetup::Serialize(std::istream& in)
{
    std::vector<uint8_t> bytes = SetupFile::ReadUpTo(in);
    Load(bytes.data(), bytes.size());
}

void NamedSetup::AfterLoad()
{
    UpgradeOldBlock();
    m_name = GetText(m_block.data() + kName, kNameLength);
    m_title = GetText(m_block.data() + kTitle, kTitleLength);
}
