#include "serial/TermiosSettings.h"

namespace serial {
namespace {

struct Rate {
    int32_t baud;
    speed_t code;
};

// The rates the system names; the others it cannot set portably.
constexpr Rate kRates[] = {
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400},
#ifdef B57600
    {57600, B57600},
#endif
#ifdef B115200
    {115200, B115200},
#endif
#ifdef B230400
    {230400, B230400},
#endif
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B500000
    {500000, B500000},
#endif
#ifdef B576000
    {576000, B576000},
#endif
#ifdef B921600
    {921600, B921600},
#endif
#ifdef B1000000
    {1000000, B1000000},
#endif
#ifdef B1152000
    {1152000, B1152000},
#endif
#ifdef B1500000
    {1500000, B1500000},
#endif
#ifdef B2000000
    {2000000, B2000000},
#endif
#ifdef B2500000
    {2500000, B2500000},
#endif
#ifdef B3000000
    {3000000, B3000000},
#endif
#ifdef B3500000
    {3500000, B3500000},
#endif
#ifdef B4000000
    {4000000, B4000000},
#endif
};

const Rate* rateForBaud(int32_t baud)
{
    for (const Rate& rate : kRates) {
        if (rate.baud == baud)
            return &rate;
    }
    return nullptr;
}

int32_t baudForCode(speed_t code)
{
    for (const Rate& rate : kRates) {
        if (rate.code == code)
            return rate.baud;
    }
    return 0;
}

bool sizeFlag(uint8_t byteSize, tcflag_t& flag)
{
    switch (byteSize) {
    case 5: flag = CS5; return true;
    case 6: flag = CS6; return true;
    case 7: flag = CS7; return true;
    case 8: flag = CS8; return true;
    default: return false;
    }
}

bool parityFlags(uint8_t parity, tcflag_t& flags)
{
    switch (parity) {
    case 0: flags = 0; return true;
    case 1: flags = PARENB | PARODD; return true;
    case 2: flags = PARENB; return true;
#ifdef CMSPAR
    // With the mark-or-space bit, PARODD picks mark.
    case 3: flags = PARENB | CMSPAR | PARODD; return true;
    case 4: flags = PARENB | CMSPAR; return true;
#endif
    default: return false;
    }
}

#ifdef CMSPAR
constexpr tcflag_t kParityMask = PARENB | PARODD | CMSPAR;
#else
constexpr tcflag_t kParityMask = PARENB | PARODD;
#endif

#ifdef CRTSCTS
constexpr tcflag_t kHardwareFlow = CRTSCTS;
#else
constexpr tcflag_t kHardwareFlow = 0;
#endif

} // namespace

bool toTermios(const LineSettings& settings, termios& attributes)
{
    const Rate* rate = rateForBaud(settings.baudRate);
    tcflag_t size = 0;
    tcflag_t parity = 0;
    if (!rate || !sizeFlag(settings.byteSize, size) || !parityFlags(settings.parity, parity) || settings.stopBits > 2)
        return false;
    const bool hardwareFlow = settings.rtsControl == RtsControl::Handshake && settings.outxCtsFlow;
    if (hardwareFlow && kHardwareFlow == 0)
        return false;

    ::cfmakeraw(&attributes);
    attributes.c_cflag &= ~(CSIZE | kParityMask | CSTOPB | kHardwareFlow);
    attributes.c_cflag |= CLOCAL | CREAD | size | parity;
    if (settings.stopBits != 0)
        attributes.c_cflag |= CSTOPB;
    if (hardwareFlow)
        attributes.c_cflag |= kHardwareFlow;
    attributes.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
    if (settings.parityCheck)
        attributes.c_iflag |= INPCK;
    if (settings.outX)
        attributes.c_iflag |= IXON;
    if (settings.inX)
        attributes.c_iflag |= IXOFF;
    // Reads return at once with what is there: the poll tick never waits.
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
    return ::cfsetispeed(&attributes, rate->code) == 0 && ::cfsetospeed(&attributes, rate->code) == 0;
}

LineSettings fromTermios(const termios& attributes)
{
    LineSettings settings;
    settings.baudRate = baudForCode(::cfgetospeed(&attributes));
    switch (attributes.c_cflag & CSIZE) {
    case CS5: settings.byteSize = 5; break;
    case CS6: settings.byteSize = 6; break;
    case CS7: settings.byteSize = 7; break;
    default: settings.byteSize = 8; break;
    }
    const tcflag_t parity = attributes.c_cflag & kParityMask;
    settings.parity = 0;
    for (uint8_t candidate = 1; candidate <= 4; ++candidate) {
        tcflag_t flags = 0;
        if (parityFlags(candidate, flags) && flags == parity)
            settings.parity = candidate;
    }
    settings.stopBits = (attributes.c_cflag & CSTOPB) ? 2 : 0;
    settings.parityCheck = (attributes.c_iflag & INPCK) != 0;
    if (kHardwareFlow != 0 && (attributes.c_cflag & kHardwareFlow)) {
        settings.rtsControl = RtsControl::Handshake;
        settings.outxCtsFlow = true;
    }
    settings.outX = (attributes.c_iflag & IXON) != 0;
    settings.inX = (attributes.c_iflag & IXOFF) != 0;
    return settings;
}

} // namespace serial
