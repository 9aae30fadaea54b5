// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a child process (LD_PRELOAD): every fsync and fdatasync
// fails with EIO, as on a dying disk or a network file system that lost
// the data it had taken.
#include <cerrno>

extern "C" int fsync(int) { return errno = EIO, -1; }
extern "C" int fdatasync(int) { return errno = EIO, -1; }
