#include "BinaryTransferLink.h"

#include <vector>

#include "CheckCharacter.h"
#include "Clock.h"
#include "GFTiming.h"
#include "SerialPort.h"
#include "SlmLink.h"

int BinaryTransferLink::SendCommand(const std::string& command, std::string* reply, int replyMax, int timeout)
{
    if (reply)
        reply->clear();
    if (!port_ || !port_->IsOpen())
        return lastResult_ = SlmLink::NOT_CONNECTED;
    if (timeout != 0)
        port_->SetTimeout(timeout);
    const int max = replyMax > 0 ? replyMax : 1;
    const char check = slm::CheckCharacter(command);
    const std::string frame = command + check;
    std::vector<char> line(static_cast<size_t>(max) + 1);
    lastResult_ = 0;
    for (int attempt = 0; attempt < 6; ++attempt) {
        if (attempt > 0) {
            port_->FlushBoth();
            platform::WaitMs(comm::ScaledMs(0.1 * attempt));
        }
        // SendRaw discards pending input, paces each character and ends with CR.
        if (port_->SendRaw(frame, true) != 0)
            return lastResult_ = SerialPort::WRITE_FAILED;
        int n = 0;
        if (port_->ReadLine(line.data(), &n, 0, max) != 0)
            return lastResult_ = SlmLink::NO_RESPONSE;
        auto parts = slm::SplitReply(std::string_view(line.data(), static_cast<size_t>(n)), check);
        if (!parts || !parts->valid)
            continue;
        if (reply)
            *reply = parts->text;
        size_t bel = parts->text.find('\x07');
        // The instrument puts its BEL first; the message follows it.
        refusal_ = bel == std::string::npos ? std::string() : parts->text.substr(1);
        return lastResult_ = 0;
    }
    return lastResult_ = SlmLink::CHECKSUM_FAILURE;
}

int BinaryTransferLink::SendFlagCommand(bool flag)
{
    const std::string command = flag ? "@" : "S205,0F";
    if (SendCommand(command, nullptr, 8, 3) == 0)
        return 0;
    platform::WaitMs(comm::ScaledMs(1.0));
    return SendCommand(command, nullptr, 8, 3);
}
