#pragma once

#include <array>
#include <cstdint>
#include <string>

// Connector status codes, written under ProcessCount.
namespace StatusCode {
inline constexpr int32_t ConnectionFailed = 1;
inline constexpr int32_t NoPlayer = 2;
inline constexpr int32_t DesktopProgramRunning = 3;
inline constexpr int32_t ManagerRunning = 4;
inline constexpr int32_t MediaPlayerRunning = 5;
inline constexpr int32_t Done = 100;
} // namespace StatusCode

// What one run found, written to orvocomm.dat.
struct DeviceStatusRecord
{
    int32_t deviceCount = 0;
    int32_t status = 0;
    int32_t refreshFolderResult = 0;
    int32_t refreshDbResult = 0;
    std::array<std::string, 3> deviceName;
    std::array<std::string, 3> deviceDrive;

    // The file's bytes: LF line ends, an empty line after each of the first
    // two sections, empty slots as a key with nothing after "=".
    std::string text() const;
};

// Replaces `folder`/orvocomm.dat with the record. The file is written beside
// its final name and renamed over it, so a symbolic link planted under that
// name is replaced, never followed. False when it cannot be created.
bool writeStatusFile(const std::string &folder, const DeviceStatusRecord &record);
