#pragma once
// The small command sender of the block transfers: the same check rules as
// the link's, but framed with CR only, written character by character with a
// 10 ms pause (the instrument's input is slow before a binary transfer), and
// with growing pauses between tries.
#include <string>

class SerialPort;

class BinaryTransferLink {
public:
    explicit BinaryTransferLink(SerialPort* port) : port_(port) {}

    int SendCommand(const std::string& command, std::string* reply = nullptr, int replyMax = 100, int timeout = 0);
    // "@" when flag is set, else "S205,0F"; one more try after a second.
    int SendFlagCommand(bool flag);
    // The last refusal less its BEL, empty when the last command was accepted.
    const std::string& GetReply() const { return refusal_; }
    std::string GetReplyText() const
    {
        return !refusal_.empty() && refusal_[0] == '\x07' ? refusal_.substr(1) : refusal_;
    }
    int GetLastResult() const { return lastResult_; }
    SerialPort* GetPort() const { return port_; }

private:
    SerialPort* port_;
    int lastResult_ = 0;
    std::string refusal_;
};
