#include "OutRecord.h"

namespace tessdec {

void ZeroBytes(uint8_t* p, size_t n) { std::memset(p, 0, n); }

}  // namespace tessdec
