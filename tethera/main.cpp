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
#include <memory>

namespace {

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
