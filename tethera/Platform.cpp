#include "Platform.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// argv[0] of a process; empty for kernel threads and processes that are gone.
// Plain system calls: the editor waits for every run, and this runs once per
// process on the machine.
std::string firstArgument(const std::string &pid)
{
    const int fd = ::open(("/proc/" + pid + "/cmdline").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return n > 0 ? std::string(buffer, ::strnlen(buffer, size_t(n))) : std::string();
}

} // namespace

namespace Platform {

std::string statusFolder()
{
    if (const char *dir = std::getenv("QUILLAN_STATUS_DIR"); dir && *dir)
        return dir;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/quillan";
    if (const char *cache = std::getenv("XDG_CACHE_HOME"); cache && *cache)
        return std::string(cache) + "/quillan";
    const char *home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.cache/quillan";
}

bool ensurePrivateFolder(const std::string &folder)
{
    std::error_code error;
    if (fs::is_directory(folder, error))
        return true;
    const fs::path path(folder);
    if (path.has_parent_path())
        fs::create_directories(path.parent_path(), error);
    return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && fs::is_directory(folder));
}

std::string executableFolder()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return exe.parent_path().string() + "/";
}

std::vector<std::string> processNames()
{
    std::vector<std::pair<long, std::string>> processes;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit))
            continue;
        const std::string argv0 = firstArgument(pid);
        if (argv0.empty())
            continue;
        const auto cut = argv0.find_last_of("/\\");
        processes.emplace_back(
            std::stol(pid), cut == std::string::npos ? argv0 : argv0.substr(cut + 1));
    }
    std::sort(processes.begin(), processes.end());
    std::vector<std::string> names;
    for (auto &process : processes)
        names.push_back(std::move(process.second));
    return names;
}

void sleepMilliseconds(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace Platform
