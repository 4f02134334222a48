#include "DeviceStatusRecord.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

std::string DeviceStatusRecord::text() const
{
    std::string out = "[Default]\n";
    out += "DeviceCount=" + std::to_string(deviceCount) + "\n";
    out += "ProcessCount=" + std::to_string(status) + "\n";
    out += "RefreshFolder=" + std::to_string(refreshFolderResult) + "\n";
    out += "RefreshDB=" + std::to_string(refreshDbResult) + "\n\n";
    out += "[DeviceName]\n";
    out += "Device1=" + deviceName[0] + "\n";
    out += "Device2=" + deviceName[1] + "\n";
    out += "Device3=" + deviceName[2] + "\n\n";
    out += "[DeviceDrive]\n";
    out += "Device1=" + deviceDrive[0] + "\n";
    out += "Device2=" + deviceDrive[1] + "\n";
    out += "Device3=" + deviceDrive[2] + "\n";
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
        if (n <= 0)
            break;
        written += size_t(n);
    }
    const bool complete = written == bytes.size() && ::close(fd) == 0;
    if (!complete || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
