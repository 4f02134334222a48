#include "RecentAlbums.h"

#include "EditorSettings.h"
#include "RecentlyUsed.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Key = u"RecentAlbums"_s;

} // namespace

namespace RecentAlbums {

QStringList list()
{
    return EditorSettings::store().value(Key).toStringList().mid(0, Limit);
}

void add(const QString &path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList albums = list();
    albums.removeAll(full);
    albums.prepend(full);
    EditorSettings::store().setValue(Key, albums.mid(0, Limit));
    // The desktop's list too, under the type the editor registers for it.
    RecentlyUsed::add(RecentlyUsed::defaultPath(), full,
        u"application/x-quillan-"_s + QFileInfo(full).suffix().toLower(),
        QDateTime::currentDateTimeUtc());
}

} // namespace RecentAlbums
