#include "TestEnvironment.h"

#include <cstdlib>
#include <ctime>

namespace testsupport {

void SetTestEnvironment()
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    // In the environment only: a program that takes the user's locale (Qt
    // does, in its application's constructor) and the programs a test
    // starts read it from there; the others keep the "C" locale of C++.
    setenv("LC_ALL", "C.UTF-8", 1);
}

}  // namespace testsupport

#ifdef TESSAVO_LSAN_SUPPRESSIONS
// Under the sanitizers, the leaks of system libraries that live as long as
// the process are suppressed without LSAN_OPTIONS, so that a test program
// run by hand reports what ctest reports. An LSAN_OPTIONS of the
// environment still adds its own options.
extern "C" const char* __lsan_default_options()
{
    return "suppressions=" TESSAVO_LSAN_SUPPRESSIONS;
}
#endif
