#include "ManifestProducers.h"

#include "AlbumDocument.h"
#include "Duration.h"
#include "ExportPaths.h"
#include "ManifestWriter.h"
#include "Rounding.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ObjectEntry
{
    int kind;
    QStringList files;
    QString value;
};

QString objectError(int index, const QString &reason)
{
    return u"Object "_s + QString::number(index + 1) + u": "_s + reason;
}

// Every member duration must be a positive number (a repeat over durations
// that sum to nothing or less would never end), and every duration needs
// its file.
std::optional<QString> checkMembers(int index, const AlbumObject &o)
{
    if (o.memberFiles.size() < o.memberDurations.size())
        return objectError(index, u"it lists fewer member files than durations."_s);
    for (const QString &d : o.memberDurations) {
        bool ok = false;
        const double seconds = Rounding::parseDecimal(d, &ok);
        if (!ok)
            return objectError(index, u"the duration \""_s + d + u"\" is not a number."_s);
        if (!(seconds > 0))
            return objectError(index, u"the duration \""_s + d + u"\" is not a positive number."_s);
    }
    return std::nullopt;
}

// The photos of a repeating music object, walked in turn until their
// durations cover the music.
std::optional<QString> expandRepeat(int index, const AlbumObject &o, ObjectEntry &entry)
{
    const double total = Rounding::parseDecimal(o.durationSeconds);
    double cycle = 0;
    for (const QString &d : o.memberDurations)
        cycle += Rounding::parseDecimal(d);
    if (total > 0 && cycle <= 0)
        return objectError(index, u"its photos repeat but have no duration."_s);
    // A million listed photos is no album a player can show.
    if (total > 0 && total / cycle * double(o.memberDurations.size()) > 1e6)
        return objectError(index, u"its photos would repeat too many times."_s);
    double sum = 0;
    QStringList durations;
    qsizetype i = 0;
    while (total > sum) {
        if (i >= o.memberDurations.size())
            i = 0;
        sum += Rounding::parseDecimal(o.memberDurations[i]);
        entry.files.append(o.memberFiles[i]);
        durations.append(o.memberDurations[i]);
        ++i;
    }
    entry.value = durations.join(u';');
    return std::nullopt;
}

std::optional<QString> objectEntry(
    int index, const AlbumObject &o, bool exporting, ObjectEntry &entry)
{
    entry.kind = int(o.kind);
    entry.files = QStringList{o.mainFile};
    switch (o.kind) {
    case ObjectKind::StillWithAudio:
        entry.files += o.memberFiles;
        entry.value = clampedSecondsText(o.durationSeconds);
        break;
    case ObjectKind::StillMultiShotSequence:
    case ObjectKind::StillPanoramaSequence:
        if (const auto error = checkMembers(index, o))
            return error;
        entry.files = o.memberFiles;
        entry.value
            = exporting ? clampedSecondsText(o.durationSeconds) : o.memberDurations.join(u';');
        break;
    case ObjectKind::AudioWithStill:
        if (const auto error = checkMembers(index, o))
            return error;
        if (o.repeatMembers)
            return expandRepeat(index, o, entry);
        entry.files += o.memberFiles;
        entry.value = o.memberDurations.join(u';');
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<QString> build(
    ManifestWriter &writer, const AlbumDocument &album, bool exporting, const ExportedMedia &media)
{
    const auto kept = [&media](const QStringList &files) {
        return std::none_of(files.begin(), files.end(),
            [&](const QString &f) { return media.leftOut.contains(f); });
    };
    if (album.albumType() == AlbumType::Ppl)
        return std::nullopt;
    // Every object is produced before anything is written.
    std::vector<ObjectEntry> entries(size_t(album.objectCount()));
    for (int i = 0; i < album.objectCount(); ++i) {
        if (const auto error = objectEntry(i, album.object(i), exporting, entries[size_t(i)]))
            return error;
    }
    const auto path
        = [exporting, &media](const QString &p) { return exporting ? ExportPath(p, media) : p; };
    writer.reserve(album.objectCount());
    const AlbumProperties &p = album.properties();
    writer.WriteAlbumProperties(p.creator, p.description, p.title,
        exporting ? u"Harlowe Lumavine"_s : QString(), p.albumTransition);
    if (!p.backgroundImage.isEmpty() && QFileInfo(p.backgroundImage).isFile()
        && kept({p.backgroundImage}))
        writer.WriteObject(true, 1, {path(p.backgroundImage)}, {});
    for (const BackgroundMusicEntry &music : p.backgroundMusic) {
        if (kept({music.musicFile}))
            writer.WriteObject(true, 6, {path(music.musicFile)}, {});
    }
    for (ObjectEntry &entry : entries) {
        if (!kept(entry.files))
            continue;
        for (QString &file : entry.files)
            file = path(file);
        writer.WriteObject(false, entry.kind, entry.files, entry.value);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> BuildSaveManifest(ManifestWriter &writer, const AlbumDocument &album)
{
    return build(writer, album, false, {});
}

std::optional<QString> BuildExportManifest(
    ManifestWriter &writer, const AlbumDocument &album, const ExportedMedia &media)
{
    return build(writer, album, true, media);
}
