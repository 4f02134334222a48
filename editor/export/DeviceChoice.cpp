#include "DeviceChoice.h"

#include "Texts.h"

using namespace Qt::Literals::StringLiterals;

QString DeviceChoice::Entry::caption() const
{
    return name + u" ("_s + drive + u')';
}

QString DeviceChoice::Entry::root() const
{
    return drive.isEmpty() ? QString() : drive + u'/';
}

namespace {

QString statusMessage(int code)
{
    switch (code) {
    case 1:
        return QString::fromUtf16(Texts::DeviceManagerMissing);
    case 2:
    case 5:
        return QString::fromUtf16(Texts::DeviceNotConnected);
    case 3:
        return QString::fromUtf16(Texts::DeviceInUse);
    case 4:
        return QString::fromUtf16(Texts::MediaPlayerRunning);
    default:
        return {};
    }
}

// The first USB mount after `current` in sorted order, or, searching
// downward, the last one before it; empty when there is none.
QString guessDrive(const QStringList &mounts, const QString &current, bool upward)
{
    if (upward) {
        for (const QString &mount : mounts) {
            if (mount > current)
                return mount;
        }
        return {};
    }
    for (auto it = mounts.crbegin(); it != mounts.crend(); ++it) {
        if (*it < current)
            return *it;
    }
    return {};
}

} // namespace

DeviceChoice DeviceChoice::fromStatus(
    const DeviceStatusFile &status, const QStringList &removableMounts)
{
    DeviceChoice choice;
    choice.message = statusMessage(status.processCount);
    if (!choice.message.isEmpty())
        return choice;
    if (status.deviceCount < 1) {
        choice.message = statusMessage(2);
        return choice;
    }
    const auto nameOf
        = [&status](int k) { return k <= status.names.size() ? status.names[k - 1] : QString(); };
    choice.entries.push_back({nameOf(1), status.firstDrive});
    QString current = status.firstDrive;
    QString previousName;
    bool upwardFailed = false;
    for (int k = 2; k <= std::min(status.deviceCount, 3); ++k) {
        const QString name = nameOf(k);
        if (name == previousName)
            continue;
        QString drive;
        if (!upwardFailed) {
            drive = guessDrive(removableMounts, current, true);
            upwardFailed = drive.isEmpty();
        }
        if (upwardFailed)
            drive = guessDrive(removableMounts, current, false);
        choice.entries.push_back({name, drive});
        previousName = name;
        if (!drive.isEmpty())
            current = drive;
    }
    return choice;
}

std::optional<QString> DeviceChoice::albumNameRefusal(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QString::fromUtf16(Texts::EmptyAlbumName);
    // The whole name is tested, the slash included: on the player any of
    // these would make a path or a name its file system refuses.
    static const QString forbidden = u"\\/:*?<>|"_s;
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); }))
        return QString::fromUtf16(Texts::ForbiddenCharacters);
    return std::nullopt;
}
