// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

// Opens a port as the window does (115200 baud, raw, non-blocking) and says "OK"; -1 (and why, on
// stderr) when it cannot.
inline int openRawPort(const char *path)
{
    const int fd = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        std::perror(path);
        return -1;
    }
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    cfsetspeed(&tio, B115200);
    tcsetattr(fd, TCSANOW, &tio);
    if (::write(fd, "OK", 2) != 2) {
        ::close(fd);
        return -1;
    }
    return fd;
}
