#include "LinkResultText.h"

namespace {

const struct {
    int code;
    const char* text;
} kTexts[] = {
    {0, "No Error"},
    {-1, "Couldn't open port"},
    {-2, "Couldn't get port parameters"},
    {-3, "Couldn't set port parameters"},
    {-4, "RS-232 read error"},
    {-5, "Error writing to RS-232 port"},
    {-6, "Not connected to SLM"},
    {-7, "Function not available"},
    {-8, "No available ports"},
    {-9, "Error closing port"},
    {-10, "Invalid COM port"},
    {-11, "Timed out waiting for character"},
    {-12, "COM port not open"},
    {-13, "Error from memcpy"},
    {-14, "Timeout waiting for character"},
    {-15, "Too many errors in XMODEM"},
    {-16, "Short XMODEM block"},
    {-17, "No XMODEM checksum byte"},
    {-18, "No XMODEM 2nd CRC byte"},
    {-19, "Bad XMODEM checksum"},
    {-20, "Disk file error"},
    {-21, "no data in receive buffer"},
    {-22, "not enough memory to create object"},
    {-23, "no setup defined to send to SLM"},
    {-201, "No response from instrument"},
    {-202, "instrument firmware too old"},
    {-203, "No event data in SLM"},
    {-204, "No Interval data in SLM"},
    {-205, "Checksum failure"},
    {-206, "Unable to create download file"},
    {-207, "Error writing to download file"},
    {-208, "SLM memory too low"},
    {-209, "Couldn't open download file"},
    {-210, "Event time history not enabled"},
    {-211, "No data records for findrec"},
    {-214, "Couldn't open new firmware file"},
    {-215, "Too many errors in reprogramming"},
    {-216, "Invalid date from SLM"},
    {-218, "not an event record"},
    {-219, "Error returned from Model J68"},
    {-220, "download, setup or reprogramming aborted"},
    {-221, "Device not Model J52"},
    {-222, "Invalid name"},
    // Our own bounds on waits the instrument could make endless.
    {-225, "Instrument did not become ready"},
    {-226, "No reply from instrument during transfer"},
};

}  // namespace

std::string LinkResultText(int code)
{
    for (const auto& t : kTexts)
        if (t.code == code)
            return t.text;
    return {};
}
