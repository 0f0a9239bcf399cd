#include "LOGSetup.h"

#include <algorithm>
#include <cstring>

#include "MeasurementSetupFields.h"
#include "SetupBlock.h"

namespace {
using namespace MeasurementSetupFields;
// Before format 3 the level bytes of C and Flat followed A's.
constexpr size_t kOldThLevelC = 183;
constexpr size_t kOldThLevelF = 184;
constexpr uint8_t kCurrentFormat = 3;
}  // namespace

LOGSetup::LOGSetup(const uint8_t* block, size_t count)
{
    m_block.assign(BlockSize(), 0);
    if (block != nullptr)
        std::memcpy(m_block.data(), block, std::min(count, m_block.size()));
}

void LOGSetup::SetLnEnabled(int on) { SetFlagIfOne(kModeFlags, 0x02, on); }
int LOGSetup::GetFreqWeighting() const { return Choice(kFreqWeighting, 5, 0); }
int LOGSetup::GetPeak1Weighting() const { return Byte(kPeak1Weighting); }
void LOGSetup::SetIntervalThreshold(int db) { SetChoice(kIntervalThreshold, db, 998, 0); }

void LOGSetup::UpgradeOldBlock()
{
    // Format 3 moved the level bytes of C and Flat apart to make room for
    // the live bytes. The order matters: Flat's level leaves byte 184 before
    // C's level moves into it.
    if (m_block[SetupBlock::kVersion] >= kCurrentFormat)
        return;
    m_block[SetupBlock::kVersion] = kCurrentFormat;
    m_block[kThLevelF] = m_block[kOldThLevelF];
    m_block[kThLevelC] = m_block[kOldThLevelC];
    m_block[kThLiveA] = 0;
    m_block[kThLiveC] = 0;
    m_block[kThLiveF] = 0;
}
