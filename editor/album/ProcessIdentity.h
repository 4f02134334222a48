#pragma once

#include <QString>

// Who wrote a file the program leaves behind (a recovery copy, a render
// not yet whole), so that a later run can tell one abandoned by a process
// that has gone from one still being written.
namespace ProcessIdentity {

// This machine's name, reduced to letters, digits and dots so that it can
// stand in a file name.
QString hostName();
// Whether process `pid` of this machine still runs (where that cannot be
// asked, it counts as running: nothing of it is removed).
bool runs(qint64 pid);

} // namespace ProcessIdentity
