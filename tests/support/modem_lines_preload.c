// Modem lines for pseudo-terminals, for Wine's serial code in the tests of the
// COM port (tests/scripts/wine_com_test.sh). A pseudo-terminal has no DTR,
// RTS, CTS or DSR: Wine then fails to raise DTR and ends every outstanding
// WaitCommEvent at once. Loaded with LD_PRELOAD into Wine, this answers the
// modem-line requests on pseudo-terminals from lines kept here (the board's
// CTS, DSR and carrier present) and appends each change of DTR, "DTR 1" or
// "DTR 0", to the file TESSARO_DTR_LOG names, where the board's side reads it.
// Built by the test with the system's C compiler: it is a Linux library.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

static int lines = TIOCM_CTS | TIOCM_DSR | TIOCM_CD;

// Unix98 pseudo-terminal slaves have majors 136 to 143.
static int IsPty(int fd) {
    struct stat st;
    return fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 &&
           major(st.st_rdev) <= 143;
}

static void SetLines(int wanted) {
    const int before = __atomic_exchange_n(&lines, wanted, __ATOMIC_SEQ_CST);
    const char* path = getenv("TESSARO_DTR_LOG");
    if (((before ^ wanted) & TIOCM_DTR) == 0 || path == NULL)
        return;
    FILE* log = fopen(path, "a");
    if (log == NULL)
        return;
    fprintf(log, "DTR %d\n", (wanted & TIOCM_DTR) != 0);
    fclose(log);
}

int ioctl(int fd, unsigned long request, ...) {
    static int (*real)(int, unsigned long, ...);
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (real == NULL)
        real = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    const int modem =
        request == TIOCMGET || request == TIOCMSET || request == TIOCMBIS || request == TIOCMBIC;
    if (!modem || arg == NULL || !IsPty(fd))
        return real(fd, request, arg);
    int* bits = arg;
    const int now = __atomic_load_n(&lines, __ATOMIC_SEQ_CST);
    if (request == TIOCMGET)
        *bits = now;
    else
        SetLines(request == TIOCMSET   ? *bits
                 : request == TIOCMBIS ? (now | *bits)
                                       : (now & ~*bits));
    return 0;
}
