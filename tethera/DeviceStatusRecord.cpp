#include "DeviceStatusRecord.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {
// A mount point or a device name may hold any byte but "/" and NUL; a line
// break in one would add keys and sections to the file.
std::string line(const std::string &text)
{
    std::string out = text;
    for (char &c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return out;
}
} // namespace

std::string DeviceStatusRecord::text() const
{
    std::string out = "[Default]\n";
    out += "DeviceCount=" + std::to_string(deviceCount) + "\n";
    out += "ProcessCount=" + std::to_string(status) + "\n";
    out += "RefreshFolder=" + std::to_string(refreshFolderResult) + "\n";
    out += "RefreshDB=" + std::to_string(refreshDbResult) + "\n\n";
    out += "[DeviceName]\n";
    out += "Device1=" + line(deviceName[0]) + "\n";
    out += "Device2=" + line(deviceName[1]) + "\n";
    out += "Device3=" + line(deviceName[2]) + "\n\n";
    out += "[DeviceDrive]\n";
    out += "Device1=" + line(deviceDrive[0]) + "\n";
    out += "Device2=" + line(deviceDrive[1]) + "\n";
    out += "Device3=" + line(deviceDrive[2]) + "\n";
    return out;
}

bool writeStatusFile(const std::string &folder, const DeviceStatusRecord &record)
{
    const std::string target = folder + "/orvocomm.dat";
    const std::string temporary = target + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    const int fd
        = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const std::string bytes = record.text();
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += size_t(n);
    }
    const bool closed = ::close(fd) == 0;
    const bool complete = written == bytes.size() && closed;
    if (!complete || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
