#pragma once

#include <QtGlobal>

// Copies up to `bytes` from one open file to another inside the kernel,
// where the platform can (copy_file_range on Linux), from and to the files'
// current positions. Returns the bytes copied (0 at the end of the source),
// or -1 when the platform cannot copy between these two files; the caller
// then copies through memory. errorCode holds the system's error then.
qint64 fastCopy(int from, int to, qint64 bytes, int &errorCode);
