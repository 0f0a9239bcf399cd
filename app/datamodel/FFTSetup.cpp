#include "FFTSetup.h"

#include "MeasurementSetupFields.h"

namespace {
using MeasurementSetupFields::kStoreFlags;
// The FFT block keeps its own fields where the other modes keep their
// exchange rate, threshold and criterion levels.
constexpr size_t kBandwidth = 75;
constexpr size_t kAverageCount = 76;  // high byte first
constexpr size_t kWindow = 78;
}  // namespace

int FFTSetup::IsOverloadSkipping() const { return Flag(kStoreFlags, 0x40); }
void FFTSetup::SetOverloadSkipping(int on) { SetFlagIfOne(kStoreFlags, 0x40, on); }
int FFTSetup::GetBandwidth() const { return Byte(kBandwidth); }
void FFTSetup::SetBandwidth(int index) { SetByte(kBandwidth, index); }
int FFTSetup::GetAverageCount() const { return Count16(kAverageCount); }

void FFTSetup::SetAverageCount(int count)
{
    SetByte(kAverageCount, count / 256);
    SetByte(kAverageCount + 1, count);
}

int FFTSetup::GetWindow() const { return Byte(kWindow); }
void FFTSetup::SetWindow(int window) { SetByte(kWindow, window); }
