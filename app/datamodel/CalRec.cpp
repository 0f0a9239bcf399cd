#include "CalRec.h"

const std::string& CalRec::GetModeText(std::string& out) const
{
    out = m_mode == 0 ? "Manual" : (m_mode == 32 ? "Auto" : "");
    return out;
}

const std::string& CalRec::GetStatusText(std::string& out) const
{
    switch (m_status) {
    case 0: out = "Stable"; break;
    case 1: out = "Unstable"; break;
    case 2: out = "Too low"; break;
    case 4: out = "Too high"; break;
    case 128: out = "Noise Floor Check"; break;
    default: out = "Cal Status Error"; break;
    }
    return out;
}
