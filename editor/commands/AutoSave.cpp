#include "AutoSave.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "CommandContext.h"
#include "CommandPrompts.h"
#include "EditorSettings.h"
#include "FileCommands.h"
#include "MediaClass.h"
#include "ProcessIdentity.h"
#include "RecentAlbums.h"
#include "WholeFile.h"
#include "XdgFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

#include <atomic>

using namespace Qt::Literals::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(autosaveLog, "quillan.autosave")

// The copy keeps the album's extension, so it reads with the album's
// reader; its name holds the editor's own name, so two editors of one user
// (two sessions sharing a home) never write or remove each other's copy.
QString copyPath(const QString &folder, const QString &id, AlbumType type)
{
    return folder + u"/album-"_s + id + FileFilters::albumExtension(type);
}

QString infoPath(const QString &folder, const QString &id)
{
    return folder + u"/album-"_s + id + u".ini"_s;
}

void removeCopies(const QString &folder, const QString &id)
{
    for (const AlbumType type : {AlbumType::Image, AlbumType::Music, AlbumType::Ppl})
        QFile::remove(copyPath(folder, id, type));
    QFile::remove(infoPath(folder, id));
}

// "<host>-<process id>-<start in ms>", unique within the process too.
QString editorId()
{
    static std::atomic<qint64> last = 0;
    qint64 start = QDateTime::currentMSecsSinceEpoch();
    for (qint64 seen = last.load(); !last.compare_exchange_weak(seen, std::max(start, seen + 1));)
        ;
    start = last.load();
    return ProcessIdentity::hostName() + u'-' + QString::number(QCoreApplication::applicationPid())
        + u'-' + QString::number(start);
}

// Whether the editor that wrote the copy named by `id` still runs: the
// same host and a live process other than this one. An editor on another
// host cannot be asked, and its copy is kept; a copy of the older naming
// (no id) belongs to no running editor.
bool ownerRuns(const QString &id)
{
    const QStringList parts = id.split(u'-');
    if (parts.size() < 3)
        return false;
    if (parts.mid(0, parts.size() - 2).join(u'-') != ProcessIdentity::hostName())
        return true;
    const qint64 pid = parts[parts.size() - 2].toLongLong();
    return pid != QCoreApplication::applicationPid() && ProcessIdentity::runs(pid);
}

} // namespace

AutoSave::AutoSave(const AlbumDocument &album, QString folder, QObject *parent)
    : QObject(parent)
    , m_album(album)
    , m_folder(std::move(folder))
    , m_id(editorId())
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
    const QString copy = copyPath(m_folder, m_id, m_album.albumType());
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
            || replaceWholeFile(infoPath(m_folder, m_id), details, OwnerOnly))
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
    removeCopies(m_folder, m_id);
}

std::optional<AutoSave::Copy> AutoSave::leftBehind(const QString &folder)
{
    QStringList names = QDir(folder).entryList(
        {u"album*.pvm"_s, u"album*.mum"_s, u"album*.ppl"_s}, QDir::Files | QDir::Hidden);
    names.sort();
    for (const QString &name : std::as_const(names)) {
        const QString base = QFileInfo(name).completeBaseName();
        const QString id = base.startsWith(u"album-"_s) ? base.mid(6) : QString();
        if (!id.isEmpty() && ownerRuns(id))
            continue;
        const QString file = folder + u'/' + name;
        const auto byExtension = AlbumFiles::typeOfPath(file);
        if (!byExtension)
            continue;
        // An info file that is missing or odd does not lose the copy: it is
        // read as the type its extension says, from where nobody knows.
        const QString info = id.isEmpty() ? folder + u"/album.ini"_s : infoPath(folder, id);
        const QSettings details(info, QSettings::IniFormat);
        bool ok = false;
        const int type = details.value(u"Recovery/Type"_s).toInt(&ok);
        const bool known = ok && type == int(*byExtension);
        return Copy{file,
            known ? QString::fromUtf8(QByteArray::fromPercentEncoding(
                details.value(u"Recovery/Original"_s).toString().toUtf8()))
                  : QString(),
            *byExtension, info};
    }
    return std::nullopt;
}

void AutoSave::offerRecovery(const CommandContext &context, FileCommands &files)
{
    // Nothing left behind, or only copies of editors still running: nothing
    // is asked and nothing is removed.
    const auto copy = leftBehind(m_folder);
    if (!copy)
        return;
    const QString name = copy->original.isEmpty() ? u"NoName"_s : copy->original;
    const bool recover = context.askYesNo(
        u"The album "_s + name + u" was not saved when the editor last ended. Recover it?"_s);
    if (recover && !files.recover(copy->file, copy->type, copy->original))
        return;
    if (recover) {
        // The work is this editor's now: its own copy first, then the old
        // one goes.
        saveNow();
        wait();
    }
    QFile::remove(copy->file);
    QFile::remove(copy->info);
}
