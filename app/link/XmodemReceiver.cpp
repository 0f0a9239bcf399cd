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
    // A lone EOT may be a noise byte standing in place of a block's header:
    // taken as the end, it would cut the file short. It is answered with NAK;
    // a sender that has really finished repeats it.
    bool eotAnswered = false;
    for (;;) {
        if (Status().errorCount >= kMaxErrors) {
            SetStatus(XM_TOO_MANY_ERRORS);
            return false;
        }
        if (CheckForAbort())
            return false;
        const bool afterEot = eotAnswered;
        eotAnswered = false;
        if (!(afterEot ? GetCharacterAfterEot() : GetFirstCharacter())) {
            if (Status().status != XM_OK)
                return false;
            continue;
        }
        switch (Status().firstChar) {
        case FIRST_SOH: Status().blockLength = 128; break;
        case FIRST_STX: Status().blockLength = 1024; break;
        case FIRST_EOT:
            if (afterEot)
                return true;
            if (!SendNAK(true))
                return false;
            eotAnswered = true;
            continue;
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

int XmodemReceiver::GetCharacterAfterEot()
{
    const int c = AwaitByte(kEotRepeatSeconds);
    if (c < 0) {
        if (Status().status != XM_OK)
            return 0;
        // No repeat: how the instrument answers the NAK is not known, so a
        // single EOT ends the transfer only when the whole file came.
        if (Status().bytesReceived < expectedBytes_) {
            SetStatus(XM_TIMEOUT);
            return 0;
        }
        Status().firstChar = FIRST_EOT;
        return 1;
    }
    if (!TakeFirstCharacter(c))
        return 0;
    // A repeated EOT stands alone; one followed at once by more bytes was
    // the number of a block whose header the noise hit (block 4, 260, ...).
    const bool alone = Status().firstChar != FIRST_EOT || AwaitByte(kEotQuietSeconds) < 0;
    if (Status().status != XM_OK)
        return 0;
    if (Status().firstChar == FIRST_OTHER || !alone)
        return Refuse();  // the rest of that block: discarded and asked again
    return 1;
}
