#include "LOGSetup.h"

#include <algorithm>
#include <cstring>

LOGSetup::LOGSetup(const uint8_t* block, size_t count)
{
    m_block.assign(BlockSize(), 0);
    if (block != nullptr)
        std::memcpy(m_block.data(), block, std::min(count, m_block.size()));
}

void LOGSetup::SetLnEnabled(int on) { SetFlagIfOne(41, 0x02, on); }
int LOGSetup::GetFreqWeighting() const { return Choice(87, 5, 0); }
int LOGSetup::GetPeak1Weighting() const { return Byte(90); }
void LOGSetup::SetIntervalThreshold(int db) { SetChoice(99, db, 998, 0); }

void LOGSetup::UpgradeOldBlock()
{
    // Format 3 moved two of the instrument's fields up by one byte. The order
    // matters: 186 takes the old 184 before 184 takes the old 183.
    if (m_block[0] >= 3)
        return;
    m_block[0] = 3;
    m_block[186] = m_block[184];
    m_block[184] = m_block[183];
    m_block[183] = 0;
    m_block[185] = 0;
    m_block[187] = 0;
}
