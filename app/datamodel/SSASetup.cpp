#include "SSASetup.h"

#include <algorithm>

void SSASetup::UpgradeOldBlock()
{
    // Blocks before format 3 held other things where format 3 keeps the Ln
    // percentiles, the spectra choice and the time-history settings; those
    // fields start out cleared.
    if (m_block[0] >= 3)
        return;
    m_block[0] = 3;
    m_block[47] = 0;
    m_block[103] = 0;
    std::fill(m_block.begin() + 110, m_block.begin() + 122, 0);  // Ln 1 to 6 := 0.0
    std::fill(m_block.begin() + 140, m_block.begin() + 143, 0);
    std::fill(m_block.begin() + 181, m_block.begin() + 188, 0);
}
