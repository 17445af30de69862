#include "link/tty_baud.h"

#include <termios.h>
#include <utility>

bool SetStandardBaud(termios& t, int baudrate) {
    static constexpr std::pair<int, speed_t> named[] = {
        {110, B110},     {300, B300},     {600, B600},      {1200, B1200},
        {2400, B2400},   {4800, B4800},   {9600, B9600},    {19200, B19200},
        {38400, B38400}, {57600, B57600}, {115200, B115200}};
    for (const auto& [rate, code] : named) {
        if (rate == baudrate)
            return cfsetispeed(&t, code) == 0 && cfsetospeed(&t, code) == 0;
    }
    return false;
}
