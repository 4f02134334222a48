#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class DeviceManager;

// One run of the connector: find the players, look for programs that would
// block them, carry out the job of the switch and write the status file.
class Connector
{
public:
    static constexpr int ExitDone = 0;
    static constexpr int ExitFailed = 129;
    static constexpr int ExitNoStatusFile = 1;

    struct Environment
    {
        DeviceManager &devices;
        std::string executableFolder;
        std::string statusFolder;
        std::function<std::vector<std::string>()> processNames;
    };

    explicit Connector(Environment environment);

    // The arguments as the command line gives them, without the program.
    int run(const std::vector<std::string> &arguments);

    // The text after the program name, split at blanks: a run of blanks is
    // one separator, tabs do not separate, a trailing blank adds nothing.
    // The status code of the first program in the process list that would
    // block a player (the list's order decides, not the table's).
    static std::optional<int32_t> blockingProgram(const std::vector<std::string> &processes);
    static std::vector<std::string> splitArguments(const std::vector<std::string> &argv);

private:
    Environment m_env;
};
