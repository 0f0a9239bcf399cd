#pragma once
// Receives one stored measurement from the instrument by XMODEM into a file,
// driving the serial layer's receive steps.
#include <string>

#include "GFXmodem.h"

class XmodemReceiver : public comm::GFXmodem {
public:
    XmodemReceiver(comm::GFSerial& serial, comm::GFMonitor& monitor) : GFXmodem(serial, monitor) {}
    // 0 on success, else the status code of the failure.
    int Receive(const std::string& fileName) override;

private:
    int ReceiveLoop();
    bool ReadBlock();
};
