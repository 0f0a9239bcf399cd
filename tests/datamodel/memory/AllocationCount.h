#pragma once
// Counts the bytes the program holds through operator new, and the most it
// held since the last reset; for tests that bound the memory an operation
// takes. The counting operator new and delete live in this test program only.
#include <cstddef>

namespace testsupport {

// Starts a new peak at the bytes held now.
void ResetAllocationPeak();
// The most bytes held since the reset, beyond those held at the reset.
size_t AllocationPeakSinceReset();

}  // namespace testsupport
