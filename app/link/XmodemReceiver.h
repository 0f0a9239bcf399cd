#pragma once
// Receives one stored measurement from the instrument by XMODEM into a file,
// driving the serial layer's receive steps.
#include <string>

#include "GFXmodem.h"

class XmodemReceiver : public comm::GFXmodem {
public:
    // How long a sender has to repeat its EOT once we answered the first
    // with NAK, and how quiet the line must stay after the repeat.
    static constexpr double kEotRepeatSeconds = 1.0;
    static constexpr double kEotQuietSeconds = 0.1;

    XmodemReceiver(comm::GFSerial& serial, comm::GFMonitor& monitor) : GFXmodem(serial, monitor) {}
    // The size the instrument announced for the file (0: not known). A
    // transfer that ends with a single EOT is whole only when this many
    // bytes came.
    void SetExpectedBytes(long bytes) { expectedBytes_ = bytes; }
    // 0 on success, else the status code of the failure.
    int Receive(const std::string& fileName) override;

private:
    int ReceiveLoop();
    bool ReadBlock();
    int GetCharacterAfterEot();

    long expectedBytes_ = 0;
};
