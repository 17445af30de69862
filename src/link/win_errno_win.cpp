#include "link/win_errno.h"

#include <winsock2.h>

#include <windows.h>

#include <cerrno>

int ErrnoOfSystem(unsigned long error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED: // a COM port another program holds
        return EACCES;
    case ERROR_SHARING_VIOLATION:
        return EBUSY;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return ENOTSUP;
    case ERROR_OPERATION_ABORTED:
        return ECANCELED;
    case ERROR_SEM_TIMEOUT:
    case WAIT_TIMEOUT:
        return ETIMEDOUT;
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEVICE_REMOVED:
    case ERROR_BAD_UNIT:
        return ENODEV;
    default:
        return EIO;
    }
}

int ErrnoOfSocket(int error) {
    switch (error) {
    case WSAECONNREFUSED:
        return ECONNREFUSED;
    case WSAECONNRESET:
    case WSAECONNABORTED:
    case WSAENETRESET:
    case WSAESHUTDOWN:
        return ECONNRESET;
    case WSAETIMEDOUT:
        return ETIMEDOUT;
    case WSAEHOSTUNREACH:
    case WSAENETUNREACH:
    case WSAENETDOWN:
        return EHOSTUNREACH;
    case WSAEWOULDBLOCK:
        return EAGAIN;
    case WSAENOTCONN:
        return ENOTCONN;
    case WSAEINVAL:
        return EINVAL;
    case WSAENOBUFS:
        return ENOBUFS;
    case WSAEADDRNOTAVAIL:
        return EADDRNOTAVAIL;
    default:
        return EIO;
    }
}
