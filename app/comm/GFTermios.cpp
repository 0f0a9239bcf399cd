#include "GFTermios.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace comm::termios2 {

namespace {
bool Get(int fd, struct termios2& t) { return ioctl(fd, TCGETS2, &t) == 0; }
bool Set(int fd, const struct termios2& t) { return ioctl(fd, TCSETS2, &t) == 0; }
}  // namespace

bool MakeRaw(int fd)
{
    struct termios2 t {};
    if (!Get(fd, t))
        return false;
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return Set(fd, t);
}

bool SetSpeed(int fd, int rate)
{
    struct termios2 t {};
    if (rate <= 0 || !Get(fd, t))
        return false;
    t.c_cflag &= ~CBAUD;
    t.c_cflag |= BOTHER;
    t.c_ispeed = static_cast<speed_t>(rate);
    t.c_ospeed = static_cast<speed_t>(rate);
    return Set(fd, t);
}

int GetSpeed(int fd)
{
    struct termios2 t {};
    if (!Get(fd, t))
        return -1;
    return static_cast<int>(t.c_ospeed);
}

bool SetFormat(int fd, int dataBits, char parity, int stopBits)
{
    struct termios2 t {};
    if (!Get(fd, t))
        return false;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB);
    switch (dataBits) {
    case 5: t.c_cflag |= CS5; break;
    case 6: t.c_cflag |= CS6; break;
    case 7: t.c_cflag |= CS7; break;
    case 8: t.c_cflag |= CS8; break;
    default: return false;
    }
    switch (parity) {
    case 'N': case 'n': break;
    case 'E': case 'e': t.c_cflag |= PARENB; break;
    case 'O': case 'o': t.c_cflag |= PARENB | PARODD; break;
    default: return false;
    }
    if (stopBits == 2)
        t.c_cflag |= CSTOPB;
    else if (stopBits != 1)
        return false;
    return Set(fd, t);
}

bool SetHardwareHandshake(int fd, bool on)
{
    struct termios2 t {};
    if (!Get(fd, t))
        return false;
    if (on)
        t.c_cflag |= CRTSCTS;
    else
        t.c_cflag &= ~CRTSCTS;
    return Set(fd, t);
}

bool Flush(int fd, int which)
{
    int queue = which == 0 ? TCIFLUSH : which == 1 ? TCOFLUSH : TCIOFLUSH;
    return ioctl(fd, TCFLSH, queue) == 0;
}

bool Drain(int fd) { return ioctl(fd, TCSBRK, 1) == 0; }

bool SetBreak(int fd, bool on)
{
    if (ioctl(fd, on ? TIOCSBRK : TIOCCBRK) == 0)
        return true;
    return errno == ENOTTY || errno == EINVAL;
}

bool SetModemLine(int fd, bool dtr, bool on)
{
    int bits = dtr ? TIOCM_DTR : TIOCM_RTS;
    if (ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0)
        return true;
    // Pseudo-terminals and some adapters have no modem lines.
    return errno == ENOTTY || errno == EINVAL || errno == EIO;
}

int InputWaiting(int fd)
{
    int n = 0;
    return ioctl(fd, FIONREAD, &n) == 0 ? n : 0;
}

int OutputWaiting(int fd)
{
    int n = 0;
    return ioctl(fd, TIOCOUTQ, &n) == 0 ? n : 0;
}

}  // namespace comm::termios2
