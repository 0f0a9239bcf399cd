#include "XmodemReceiver.h"

#include "GFSerial.h"

using namespace comm;

int XmodemReceiver::Receive(const std::string& fileName)
{
    monitor_.Initialize(0);
    Status().fileName = fileName;
    if (!Initialize())
        return Status().status;
    serial_.RXFlush(0);
    return ReceiveLoop();
}

int XmodemReceiver::ReceiveLoop()
{
    Status().blockNumber = 1;
    if (!OpenFile() || !SendNAK())
        return Status().status;
    for (;;) {
        if (!ReadBlock()) {
            Cleanup();
            return Status().status;
        }
        switch (Status().firstChar) {
        case FIRST_SOH:
        case FIRST_STX:
            if (!WriteBlock()) {
                SetStatus(XM_WRITE_FAILED);
                Cleanup();
                return Status().status;
            }
            Status().bytesReceived += Status().blockLength;
            if (Status().transferKind < 3 && !SendACK())
                return Status().status;
            Status().errorCount = 0;
            monitor_.ReportStatus(XM_OK);
            break;
        case FIRST_EOT:
            SendACK();
            Message("End of file, cleaning up");
            Cleanup();
            return Status().status;
        default:
            SetStatus(XM_BAD_FIRST_CHAR);
            Cleanup();
            return Status().status;
        }
    }
}

bool XmodemReceiver::ReadBlock()
{
    for (;;) {
        if (Status().errorCount >= 10) {
            SetStatus(XM_TOO_MANY_ERRORS);
            return false;
        }
        if (CheckForAbort())
            return false;
        if (!GetFirstCharacter()) {
            if (Status().status != XM_OK)
                return false;
            continue;
        }
        switch (Status().firstChar) {
        case FIRST_SOH: Status().blockLength = 128; break;
        case FIRST_STX: Status().blockLength = 1024; break;
        case FIRST_EOT: return true;
        default: SetStatus(XM_BAD_FIRST_CHAR); return false;
        }
        if (!GetBlockNumber() || !ReadDataForBlock() || !GetChecksum() || !CheckBlockNumber() || !VerifyChecksum()) {
            if (Status().status != XM_OK)
                return false;
            continue;
        }
        Message("Read %d byte block %d", Status().blockLength, Status().blockNumber);
        ++Status().blockNumber;
        return true;
    }
}
