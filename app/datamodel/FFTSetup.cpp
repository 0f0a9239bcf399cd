#include "FFTSetup.h"

int FFTSetup::IsOverloadSkipping() const { return Flag(47, 0x40); }
void FFTSetup::SetOverloadSkipping(int on) { SetFlagIfOne(47, 0x40, on); }
int FFTSetup::GetBandwidth() const { return Byte(75); }
void FFTSetup::SetBandwidth(int index) { SetByte(75, index); }
int FFTSetup::GetAverageCount() const { return Count16(76); }

void FFTSetup::SetAverageCount(int count)
{
    SetByte(76, count / 256);
    SetByte(77, count);
}

int FFTSetup::GetWindow() const { return Byte(78); }
void FFTSetup::SetWindow(int window) { SetByte(78, window); }
