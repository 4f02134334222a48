#include "AutoSave.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "CommandContext.h"
#include "CommandPrompts.h"
#include "EditorSettings.h"
#include "FileCommands.h"
#include "MediaClass.h"
#include "RecentAlbums.h"
#include "WholeFile.h"
#include "XdgFolder.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(autosaveLog, "quillan.autosave")

// The copy keeps the album's extension, so it reads with the album's reader.
QString copyPath(const QString &folder, AlbumType type)
{
    return folder + u"/album"_s + FileFilters::albumExtension(type);
}

QString infoPath(const QString &folder)
{
    return folder + u"/album.ini"_s;
}

void removeCopies(const QString &folder)
{
    for (const AlbumType type : {AlbumType::Image, AlbumType::Music, AlbumType::Ppl})
        QFile::remove(copyPath(folder, type));
    QFile::remove(infoPath(folder));
}

} // namespace

AutoSave::AutoSave(const AlbumDocument &album, QString folder, QObject *parent)
    : QObject(parent)
    , m_album(album)
    , m_folder(std::move(folder))
{
    m_writer.setMaxThreadCount(1);
    connect(&m_timer, &QTimer::timeout, this, &AutoSave::saveNow);
}

AutoSave::~AutoSave()
{
    wait();
}

QString AutoSave::defaultFolder()
{
    return xdgFolder("XDG_STATE_HOME", "/.local/state") + u"/quillan/recovery"_s;
}

int AutoSave::intervalSeconds()
{
    bool ok = false;
    const int seconds
        = EditorSettings::store().value(u"AutosaveSeconds"_s, DefaultSeconds).toInt(&ok);
    return ok && seconds >= 5 ? seconds : DefaultSeconds;
}

void AutoSave::start(int seconds)
{
    // Saved, new or opened: nothing is left to recover. Only from now on: the
    // album the command line opened must not discard a copy not yet offered.
    if (!m_watching) {
        m_watching = true;
        connect(&m_album, &AlbumDocument::modifiedChanged, this, [this](bool modified) {
            if (!modified)
                discard();
        });
    }
    m_timer.start(seconds * 1000);
}

void AutoSave::saveNow()
{
    if (!m_album.modified())
        return;
    QByteArray bytes;
    if (const auto refused = AlbumFiles::savedForm(m_album, bytes)) {
        qCWarning(autosaveLog) << "the album cannot be saved for recovery:" << *refused;
        return;
    }
    const QByteArray details
        = "[Recovery]\nOriginal=" + m_album.filePath().toUtf8().toPercentEncoding("/ ")
        + "\nType=" + QByteArray::number(int(m_album.albumType())) + '\n';
    const QString copy = copyPath(m_folder, m_album.albumType());
    quint64 generation = 0;
    {
        const QMutexLocker lock(&m_mutex);
        generation = m_generation;
    }
    m_writer.start([this, bytes, details, copy, generation] {
        const QMutexLocker lock(&m_mutex);
        if (generation != m_generation)
            return;
        // An album names the user's private files: the folder and copies
        // are the user's alone, and made new rather than written through
        // whatever stands in their place.
        const auto refused = makeOwnFolder(m_folder);
        if (refused || replaceWholeFile(copy, bytes, OwnerOnly)
            || replaceWholeFile(infoPath(m_folder), details, OwnerOnly))
            qCWarning(autosaveLog) << "the recovery copy cannot be written in" << m_folder
                                   << refused.value_or(QString());
    });
}

void AutoSave::wait()
{
    m_writer.waitForDone();
}

void AutoSave::discard()
{
    const QMutexLocker lock(&m_mutex);
    ++m_generation;
    removeCopies(m_folder);
}

std::optional<AutoSave::Copy> AutoSave::leftBehind(const QString &folder)
{
    const QSettings info(infoPath(folder), QSettings::IniFormat);
    bool ok = false;
    const int type = info.value(u"Recovery/Type"_s).toInt(&ok);
    if (!ok || type < int(AlbumType::Image) || type > int(AlbumType::Ppl))
        return std::nullopt;
    Copy copy{copyPath(folder, AlbumType(type)),
        QString::fromUtf8(QByteArray::fromPercentEncoding(
            info.value(u"Recovery/Original"_s).toString().toUtf8())),
        AlbumType(type)};
    if (!QFileInfo(copy.file).isFile())
        return std::nullopt;
    return copy;
}

void AutoSave::offerRecovery(const CommandContext &context, FileCommands &files)
{
    const auto copy = leftBehind(m_folder);
    if (!copy) {
        removeCopies(m_folder);
        return;
    }
    const QString name = copy->original.isEmpty() ? u"NoName"_s : copy->original;
    if (!context.askYesNo(
            u"The album "_s + name + u" was not saved when the editor last ended. Recover it?"_s)) {
        discard();
        return;
    }
    if (!files.recover(copy->file, copy->type, copy->original))
        return;
    // The copy stays until the recovered album is saved or closed.
    saveNow();
}
