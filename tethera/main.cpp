// tethera: finds the connected players, reports them in the status file
// shared with the editor, and sends the players' commands.
//   tethera -GETCONNECT | -REFRESHFOLDER FOLDER... | -REFRESHMUSIC

#include "Connector.h"
#include "Platform.h"
#include "SimulatedDeviceManager.h"
#include "SingleInstanceLock.h"
#include "SysfsDeviceManager.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr char Help[] = R"(Usage: tethera -GETCONNECT | -REFRESHFOLDER FOLDER... | -REFRESHMUSIC
Finds the connected portable players for the Quillan editor and sends them its
commands. Each run writes its result to orvocomm.dat in the status folder
($QUILLAN_STATUS_DIR, else $XDG_RUNTIME_DIR/quillan, else ~/.cache/quillan).

Commands:
  -GETCONNECT              report the connected players
  -REFRESHFOLDER FOLDER... ask the player to read the folders again
  -REFRESHMUSIC            ask the player to rebuild its music database

Options:
  --help       print this help and exit
  --version    print the version and exit

Environment:
  TETHERA_DEVICES=FILE     use the simulated players listed in FILE (an INI
                           file of [DeviceN] sections with Name and Drive)

Supported models are listed in PPDev.ini beside the program.
)";

std::string environment(const char *name, const char *fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? value : fallback;
}

std::unique_ptr<DeviceManager> chooseBackEnd()
{
    const std::string simulated = environment("TETHERA_DEVICES", "");
    if (!simulated.empty())
        return std::make_unique<SimulatedDeviceManager>(simulated);
    return std::make_unique<SysfsDeviceManager>(
        environment("TETHERA_MOUNTINFO", "/proc/self/mountinfo"),
        environment("TETHERA_SYSFS_ROOT", "/sys"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(Help, stdout);
        return Connector::ExitDone;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("tethera (Quillan) " QUILLAN_VERSION);
        return Connector::ExitDone;
    }
    const std::string statusFolder = Platform::statusFolder();
    // A folder that cannot be made shows up when the file is written.
    Platform::ensurePrivateFolder(statusFolder);
    const SingleInstanceLock lock(statusFolder + "/Ravelin Single Instance Only!");
    if (!lock.acquired())
        return Connector::ExitDone;

    const std::unique_ptr<DeviceManager> devices = chooseBackEnd();
    Connector connector(
        {*devices, Platform::executableFolder(), statusFolder, &Platform::processNames});
    return connector.run(std::vector<std::string>(argv + 1, argv + argc));
}
