#include "VoxHelp.h"

#include <cerrno>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// "<folder>Help/<page>" from a topic of the compiled-help form.
std::string localPage(const std::string &topic)
{
    const std::string scheme = "mk:@MSITStore:";
    const std::string archive = "Help\\Lumahelp.chm::/";
    std::string rest = topic.rfind(scheme, 0) == 0 ? topic.substr(scheme.size()) : topic;
    const size_t at = rest.find(archive);
    if (at == std::string::npos)
        return rest;
    return rest.substr(0, at) + "Help/" + rest.substr(at + archive.size());
}

} // namespace

extern "C" void ShowHelp(int32_t, const char *topic)
{
    if (!topic)
        return;
    const std::string page = localPage(topic);
    if (access(page.c_str(), R_OK) != 0)
        return;
    // A child that starts the opener and ends at once, reaped here: the
    // opener is then nobody's child to wait for, and no zombie is left.
    char *const argv[]
        = {const_cast<char *>("xdg-open"), const_cast<char *>(page.c_str()), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        pid_t opener = 0;
        _exit(posix_spawnp(&opener, "xdg-open", nullptr, nullptr, argv, environ) == 0 ? 0 : 127);
    }
    if (child > 0) {
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) { }
    }
}
