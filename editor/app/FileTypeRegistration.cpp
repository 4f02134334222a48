#include "FileTypeRegistration.h"

#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace FileTypeRegistration {

namespace {

struct AlbumType
{
    const char *mime;
    const char *comment;
    const char *glob;
};

constexpr AlbumType Types[] = {
    {"application/x-quillan-pvm", "Quillan PVM", "*.pvm"},
    {"application/x-quillan-mum", "Quillan MUM", "*.mum"},
    {"application/x-quillan-ppl", "Quillan PPL", "*.ppl"},
};

// Writes the file unless it already holds these bytes; false on a failure.
// *changed is set when the file was written.
bool write(const QString &path, const QByteArray &bytes, bool &changed)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (writeWholeFile(path, bytes))
        return false;
    changed = true;
    return true;
}

void refresh(const char *tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (!program.isEmpty())
        QProcess::execute(program, {folder});
}

} // namespace

QByteArray mimePackage()
{
    QByteArray xml
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const AlbumType &t : Types) {
        xml += QByteArray("  <mime-type type=\"") + t.mime + "\">\n    <comment>" + t.comment
            + "</comment>\n    <icon name=\"quillan\"/>\n    <glob pattern=\"" + t.glob
            + "\"/>\n  </mime-type>\n";
    }
    return xml + "</mime-info>\n";
}

QByteArray desktopEntry(const QString &executable)
{
    QByteArray types;
    for (const AlbumType &t : Types)
        types += QByteArray(t.mime) + ';';
    // Exec quotes the path, escaping backslashes and quotes, as desktop entries need.
    QString quoted = executable;
    quoted.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    // StartupWMClass is the class Qt gives the window (the application
    // name), so the taskbar groups the window under this entry.
    return "[Desktop Entry]\nType=Application\nName=Quillan\n"
           "GenericName=Album Editor for Portable Players\n"
           "Comment=Album editor for portable media players\nIcon=quillan\nExec=\""
        + quoted.toUtf8() + "\" %f\nMimeType=" + types
        + "\nTerminal=false\nCategories=AudioVideo;AudioVideoEditing;\n"
          "Keywords=album;slideshow;photo;music;player;playlist;\n"
          "StartupWMClass=Quillan\n";
}

bool writeFiles(const QString &dataFolder, const QString &executable, bool *changed)
{
    bool wrote = false;
    const bool mime = write(dataFolder + u"/mime/packages/quillan.xml"_s, mimePackage(), wrote);
    const bool entry
        = write(dataFolder + u"/applications/quillan.desktop"_s, desktopEntry(executable), wrote);
    if (changed)
        *changed = wrote;
    return mime && entry;
}

void registerFor(const QString &executable)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    bool changed = false;
    // The editor registers at every close; the desktop's caches are rebuilt
    // (which takes a while) only when the registration is new.
    if (data.isEmpty() || !writeFiles(data, executable, &changed) || !changed)
        return;
    refresh("update-mime-database", data + u"/mime"_s);
    refresh("update-desktop-database", data + u"/applications"_s);
}

} // namespace FileTypeRegistration
