#pragma once
// The text the user sees for a result code of the link, the port or the
// serial layer; empty for a code without one.
#include <string>

std::string LinkResultText(int code);
