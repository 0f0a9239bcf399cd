#pragma once
// Line settings of a POSIX serial device through the kernel's termios2
// interface, which takes any rate (28800 has no Bxxx constant). Kept apart
// because <asm/termbits.h> and <termios.h> cannot meet in one unit.
namespace comm::termios2 {

// Raw 8 data bits, no parity, 1 stop bit, no flow control, reads return at once.
bool MakeRaw(int fd);
bool SetSpeed(int fd, int rate);
// The output rate the device is set to, or -1.
int GetSpeed(int fd);
bool SetFormat(int fd, int dataBits, char parity, int stopBits);
bool SetHardwareHandshake(int fd, bool on);
// which: 0 input, 1 output, 2 both.
bool Flush(int fd, int which);
// Waits until everything written has gone out.
bool Drain(int fd);
bool SetBreak(int fd, bool on);
// DTR/RTS; a pseudo-terminal has no modem lines, which counts as done.
bool SetModemLine(int fd, bool dtr, bool on);
// Bytes waiting in the input and not yet sent in the output.
int InputWaiting(int fd);
int OutputWaiting(int fd);

}  // namespace comm::termios2
