// Writes the desktop registration of the album types for an installation:
//   quillan-register-types DATA_FOLDER EXECUTABLE
// cmake --install runs it with the installed share folder and editor.

#include "FileTypeRegistration.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: quillan-register-types DATA_FOLDER EXECUTABLE\n", stderr);
        return 2;
    }
    if (!FileTypeRegistration::writeFiles(
            QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "quillan-register-types: cannot write below %s\n", argv[1]);
        return 1;
    }
    return 0;
}
