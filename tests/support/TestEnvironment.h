#pragma once
// The surroundings every test program runs in, whoever starts it: ctest, a
// developer at the shell or a debugger. Dates are read and written in local
// time and some texts follow the locale, so a test's result must not depend
// on the time zone or language of the machine.

namespace testsupport {

// Sets the time zone (Europe/Berlin: the fixtures' dates cross its summer
// time changes) and the locale (C.UTF-8) of this process and of the
// programs it starts. Call it first in main, before any library reads them.
void SetTestEnvironment();

}  // namespace testsupport
