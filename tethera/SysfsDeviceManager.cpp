#include "SysfsDeviceManager.h"

#include "DeviceCommand.h"
#include "Utf16.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readAttribute(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string joined(const std::string &a, const std::string &b)
{
    if (a.empty() || b.empty())
        return a.empty() ? b : a;
    return a + " / " + b;
}

} // namespace

SysfsDeviceManager::SysfsDeviceManager(std::string mountInfoPath, std::string sysfsRoot)
    : m_mountInfoPath(std::move(mountInfoPath))
    , m_sysfsRoot(std::move(sysfsRoot))
{ }

std::string SysfsDeviceManager::unescapeMountPath(const std::string &text)
{
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && isOctal(text[i + 1]) && isOctal(text[i + 2])
            && isOctal(text[i + 3])) {
            out += char(std::stoi(text.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::string> SysfsDeviceManager::usbPlayerName(const std::string &majorMinor) const
{
    std::error_code error;
    const fs::path root = fs::canonical(m_sysfsRoot, error);
    if (error)
        return std::nullopt;
    fs::path disk = fs::canonical(root / "dev" / "block" / majorMinor, error);
    if (error)
        return std::nullopt;
    if (fs::exists(disk / "partition"))
        disk = disk.parent_path();
    for (fs::path dir = disk; dir != root && dir.has_relative_path(); dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor") || !fs::exists(dir / "idProduct"))
            continue;
        const std::string manufacturer = readAttribute(dir / "manufacturer");
        const std::string product = readAttribute(dir / "product");
        if (!manufacturer.empty() && !product.empty())
            return manufacturer + " / " + product;
        const std::string scsi = joined(
            readAttribute(disk / "device" / "vendor"), readAttribute(disk / "device" / "model"));
        return scsi.empty() ? joined(manufacturer, product) : scsi;
    }
    return std::nullopt; // no USB ancestor: a fixed disk, not a player
}

int32_t SysfsDeviceManager::open()
{
    m_players.clear();
    std::ifstream in(m_mountInfoPath);
    if (!in)
        return Result::Fail;
    std::set<std::string> seen;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, majorMinor, root, mountPoint;
        if (!(fields >> id >> parent >> majorMinor >> root >> mountPoint))
            continue;
        // A device mounted twice is one player, at its first mount point.
        if (!seen.insert(majorMinor).second)
            continue;
        if (const auto name = usbPlayerName(majorMinor))
            m_players.push_back({*name, unescapeMountPath(mountPoint)});
    }
    return Result::Ok;
}

size_t SysfsDeviceManager::deviceCount() const
{
    return m_players.size();
}

std::optional<std::string> SysfsDeviceManager::deviceName(size_t index) const
{
    return m_players.at(index).name;
}

int32_t SysfsDeviceManager::sendOpaqueCommand(size_t index, OpaqueCommand &command)
{
    if (command.identifier != DeviceCommands::identifier(DeviceCommand::DriveQuery))
        return Result::NotImplemented;
    if (SecureChannel::compute(command.identifier, command.data) != command.mac)
        return Result::Fail;
    command.data = Utf16::encode(m_players.at(index).mountPoint);
    command.mac = SecureChannel::compute(command.identifier, command.data);
    return Result::Ok;
}

void SysfsDeviceManager::close()
{
    m_players.clear();
}
