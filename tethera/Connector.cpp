#include "Connector.h"

#include "DeviceStatusRecord.h"
#include "Platform.h"
#include "PlayerLink.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

namespace {

bool equalIgnoringCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
            == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

Connector::Connector(Environment environment)
    : m_env(std::move(environment))
{ }

std::optional<int32_t> Connector::blockingProgram(const std::vector<std::string> &processes)
{
    static const std::pair<const char *, int32_t> blockers[] = {
        {"Orvodesk.exe", StatusCode::DesktopProgramRunning},
        {"manager.exe", StatusCode::ManagerRunning},
        {"wmplayer.exe", StatusCode::MediaPlayerRunning},
    };
    for (const std::string &process : processes) {
        for (const auto &[name, code] : blockers) {
            if (equalIgnoringCase(process, name))
                return code;
        }
    }
    return std::nullopt;
}

std::vector<std::string> Connector::splitArguments(const std::vector<std::string> &argv)
{
    std::string line;
    for (const std::string &argument : argv)
        line += (line.empty() ? "" : " ") + argument;
    std::vector<std::string> arguments;
    size_t start = 0;
    while (start < line.size()) {
        const size_t end = std::min(line.find(' ', start), line.size());
        if (end > start)
            arguments.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

int Connector::run(const std::vector<std::string> &argv)
{
    DeviceStatusRecord record;
    PlayerLink link(m_env.devices, m_env.executableFolder);
    const auto finish = [&](int32_t status, int exitCode) {
        if (status != 0)
            record.status = status;
        link.CloseConnection();
        if (status != 0 && !writeStatusFile(m_env.statusFolder, record)) {
            std::fputs("실패: 파일 열기 실패\n", stderr);
            return ExitNoStatusFile;
        }
        return exitCode;
    };

    link.ReadModelList();
    if (link.OpenConnection() < 0)
        return finish(StatusCode::ConnectionFailed, ExitFailed);
    record.deviceCount = link.ListMatchedPlayers(record);
    if (record.deviceCount == 0)
        return finish(StatusCode::NoPlayer, ExitFailed);
    if (const auto blocked = blockingProgram(m_env.processNames()))
        return finish(*blocked, ExitFailed);
    record.deviceDrive[0] = link.SendDeviceCommand(DeviceCommand::DriveQuery).reply;

    const std::vector<std::string> arguments = splitArguments(argv);
    const std::string job = arguments.empty() ? std::string() : arguments.front();
    if (job == "-GETCONNECT")
        return finish(StatusCode::Done, ExitDone);
    if (job == "-REFRESHFOLDER") {
        for (size_t i = 1; i < arguments.size(); ++i) {
            record.refreshFolderResult
                = link.SendDeviceCommand(DeviceCommand::RefreshFolder, arguments[i]).rawResult;
            Platform::sleepMilliseconds(1);
        }
        return finish(StatusCode::Done, ExitDone);
    }
    if (job == "-REFRESHMUSIC") {
        record.refreshDbResult = link.SendDeviceCommand(DeviceCommand::RefreshMusic).result;
        return finish(StatusCode::Done, ExitDone);
    }
    // Not a switch: the run ends without a file.
    return finish(0, ExitDone);
}
