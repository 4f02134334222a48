#include "RecentlyUsed.h"

#include "FormatsLog.h"

#include "WholeFile.h"
#include "XdgFolder.h"

#include <pugixml.hpp>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sstream>

using namespace Qt::Literals::StringLiterals;

namespace RecentlyUsed {

namespace {

constexpr char Application[] = "Quillan";
constexpr char Exec[] = "'quillan %u'";

pugi::xml_node child(pugi::xml_node parent, const char *name)
{
    pugi::xml_node node = parent.child(name);
    return node ? node : parent.append_child(name);
}

void setAttribute(pugi::xml_node node, const char *name, const QByteArray &value)
{
    pugi::xml_attribute attribute = node.attribute(name);
    (attribute ? attribute : node.append_attribute(name)).set_value(value.constData());
}

} // namespace

QString defaultPath()
{
    return xdgFolder("XDG_DATA_HOME", "/.local/share") + u"/recently-used.xbel"_s;
}

namespace {

constexpr qint64 MaximumListBytes = 16 << 20;

} // namespace

bool add(const QString &xbel, const QString &file, const QString &mimeType, const QDateTime &now)
{
    pugi::xml_document document;
    QFile existing(xbel);
    const QFileInfo info(xbel);
    if (info.exists() || info.isSymLink()) {
        // Only a regular file of a list's size: a FIFO would block the
        // open, a device would never end. Such a list is left alone.
        if (!info.isFile() || info.size() > MaximumListBytes) {
            qCWarning(lcFormats) << "recently used: ignoring" << xbel
                                 << "(not a regular file of a list's size)";
            return false;
        }
        if (!existing.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = existing.read(MaximumListBytes);
        // Everything the list holds is kept as it is: other programs'
        // comments, instructions, spacing and line ends included.
        if (!document.load_buffer(bytes.constData(), size_t(bytes.size()),
                (pugi::parse_full | pugi::parse_ws_pcdata) & ~pugi::parse_eol)
            || !document.child("xbel"))
            return false;
    } else {
        document.append_child(pugi::node_declaration).append_attribute("version") = "1.0";
        pugi::xml_node root = document.append_child("xbel");
        root.append_attribute("version") = "1.0";
        root.append_attribute("xmlns:bookmark")
            = "http://www.freedesktop.org/standards/desktop-bookmarks";
        root.append_attribute("xmlns:mime")
            = "http://www.freedesktop.org/standards/shared-mime-info";
    }
    pugi::xml_node root = document.child("xbel");
    const QByteArray href = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toEncoded();
    const QByteArray stamp = now.toUTC().toString(Qt::ISODate).toUtf8();

    pugi::xml_node bookmark = root.find_child_by_attribute("bookmark", "href", href.constData());
    if (!bookmark) {
        bookmark = root.append_child("bookmark");
        bookmark.append_attribute("href") = href.constData();
        bookmark.append_attribute("added") = stamp.constData();
    }
    setAttribute(bookmark, "modified", stamp);
    setAttribute(bookmark, "visited", stamp);
    pugi::xml_node metadata = child(child(bookmark, "info"), "metadata");
    if (!metadata.attribute("owner"))
        metadata.append_attribute("owner") = "http://freedesktop.org";
    setAttribute(child(metadata, "mime:mime-type"), "type", mimeType.toUtf8());
    pugi::xml_node applications = child(metadata, "bookmark:applications");
    pugi::xml_node application
        = applications.find_child_by_attribute("bookmark:application", "name", Application);
    if (!application) {
        application = applications.append_child("bookmark:application");
        application.append_attribute("name") = Application;
        application.append_attribute("exec") = Exec;
    }
    setAttribute(application, "modified", stamp);
    setAttribute(application, "count",
        QByteArray::number(std::max(0, application.attribute("count").as_int()) + 1));

    std::ostringstream out;
    document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    QDir().mkpath(QFileInfo(xbel).absolutePath());
    // Made new beside and renamed: a link planted as the list is replaced.
    return !replaceWholeFile(xbel, QByteArray::fromStdString(out.str()), OwnerOnly);
}

} // namespace RecentlyUsed
