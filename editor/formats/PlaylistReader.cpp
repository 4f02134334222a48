#include "PlaylistReader.h"

#include "AlbumDocument.h"
#include "Duration.h"
#include "MediaClass.h"
#include "MediaProbe.h"
#include "PathResolver.h"
#include "ReadFailure.h"
#include "ReaderObjects.h"
#include "Rounding.h"
#include "StandardPictures.h"
#include "Texts.h"
#include "Thumbnails.h"
#include "UserPrompts.h"
#include "XmlWords.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using namespace XmlWords;

QString ResolvePlayerPath(const QString &text, const QString &root)
{
    const PathResolver paths(root, root);
    return paths.existingFile(text).value_or(paths.fullPath(text));
}

namespace {

class PlaylistReading
{
public:
    PlaylistReading(AlbumDocument &album, const QString &base, const QString &layoutRoot,
        const QHash<QString, QString> &moved)
        : m_album(album)
        , m_paths(base, layoutRoot)
    {
        m_paths.setMoved(moved);
    }

    void readBackground(const pugi::xml_node &background);
    void readEntry(const pugi::xml_node &entry);
    const QStringList &missingFiles() const { return m_missing.list(); }

private:
    // The existing file an entry's text names, if any. Texts are UTF-8
    // throughout, so reading from a player needs no extra decoding step.
    std::optional<QString> file(const QString &text)
    {
        auto found = m_paths.existingFile(text);
        if (!found && !text.isEmpty())
            m_missing.add(m_paths.fullPath(text));
        return found;
    }
    QString nextText(const QString &name) const
    {
        return QString::number(m_album.outline().entryCount() + 1) + u':' + fileNameOf(name);
    }
    void readPhoto(const pugi::xml_node &entry);
    void readPhotoWithSound(const pugi::xml_node &entry);
    void readMusic(const pugi::xml_node &entry);
    // Seconds and transition name from a STILL element's children.
    void readTiming(const pugi::xml_node &still, QString &seconds, QString &transition) const;

    AlbumDocument &m_album;
    PathResolver m_paths;
    ReaderObjects::MissingFiles m_missing;
};

void PlaylistReading::readBackground(const pugi::xml_node &background)
{
    for (pugi::xml_node child = background.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || !nameHas(child, "AUDIO"))
            continue;
        const QString text = ownText(child);
        const QString p = m_paths.existingFile(text).value_or(m_paths.fullPath(text));
        if (!QFileInfo::exists(p))
            m_missing.add(p);
        if (QFile f(p); !QFileInfo(p).isFile() || !f.open(QIODevice::ReadOnly)) {
            m_album.prompts().message(QString::fromUtf16(Texts::DrmOrProblem)
                    + QString::fromUtf16(Texts::TwoLineBreaks) + p,
                QString::fromUtf16(Texts::CaptionConfirm), UserPrompts::Buttons::Ok,
                UserPrompts::Icon::Error);
            continue;
        }
        m_album.AddBackgroundMusic(p);
    }
}

void PlaylistReading::readTiming(
    const pugi::xml_node &still, QString &seconds, QString &transition) const
{
    for (pugi::xml_node child = still.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (nameHas(child, "DURATION")) {
            // A time that is no number counts as none.
            bool ok = false;
            const double ms = Rounding::parseDecimal(ownText(child), &ok);
            if (ok)
                seconds = QString::number(Rounding::halfEven(clampedSeconds(ms / 1000.0)));
        } else {
            transition = ownText(child);
        }
    }
}

void PlaylistReading::readPhoto(const pugi::xml_node &entry)
{
    const auto p = file(ownText(entry));
    if (!p)
        return;
    QString seconds = QString::number(m_album.properties().defaultStillSeconds);
    QString transition;
    readTiming(entry, seconds, transition);
    AlbumObject o;
    o.kind = ObjectKind::Still;
    o.mainFile = *p;
    o.durationSeconds = seconds;
    o.transition = Transitions::normalized(transition);
    o.thumbnail = Thumbnail::ofPhotoLater(*p);
    const int number = m_album.outline().entryCount() + 1;
    m_album.appendObject(
        o, ReaderObjects::entry(nextText(*p), number, seconds, transition, {}, *p));
    m_album.addAccumulatedSize(Rounding::kilobytes(FileSizeBytes(*p)));
}

void PlaylistReading::readPhotoWithSound(const pugi::xml_node &entry)
{
    std::optional<QString> still;
    std::optional<QString> sound;
    QString seconds = QString::number(m_album.properties().defaultStillSeconds);
    QString transition;
    for (pugi::xml_node child = entry.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (nameHas(child, "STILL")) {
            still = file(ownText(child));
            readTiming(child, seconds, transition);
        } else {
            sound = file(ownText(child));
        }
    }
    if (!still || !sound)
        return;
    m_album.addAccumulatedSize(
        Rounding::kilobytes(FileSizeBytes(*still)) + Rounding::kilobytes(FileSizeBytes(*sound)));
    AlbumObject o;
    o.kind = ObjectKind::StillWithAudio;
    o.mainFile = *still;
    o.durationSeconds = seconds;
    o.transition = Transitions::normalized(transition);
    o.memberFiles = QStringList{*sound};
    o.memberDurations = QStringList{seconds};
    o.memberSizesKB = QStringList{fileSizeKBText(*sound)};
    o.memberThumbnails = QStringList{QString()};
    o.thumbnail = Thumbnail::ofPhotoLater(*still);
    ReaderObjects::setCaptions(o);
    const int number = m_album.outline().entryCount() + 1;
    OutlineNode node = ReaderObjects::entry(
        nextText(*still), number, seconds, transition, u"Image-Audio:"_s, *sound);
    ReaderObjects::addMember(node, *sound, seconds, transition, u"Audio"_s);
    m_album.appendObject(o, std::move(node));
}

void PlaylistReading::readMusic(const pugi::xml_node &entry)
{
    const auto p = file(ownText(entry));
    if (!p)
        return;
    const MediaProbeResult probe = ProbeMedia(*p);
    m_album.addAccumulatedSize(Rounding::kilobytes(FileSizeBytes(*p)));
    AlbumObject o;
    o.kind = ObjectKind::Audio;
    o.mainFile = *p;
    o.durationSeconds = probe.lengthText == u"0"
        ? QString::number(m_album.properties().defaultStillSeconds)
        : probe.lengthText;
    o.transition = QString::fromUtf16(Transitions::AlphaBlend);
    o.thumbnail = StandardPictures::music();
    ReaderObjects::setCaptions(o);
    const int number = m_album.outline().entryCount() + 1;
    m_album.appendObject(o,
        ReaderObjects::entry(nextText(*p), number, o.durationSeconds, o.transition,
            u"Audio"_s + probe.description, *p));
}

void PlaylistReading::readEntry(const pugi::xml_node &entry)
{
    if (nameHas(entry, "STILLWITHAUDIO"))
        readPhotoWithSound(entry);
    else if (nameHas(entry, "STILL"))
        readPhoto(entry);
    else if (nameHas(entry, "AUDIO"))
        readMusic(entry);
    else
        readPhoto(entry);
}

} // namespace

bool ReadPlaylist(
    AlbumDocument &album, const QString &path, const QString &playerRoot, const ReaderHooks &hooks)
{
    pugi::xml_document document;
    if (const auto error = load(path, document)) {
        reportUnreadableAlbum(album, path, *error);
        return false;
    }
    const QString folder
        = album.albumFolder().isEmpty() ? QFileInfo(path).absolutePath() : album.albumFolder();
    PlaylistReading reading(album, playerRoot.isEmpty() ? folder : playerRoot,
        playerRoot.isEmpty() ? PathResolver::layoutRootOf(folder) : playerRoot, hooks.moved);
    const pugi::xml_node root = document.document_element();

    AlbumProperties properties = album.properties();
    properties.backgroundMusic.clear();
    properties.backgroundMusicSeconds = 0;
    album.setProperties(properties);
    reading.readBackground(firstChildWithWord(root, "BACKGROUND"));

    album.ClearAlbum(QString::fromUtf16(Texts::RootAlbum));
    std::vector<pugi::xml_node> entries;
    for (pugi::xml_node e = firstChildWithWord(root, "FOREGROUND").first_child(); e;
         e = e.next_sibling()) {
        if (e.type() == pugi::node_element)
            entries.push_back(e);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        reading.readEntry(entries[i]);
        hooks.reportProgress(qsizetype(i) + 1, qsizetype(entries.size()));
    }
    album.setMissingFiles(reading.missingFiles());
    album.RefreshTotals();
    return true;
}
