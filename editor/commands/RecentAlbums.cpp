#include "RecentAlbums.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Harlowe"_s, u"Quillwright"_s);
}

const QString Key = u"RecentAlbums"_s;

} // namespace

namespace RecentAlbums {

QStringList list()
{
    return settings().value(Key).toStringList().mid(0, Limit);
}

void add(const QString &path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList albums = list();
    albums.removeAll(full);
    albums.prepend(full);
    settings().setValue(Key, albums.mid(0, Limit));
}

} // namespace RecentAlbums
