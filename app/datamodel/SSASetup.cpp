#include "SSASetup.h"

#include <algorithm>

#include "MeasurementSetupFields.h"
#include "SetupBlock.h"

namespace {
using namespace MeasurementSetupFields;
constexpr uint8_t kCurrentFormat = 3;
constexpr size_t kLnCount = 6;  // Ln 1 to 6, two bytes each
}  // namespace

void SSASetup::UpgradeOldBlock()
{
    // Blocks before format 3 held other things where format 3 keeps the Ln
    // percentiles, the spectra choice and the time-history settings; those
    // fields start out cleared.
    if (m_block[SetupBlock::kVersion] >= kCurrentFormat)
        return;
    auto clear = [this](size_t first, size_t end) {
        std::fill(m_block.begin() + static_cast<std::ptrdiff_t>(first),
                  m_block.begin() + static_cast<std::ptrdiff_t>(end), 0);
    };
    m_block[SetupBlock::kVersion] = kCurrentFormat;
    m_block[kStoreFlags] = 0;
    m_block[kSpectra] = 0;
    clear(kLn1, kLn1 + 2 * kLnCount);  // Ln 1 to 6 := 0.0
    clear(kOtherLevel, kTimeHistoryPeriodUnit + 1);
    clear(kLnStartLevel, kThLiveF + 1);
}
