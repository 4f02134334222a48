#include "MediaFramework.h"

#include "PlaybackLog.h"

#include <QCoreApplication>
#include <QLibrary>

MediaFramework *MediaFramework::instance()
{
    static MediaFramework *const framework = []() -> MediaFramework * {
        // Stays loaded: QLibrary unloads only when asked.
        QLibrary library(
            QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(QUILLAN_MEDIA_PLUGIN));
        auto *entry = library.load()
            ? reinterpret_cast<MediaFrameworkEntry *>(library.resolve(MediaFrameworkEntryName))
            : nullptr;
        if (!entry) {
            qCWarning(lcPlayback) << "cannot load the media framework:" << library.errorString();
            return nullptr;
        }
        return entry();
    }();
    return framework;
}
