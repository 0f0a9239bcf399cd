#pragma once
// Receives one XMODEM file from the instrument.
class XmodemReceiver {
public:
    virtual ~XmodemReceiver() = default;
};
