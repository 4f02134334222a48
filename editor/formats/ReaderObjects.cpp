#include "ReaderObjects.h"

#include "Duration.h"
#include "MediaClass.h"
#include "MediaProbe.h"
#include "Rounding.h"

namespace ReaderObjects {

OutlineNode entry(const QString &text, int number, const QString &durationSeconds,
    const QString &transition, const QString &kindLabel, const QString &path)
{
    OutlineNode node{text, {}};
    node.add(QString::number(number));
    node.add(FormatDuration(durationSeconds));
    node.add(transition);
    node.add(kindLabel);
    node.add(path);
    return node;
}

void addMember(OutlineNode &objectEntry, const QString &path, const QString &durationSeconds,
    const QString &transition, const QString &prefix)
{
    auto *members = AlbumOutline::members(objectEntry);
    if (!members)
        return;
    const int k = int(members->size()) + 1;
    const MediaProbeResult probe = ProbeMedia(path);
    members->push_back(entry(QString::number(k) + u':' + fileNameOf(path), k, durationSeconds,
        transition, (prefix.isEmpty() ? probe.probeKind : prefix) + probe.description, path));
}

void setCaptions(AlbumObject &o)
{
    const QString main = fileNameOf(o.mainFile);
    const QString firstMember = o.memberFiles.isEmpty() ? QString() : fileNameOf(o.memberFiles[0]);
    switch (o.kind) {
    case ObjectKind::StillWithAudio:
        o.imageCaption = main;
        o.audioCaption = firstMember;
        break;
    case ObjectKind::AudioWithStill:
        o.imageCaption = firstMember;
        o.audioCaption = main;
        break;
    case ObjectKind::Audio:
        o.audioCaption = main;
        break;
    default:
        o.imageCaption = main;
    }
}

QString durationOr(const QString &text, int fallbackSeconds)
{
    const QString kept = clampedSecondsText(text);
    return kept.isEmpty() ? QString::number(fallbackSeconds) : kept;
}

} // namespace ReaderObjects
