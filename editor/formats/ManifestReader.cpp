#include "ManifestReader.h"

#include "AlbumDocument.h"
#include "Duration.h"
#include "FormatsLog.h"
#include "MediaClass.h"
#include "MediaProbe.h"
#include "PathResolver.h"
#include "ReadFailure.h"
#include "ReaderObjects.h"
#include "Rounding.h"
#include "StandardPictures.h"
#include "Texts.h"
#include "Thumbnails.h"
#include "UrlCoding.h"
#include "XmlWords.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using namespace XmlWords;

namespace {

// References nest through renditions and idRefs; a hostile file could make
// them loop, or fan out so that a few assets stand for millions of paths.
// Real files look at each asset's elements about once per entry that names
// it, so one read may look at each element of the file this many times.
constexpr int MaxReferenceDepth = 16;
constexpr qsizetype LooksPerElement = 64;

struct Item
{
    enum Type { Path, Duration, Rate } type;
    QString text; // resolved path, "CaptureDur:<n>" or the rate text
    QString rendition; // "<usage>(oo)<path>"
};
using Items = std::vector<Item>;

struct Entry
{
    int kind;
    Items items;
};

struct MetadataTexts
{
    QString title;
    QString creator;
    QString description;
    // Set when the file names a transition type, even an empty one.
    std::optional<QString> transition;
};

int kindOf(const pugi::xml_node &node)
{
    static const std::pair<std::string_view, int> rules[] = {{"STILLWITHAUDIO", 2},
        {"STILLMULTISHOTSEQUENCE", 3}, {"STILLPANORAMASEQUENCE", 4}, {"AUDIOWITHSTILL", 5},
        {"STILL", 1}, {"AUDIO", 6}, {"VIDEO", 7}, {"ALBUM", 8}, {"MANIFEST", 9}};
    for (const auto &[word, kind] : rules) {
        if (nameHas(node, word))
            return kind;
    }
    return 0;
}

// "FrameToFrame:3;5;2" as its values; a value in double quotes is taken
// whole. Semicolons end values, so "3;;5" holds an empty second value that
// falls back to the default; runs of spaces only separate ("3; 5" is 3, 5).
QStringList frameValues(const Items &items)
{
    if (items.empty() || items.back().type != Item::Rate)
        return {};
    const QByteArray rate = items.back().text.toUtf8();
    if (!hasWord(std::string_view(rate.constData(), size_t(rate.size())), "FRAMETOFRAME:"))
        return {};
    const std::string_view rest
        = textAfter(std::string_view(rate.constData(), size_t(rate.size())), "FRAMETOFRAME:");
    QStringList values;
    QString current;
    bool quoted = false;
    // Whether the piece since the last semicolon gave a value yet.
    bool pieceHasValue = false;
    const auto endValue = [&] {
        if (current.isEmpty())
            return;
        values.append(std::exchange(current, QString()));
        pieceHasValue = true;
    };
    for (const QChar c : QString::fromUtf8(rest.data(), qsizetype(rest.size()))) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u' ') {
            endValue();
        } else if (!quoted && c == u';') {
            endValue();
            if (!pieceHasValue)
                values.append(QString());
            pieceHasValue = false;
        } else {
            current += c;
        }
    }
    endValue();
    return values;
}

class ManifestReading
{
public:
    ManifestReading(
        AlbumDocument &album, const QString &folder, const QHash<QString, QString> &moved)
        : m_album(album)
        , m_paths(folder, PathResolver::layoutRootOf(folder))
    {
        m_paths.setMoved(moved);
    }

    std::optional<QString> read(const QString &path, const ReaderHooks &hooks);

private:
    void indexAssets(const pugi::xml_node &assets);
    void allowLooks(const pugi::xml_node &root);
    void resolve(const QString &id, const QString &usage, Items &target, int depth);
    std::optional<QString> collect(const pugi::xml_node &section, std::vector<Entry> &entries);
    static MetadataTexts readProperties(const pugi::xml_node &metadata);
    void build(const Entry &entry);
    QString thumbnailOf(const Item &item) const;
    // The file a LastURL names; a missing media file (not a thumbnail) is
    // noted so that the album knows it is incomplete.
    std::optional<QString> existingFileOf(const QString &url, bool media);
    void buildMembers(AlbumObject &o, OutlineNode &node, const Entry &entry, int kind);

    AlbumDocument &m_album;
    PathResolver m_paths;
    QHash<QString, pugi::xml_node> m_assets;
    qsizetype m_looksLeft = 0;
    std::optional<QString> m_decodeError;
    ReaderObjects::MissingFiles m_missing;
};

void ManifestReading::indexAssets(const pugi::xml_node &assets)
{
    for (pugi::xml_node asset = assets.first_child(); asset; asset = asset.next_sibling()) {
        const std::string line = firstAttributeLine(asset);
        if (!hasWord(line, "ID="))
            continue;
        const std::string_view id = textAfter(line, "ID=");
        const QString key = QString::fromUtf8(id.data(), qsizetype(id.size())).toUpper();
        if (!m_assets.contains(key))
            m_assets.insert(key, asset);
    }
}

void ManifestReading::allowLooks(const pugi::xml_node &root)
{
    struct Counter : pugi::xml_tree_walker
    {
        bool for_each(pugi::xml_node &) override
        {
            ++nodes;
            return true;
        }
        qsizetype nodes = 1;
    } counter;
    pugi::xml_node(root).traverse(counter);
    m_looksLeft = LooksPerElement * counter.nodes;
}

void ManifestReading::resolve(const QString &id, const QString &usage, Items &target, int depth)
{
    if (depth > MaxReferenceDepth || m_decodeError)
        return;
    const auto asset = m_assets.constFind(id.toUpper());
    if (asset == m_assets.cend()) {
        qCDebug(lcFormats) << "no asset" << id;
        return;
    }
    for (pugi::xml_node child = asset->first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (--m_looksLeft < 0) {
            qCDebug(lcFormats) << "references fan out too far at" << id;
            return;
        }
        if (nameHas(child, "CAPTUREDUR")) {
            target.push_back({Item::Duration, u"CaptureDur:"_s + text(child), {}});
        } else if (nameHas(child, "CAPTURERATE") || nameHas(child, "DISPLAYRATE")) {
            target.push_back({Item::Rate, text(child), {}});
        } else if (nameHas(child, "LASTURL")) {
            if (child.first_attribute() && !hasWord(firstAttributeLine(child), "NTFS"))
                continue;
            const auto file = existingFileOf(text(child), usage.isEmpty());
            if (m_decodeError)
                return;
            if (!file)
                continue;
            if (usage.isEmpty())
                target.push_back({Item::Path, *file, {}});
            else if (!target.empty())
                target.back().rendition = usage + u"(oo)"_s + *file;
        } else if (nameHas(child, "RENDITION")) {
            const std::string line = firstAttributeLine(child);
            const std::string_view u = textAfter(line, "USAGE=");
            resolve(firstAttributeValue(child.first_child()),
                QString::fromUtf8(u.data(), qsizetype(u.size())), target, depth + 1);
        } else if (attributesHave(child, "IDREF")) {
            resolve(firstAttributeValue(child), {}, target, depth + 1);
        }
    }
}

std::optional<QString> ManifestReading::collect(
    const pugi::xml_node &section, std::vector<Entry> &entries)
{
    for (pugi::xml_node e = section.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element || !*e.name())
            continue;
        Entry entry{kindOf(e), {}};
        if (attributesHave(e, "MANIFESTLINKIDREF") || attributesHave(e, "IDREF"))
            resolve(firstAttributeValue(e), {}, entry.items, 0);
        if (m_decodeError)
            return m_decodeError;
        entries.push_back(std::move(entry));
    }
    return std::nullopt;
}

MetadataTexts ManifestReading::readProperties(const pugi::xml_node &metadata)
{
    MetadataTexts p;
    for (pugi::xml_node child = metadata.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (nameHas(child, "CONTROLPROPERTIES")) {
            const pugi::xml_node trans = child.first_child();
            const pugi::xml_node type = trans.first_child();
            if (nameHas(trans, "TRANS") && nameHas(type, "TYPE"))
                p.transition = text(type);
        } else if (nameHas(child, "PROPERTIES")) {
            for (pugi::xml_node v = child.first_child(); v; v = v.next_sibling()) {
                if (nameHas(v, "TITLE"))
                    p.title = untabbedText(v);
                if (nameHas(v, "DESCRIPTION"))
                    p.description = untabbedText(v);
                if (nameHas(v, "CREATOR"))
                    p.creator = untabbedText(v);
            }
        }
    }
    return p;
}

// Exported manifests escape their names, saved ones hold them verbatim; a
// saved name with "%" or "+" is found as it is written rather than lost.
std::optional<QString> ManifestReading::existingFileOf(const QString &url, bool media)
{
    const auto decoded = UrlDecode(url);
    if (decoded) {
        if (auto file = m_paths.existingFile(*decoded))
            return file;
    }
    if (!decoded || *decoded != url) {
        if (auto file = m_paths.existingFile(url))
            return file;
    }
    if (!decoded) {
        m_decodeError = QString::fromUtf16(Texts::ConvertError) + u": "_s + url;
    } else {
        qCDebug(lcFormats) << "missing file" << *decoded;
        if (media)
            m_missing.add(m_paths.fullPath(*decoded));
    }
    return std::nullopt;
}

QString ManifestReading::thumbnailOf(const Item &item) const
{
    if (!hasWord(item.rendition.toStdString(), "THUMBNAIL"))
        return {};
    QString rest = item.rendition;
    rest.remove(u"thumbnail(oo)"_s);
    const auto file = m_paths.existingFile(rest);
    if (!file || !hasJpegExtension(*file))
        return {};
    return *file;
}

void ManifestReading::buildMembers(AlbumObject &o, OutlineNode &node, const Entry &entry, int kind)
{
    const AlbumProperties &p = m_album.properties();
    const QStringList frames = frameValues(entry.items);
    double sum = 0;
    int j = 0;
    // A sequence lists every photo; the others list members after the main file.
    for (size_t i = (kind == 3 || kind == 4) ? 0 : 1; i < entry.items.size(); ++i) {
        const Item &item = entry.items[i];
        if (item.type != Item::Path)
            continue;
        QString duration;
        if (kind == 2) {
            duration = o.durationSeconds;
        } else if (kind == 4) {
            duration = QString::number(p.defaultFrameSeconds);
        } else if (kind == 3) {
            duration = QString::number(p.defaultFrameSeconds);
            if (j < frames.size()) {
                QString d = frames[j];
                if (d.startsWith(u'O', Qt::CaseInsensitive))
                    d.remove(0, 1);
                bool ok = false;
                const double v = Rounding::parseDecimal(d, &ok);
                duration = !ok ? QString::number(p.defaultFrameSeconds) : v < 1 ? u"1"_s : d;
            }
        } else {
            duration = j < frames.size()
                ? ReaderObjects::durationOr(frames[j], p.defaultStillSeconds)
                : QString::number(p.defaultStillSeconds);
        }
        sum += Rounding::parseDecimal(duration);
        ++j;
        o.memberFiles.append(item.text);
        o.memberDurations.append(duration);
        o.memberSizesKB.append(fileSizeKBText(item.text));
        o.memberThumbnails.append(kind == 2 ? QString() : thumbnailOf(item));
        ReaderObjects::addMember(
            node, item.text, duration, p.albumTransition, kind == 2 ? QString() : u"Image"_s);
    }
    if (kind == 3 || kind == 4 || (kind == 5 && o.durationSeconds == u"0"))
        o.durationSeconds
            = kind == 4 ? QString::number(p.defaultFrameSeconds * j) : secondsText(sum);
    if (kind != 2 && !o.memberFiles.isEmpty()) {
        const QString first = o.memberThumbnails.first();
        o.thumbnail = Thumbnail::ofPhotoLater(first.isEmpty() ? o.memberFiles.first() : first);
    }
}

void ManifestReading::build(const Entry &entry)
{
    const int kind = entry.kind;
    if (kind == 0 || entry.items.empty() || entry.items.front().type != Item::Path)
        return;
    const QString main = entry.items.front().text;
    m_album.addAccumulatedSize(Rounding::kilobytes(FileSizeBytes(main)));
    if (!QFileInfo(main).isFile())
        return;
    const AlbumProperties &p = m_album.properties();
    const MediaProbeResult probe = ProbeMedia(main);
    const int number = m_album.outline().entryCount() + 1;
    const QString still = QString::number(p.defaultStillSeconds);
    const QString probed = probe.lengthText == u"0" ? still : probe.lengthText;

    AlbumObject o;
    o.kind = ObjectKind(kind);
    o.mainFile = main;
    o.transition = p.albumTransition;
    o.mediaInfo = probe.probeKind + probe.description;
    QString text = QString::number(number) + u':' + fileNameOf(main);
    QString label = probe.probeKind + probe.description;
    QString pathField = main;
    switch (kind) {
    case 1:
    case 2:
    case 7:
        o.thumbnailFile = thumbnailOf(entry.items.front());
        if (kind == 7)
            o.durationSeconds = probed;
        else if (kind == 1 || entry.items.back().type != Item::Duration)
            o.durationSeconds = still;
        else
            o.durationSeconds = ReaderObjects::durationOr(
                entry.items.back().text.mid(qsizetype(sizeof "CaptureDur:") - 1),
                p.defaultStillSeconds);
        // A video without a stored thumbnail shows its first frame.
        if (!o.thumbnailFile.isEmpty() || kind != 7)
            o.thumbnail
                = Thumbnail::ofPhotoLater(o.thumbnailFile.isEmpty() ? main : o.thumbnailFile);
        else
            o.thumbnail = videoThumbnail(main);
        if (kind == 2) {
            const auto notSound = std::count_if(entry.items.begin(), entry.items.end(),
                [](const Item &i) { return !isAudioClass(ClassifyExtension(i.text)); });
            label = u"Image-Audio:"_s + QString::number(notSound);
        }
        break;
    case 6:
        o.durationSeconds = probed;
        o.thumbnail = StandardPictures::music();
        label = u"Audio"_s + probe.description;
        break;
    case 8:
    case 9:
        o.durationSeconds = still;
        o.mediaInfo.clear();
        o.thumbnail = StandardPictures::albumLink();
        label = u"Album"_s;
        break;
    case 3:
    case 4:
        text = QString::number(number) + u":파노라마"_s;
        pathField = QFileInfo(main).path() + u'/';
        break;
    case 5:
        o.durationSeconds = probe.lengthText;
        o.thumbnail = StandardPictures::music();
        break;
    default:
        return;
    }
    OutlineNode node = ReaderObjects::entry(
        text, number, o.durationSeconds, p.albumTransition, label, pathField);
    if (kind >= 2 && kind <= 5) {
        buildMembers(o, node, entry, kind);
        // The duration of a sequence is known only once its members are.
        AlbumOutline::setField(
            node, AlbumOutline::DurationField, FormatDuration(o.durationSeconds));
        if (kind == 3 || kind == 4)
            AlbumOutline::setField(node, AlbumOutline::KindField,
                u"Panorama:"_s + QString::number(o.memberFiles.size()));
        else if (kind == 5)
            AlbumOutline::setField(node, AlbumOutline::KindField,
                u"Audio-Image:"_s + QString::number(o.memberFiles.size()));
    }
    ReaderObjects::setCaptions(o);
    m_album.appendObject(o, std::move(node));
}

std::optional<QString> ManifestReading::read(const QString &path, const ReaderHooks &hooks)
{
    pugi::xml_document document;
    if (auto error = load(path, document))
        return error;
    const pugi::xml_node root = document.document_element();
    const pugi::xml_node album = firstChildWithWord(root, "ALBUM");
    const pugi::xml_node metadata = firstChildWithWord(album, "METADATA");
    const pugi::xml_node background = firstChildWithWord(album, "BACKGROUND");
    const pugi::xml_node foreground = firstChildWithWord(album, "FOREGROUND");
    indexAssets(firstChildWithWord(root, "ASSETLIST"));
    allowLooks(root);

    const MetadataTexts texts = readProperties(metadata);

    std::vector<Entry> backgroundEntries;
    std::vector<Entry> foregroundEntries;
    if (auto error = collect(background, backgroundEntries))
        return error;
    if (auto error = collect(foreground, foregroundEntries))
        return error;

    m_album.ClearAlbum(QString::fromUtf16(Texts::RootAlbum));
    if (texts.transition)
        m_album.SelectTransitionByName(*texts.transition);
    for (const Entry &entry : backgroundEntries) {
        if (entry.items.empty() || entry.items.front().type != Item::Path)
            continue;
        if (entry.kind == 1) {
            AlbumProperties p = m_album.properties();
            p.backgroundImage = entry.items.front().text;
            m_album.setProperties(p);
        } else if (entry.kind == 6) {
            m_album.AddBackgroundMusic(entry.items.front().text);
        }
    }
    AlbumProperties p = m_album.properties();
    p.title = texts.title;
    p.creator = texts.creator;
    p.description = texts.description;
    m_album.setProperties(p);

    for (size_t i = 0; i < foregroundEntries.size(); ++i) {
        build(foregroundEntries[i]);
        hooks.reportProgress(qsizetype(i) + 1, qsizetype(foregroundEntries.size()));
    }
    m_album.setMissingFiles(m_missing.list());
    m_album.RefreshTotals();
    return std::nullopt;
}

} // namespace

bool ReadManifest(AlbumDocument &album, const QString &path, const ReaderHooks &hooks)
{
    const QString folder
        = album.albumFolder().isEmpty() ? QFileInfo(path).absolutePath() : album.albumFolder();
    ManifestReading reading(album, folder, hooks.moved);
    if (const auto error = reading.read(path, hooks)) {
        reportUnreadableAlbum(album, path, *error);
        return false;
    }
    return true;
}
