#include "link/tty_baud.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

int SetCustomBaud(int fd, int baudrate) {
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0)
        return errno;
    t.c_cflag &= ~CBAUD;
    t.c_cflag |= BOTHER;
    t.c_ispeed = static_cast<speed_t>(baudrate);
    t.c_ospeed = static_cast<speed_t>(baudrate);
    return ioctl(fd, TCSETS2, &t) == 0 ? 0 : errno;
}
