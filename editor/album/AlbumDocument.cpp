#include "AlbumDocument.h"

#include "Duration.h"
#include "MediaClass.h"
#include "MediaProbe.h"
#include "PreparedMedia.h"
#include "Rounding.h"
#include "StandardPictures.h"
#include "Texts.h"
#include "Thumbnails.h"
#include "UserPrompts.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
QString text(const char16_t *utf16)
{
    return QString::fromUtf16(utf16);
}
} // namespace

AlbumDocument::AlbumDocument(UserPrompts &prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
{ }

void AlbumDocument::setAlbumType(AlbumType type)
{
    m_albumType = type;
    Q_EMIT propertiesChanged();
}

void AlbumDocument::setFilePath(const QString &path)
{
    m_filePath = path;
    m_fileName = fileNameOf(path);
    Q_EMIT propertiesChanged();
}

void AlbumDocument::setUntitled()
{
    m_filePath.clear();
    m_fileName = text(Texts::NoName);
    Q_EMIT propertiesChanged();
}

void AlbumDocument::setProperties(const AlbumProperties &properties)
{
    m_properties = properties;
    Q_EMIT propertiesChanged();
}

void AlbumDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void AlbumDocument::setCurrentObject(int index)
{
    m_currentObject = index;
    Q_EMIT currentObjectChanged(index);
}

void AlbumDocument::updateObject(int index, const AlbumObject &object)
{
    AlbumObject &record = m_objects.at(size_t(index));
    forgetSummedTotal();
    record = object;
    record.durationCaption = FormatDuration(record.durationSeconds);
    record.durationValue = Rounding::parseDecimal(record.durationSeconds);
    Q_EMIT objectChanged(index);
}

void AlbumDocument::setThumbnail(int index, const Thumbnail &thumbnail)
{
    m_objects.at(size_t(index)).thumbnail = thumbnail;
    Q_EMIT thumbnailChanged(index);
}

void AlbumDocument::pushObject(const AlbumObject &object)
{
    m_objects.push_back(object);
    m_objects.back().durationCaption = FormatDuration(object.durationSeconds);
    m_objects.back().durationValue = Rounding::parseDecimal(object.durationSeconds);
    Q_EMIT objectInserted(objectCount() - 1);
}

void AlbumDocument::appendObject(const AlbumObject &object, OutlineNode entry)
{
    m_outline.root().children.push_back(std::move(entry));
    pushObject(object);
}

void AlbumDocument::appendError(const QString &message)
{
    m_prompts.message(message, text(Texts::CaptionAppendError), UserPrompts::Buttons::Ok,
        UserPrompts::Icon::Error);
}

void AlbumDocument::AddMediaFile(const QString &path, bool appendMode, int target)
{
    if (!m_outline.hasRoot()) {
        appendError(text(Texts::NoAlbum));
        return;
    }
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return;
    // A FIFO or a device would block the open or never end.
    if (QFile file(path); !info.isFile() || !file.open(QIODevice::ReadOnly)) {
        appendError(text(Texts::CannotAddFile) + text(Texts::TwoLineBreaks) + path);
        return;
    }
    const MediaClass c = ClassifyExtension(path);
    if (pplMode() && c == MediaClass::WaveAudio) {
        appendError(text(Texts::CannotAddType) + text(Texts::TwoLineBreaks) + path);
        return;
    }
    m_accumulatedSizeKB += Rounding::kilobytes(info.size());

    const PreparedMedia::File *ready = m_prepared ? m_prepared->find(path) : nullptr;
    const MediaProbeResult probe = ready ? ready->probe : ProbeMedia(path);
    if (appendMode)
        appendToObject(target, path, int(c), probe);
    else if (target == RootTarget)
        addNewObject(path, int(c), probe, ready);
    else if (c == MediaClass::Photo)
        addMember(target, path, probe);

    RefreshTotals();
    setModified(true);
}

void AlbumDocument::addNewObject(const QString &path, int mediaClass, const MediaProbeResult &probe,
    const PreparedMedia::File *ready)
{
    const QString name = fileNameOf(path);
    const QString number = QString::number(m_outline.entryCount() + 1);
    OutlineNode &entry = m_outline.root().add(number + u':' + name);
    entry.add(number);

    const int stillSeconds = m_properties.defaultStillSeconds;
    AlbumObject record;
    record.mainFile = path;
    record.transition = m_properties.albumTransition;
    QString outlineDuration;
    QString kindLabel;
    switch (MediaClass(mediaClass)) {
    case MediaClass::Photo:
        record.kind = ObjectKind::Still;
        record.durationSeconds = QString::number(stillSeconds);
        record.memberThumbnails = QStringList{path};
        record.imageCaption = name;
        record.thumbnail = ready ? ready->thumbnail : photoThumbnail(path);
        outlineDuration = FormatDuration(qint64(stillSeconds));
        kindLabel = probe.probeKind + probe.description;
        break;
    case MediaClass::Video: {
        const VideoProbeResult video = ready
            ? VideoProbeResult{ready->videoMs, ready->thumbnail.image()}
            : ProbeVideoAndThumbnail(path);
        const double seconds = double(video.milliseconds) / 1000.0;
        const QString lengthText = secondsText(seconds);
        record.kind = ObjectKind::Video;
        record.durationSeconds = lengthText == u"0" ? QString::number(stillSeconds) : lengthText;
        record.imageCaption = name;
        record.thumbnail = video.thumbnail;
        outlineDuration = FormatDuration(Rounding::halfEven(seconds));
        kindLabel = u"Movie" + probe.description;
        break;
    }
    case MediaClass::CompressedAudio:
    case MediaClass::WaveAudio:
        record.kind = ObjectKind::Audio;
        record.durationSeconds
            = probe.lengthText == u"0" ? QString::number(stillSeconds) : probe.lengthText;
        record.audioCaption = name;
        record.thumbnail = StandardPictures::music();
        outlineDuration
            = FormatDuration(Rounding::halfEven(Rounding::parseDecimal(probe.lengthText)));
        kindLabel = u"Audio" + probe.description;
        break;
    }
    entry.add(outlineDuration);
    entry.add(m_properties.albumTransition);
    entry.add(kindLabel);
    entry.add(path);
    pushObject(record);
}

void AlbumDocument::addMemberEntry(
    OutlineNode &entry, const QString &path, const QString &kindLabel)
{
    if (entry.children.size() <= AlbumOutline::PathField)
        return;
    auto &members = entry.children[AlbumOutline::PathField].children;
    const QString number = QString::number(members.size() + 1);
    OutlineNode &member
        = entry.children[AlbumOutline::PathField].add(number + u':' + fileNameOf(path));
    member.add(number);
    member.add(FormatDuration(qint64(m_properties.defaultStillSeconds)));
    member.add(m_properties.albumTransition);
    member.add(kindLabel);
    member.add(path);
}

void AlbumDocument::addMember(int object, const QString &path, const MediaProbeResult &probe)
{
    if (object < 0 || object >= objectCount() || object >= m_outline.entryCount())
        return;
    OutlineNode &entry = m_outline.entry(object);
    const auto *members = AlbumOutline::members(entry);
    const bool first = members && members->empty();
    addMemberEntry(entry, path, u"Image" + probe.description);

    AlbumObject record = m_objects[size_t(object)];
    record.memberFiles.append(path);
    record.memberThumbnails.append(path);
    record.memberDurations.append(QString::number(m_properties.defaultStillSeconds));
    record.memberSizesKB.append(fileSizeKBText(path));
    if (first)
        record.thumbnail = photoThumbnail(path);
    updateObject(object, record);
    if (first)
        Q_EMIT thumbnailChanged(object);
}

void AlbumDocument::appendToObject(
    int object, const QString &path, int mediaClass, const MediaProbeResult &probe)
{
    const MediaClass c = MediaClass(mediaClass);
    if (c == MediaClass::Video || object < 0 || object >= objectCount()
        || object >= m_outline.entryCount())
        return;
    OutlineNode &entry = m_outline.entry(object);
    AlbumObject record = m_objects[size_t(object)];
    const QString name = fileNameOf(path);
    record.memberFiles.append(path);
    record.memberDurations.append(QString::number(m_properties.defaultStillSeconds));
    record.memberSizesKB.append(fileSizeKBText(path));
    if (c == MediaClass::Photo) {
        // The next renumbering restores the number-colon form of the text.
        entry.text = name + u'-' + entry.text;
        record.imageCaption = name;
        record.kind = ObjectKind::AudioWithStill;
        record.memberThumbnails.append(path);
        record.thumbnail = photoThumbnail(path);
    } else {
        record.audioCaption = name;
        record.kind = ObjectKind::StillWithAudio;
        record.durationSeconds = probe.lengthText;
    }
    addMemberEntry(entry, path, probe.probeKind + probe.description);
    updateObject(object, record);
    if (c == MediaClass::Photo)
        Q_EMIT thumbnailChanged(object);
}

void AlbumDocument::CheckLastObject()
{
    const int count = m_outline.entryCount();
    if (count == 0)
        return;
    const OutlineNode &last = m_outline.entry(count - 1);
    bool complete = last.children.size() == AlbumOutline::FieldCount && !last.text.isEmpty();
    for (const OutlineNode &field : last.children)
        complete = complete && !field.text.isEmpty();
    if (complete) {
        const QString kind = fromFirstColon(AlbumOutline::field(last, AlbumOutline::KindField));
        complete = !kind.chopped(kind.isEmpty() ? 0 : 1).isEmpty();
    }
    if (!complete)
        DropLastObject();
}

void AlbumDocument::DropLastObject()
{
    const int count = m_outline.entryCount();
    if (count > 0) {
        m_outline.removeEntry(count - 1);
        if (objectCount() == count)
            removeRecord(count - 1);
        RefreshTotals();
    }
    m_prompts.message(text(Texts::DrmOrProblem), text(Texts::CaptionConfirm),
        UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
}

void AlbumDocument::removeRecord(int index)
{
    forgetSummedTotal();
    m_objects.erase(m_objects.begin() + index);
    Q_EMIT objectRemoved(index);
}

void AlbumDocument::RemoveObjectAt(int index)
{
    if (index < 0 || index >= objectCount())
        return;
    if (index < m_outline.entryCount())
        m_outline.removeEntry(index);
    if (objectCount() == 1) {
        forgetSummedTotal();
        m_objects.clear();
        Q_EMIT objectRemoved(0);
    } else {
        removeRecord(index);
        m_outline.renumber();
    }
    if (m_currentObject >= objectCount())
        setCurrentObject(objectCount() - 1);
    RefreshTotals();
    Q_EMIT previewCleared();
}

void AlbumDocument::MoveObject(int from, int to)
{
    const int count = objectCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    moveRecord(from, to);
    if (from < m_outline.entryCount() && to < m_outline.entryCount())
        m_outline.moveEntry(from, to);
    RenumberObjects();
    Q_EMIT objectMoved(from, to);
    setCurrentObject(to);
}

void AlbumDocument::moveRecord(int from, int to)
{
    forgetSummedTotal();
    AlbumObject moved = std::move(m_objects[size_t(from)]);
    m_objects.erase(m_objects.begin() + from);
    m_objects.insert(m_objects.begin() + to, std::move(moved));
}

void AlbumDocument::RenumberObjects()
{
    m_outline.renumber();
}

void AlbumDocument::RebuildImageBlocks(int index)
{
    if (index < 0 || index >= objectCount() || index >= m_outline.entryCount())
        return;
    const AlbumObject &o = m_objects[size_t(index)];
    OutlineNode &entry = m_outline.entry(index);
    if (entry.children.size() > AlbumOutline::PathField)
        entry.children.erase(entry.children.begin() + AlbumOutline::PathField);
    OutlineNode &path = entry.add(o.mainFile);
    for (qsizetype k = 0; k < o.memberFiles.size(); ++k) {
        const QString number = QString::number(k + 1);
        OutlineNode &member = path.add(number + fileNameOf(o.memberFiles[k]));
        for (const QString &field : {number, o.memberDurations.value(k), o.transition,
                 QString(u"Image:" + o.mediaInfo), o.memberFiles[k]})
            member.add(field);
    }
    Q_EMIT objectChanged(index);
}

void AlbumDocument::insertObjectAt(int index, const AlbumObject &object, const OutlineNode &entry)
{
    forgetSummedTotal();
    auto &entries = m_outline.root().children;
    entries.insert(entries.begin() + index, entry);
    m_objects.insert(m_objects.begin() + index, object);
    Q_EMIT objectInserted(index);
}

void AlbumDocument::takeObjectAt(int index)
{
    m_outline.removeEntry(index);
    removeRecord(index);
}

void AlbumDocument::relocateObject(int from, int to)
{
    moveRecord(from, to);
    m_outline.moveEntry(from, to);
    Q_EMIT objectMoved(from, to);
}

void AlbumDocument::replaceObject(int index, const AlbumObject &object, const OutlineNode &entry)
{
    forgetSummedTotal();
    m_objects.at(size_t(index)) = object;
    m_outline.entry(index) = entry;
    Q_EMIT objectChanged(index);
    Q_EMIT thumbnailChanged(index);
}

void AlbumDocument::setRootText(const QString &text)
{
    m_outline.root().text = text;
}

void AlbumDocument::ClearAlbum(const QString &rootText)
{
    forgetSummedTotal();
    m_objects.clear();
    m_missingFiles.clear();
    m_outline.reset(rootText);
    Q_EMIT albumCleared();
    setCurrentObject(-1);
}

void AlbumDocument::forgetSummedTotal()
{
    m_summedObjects = 0;
    m_summedSeconds = 0.0;
}

void AlbumDocument::RefreshTotals()
{
    // Objects appended since the last sum are added to it in album order,
    // which gives the very sum a new pass would.
    for (; m_summedObjects < m_objects.size(); ++m_summedObjects)
        m_summedSeconds += m_objects[m_summedObjects].durationValue;
    m_totalTimeText = u"Total Time: " + FormatDuration(Rounding::halfEven(m_summedSeconds));
    m_totalBackgroundMusicText = m_albumType == AlbumType::Music
        ? QString()
        : u"Total BG Music : " + FormatDuration(qint64(m_properties.backgroundMusicSeconds));
    Q_EMIT totalsChanged();
}

void AlbumDocument::AddBackgroundMusic(const QString &path)
{
    const MediaProbeResult probe = ProbeMedia(path);
    if (probe.lengthText == u"0") { // also for anything but a regular file
        m_prompts.message(text(Texts::DrmOrProblem) + text(Texts::TwoLineBreaks) + path,
            text(Texts::CaptionConfirm), UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
        return;
    }
    m_properties.backgroundMusic.push_back(
        {path, FormatDuration(probe.lengthText), QStringLiteral("PC")});
    m_properties.backgroundMusicSeconds += int(Rounding::parseDecimal(probe.lengthText));
    Q_EMIT propertiesChanged();
    setModified(true);
    RefreshTotals();
}

void AlbumDocument::SelectTransitionByName(const QString &name)
{
    m_properties.albumTransition = Transitions::nameOfChoice(Transitions::choiceIn(name));
    Q_EMIT propertiesChanged();
}

void AlbumDocument::ApplyAlbumTransition()
{
    for (int i = 0; i < objectCount(); ++i)
        setObjectTransition(i, m_properties.albumTransition);
    setModified(true);
}

void AlbumDocument::ApplyTransition(int index, const QString &name)
{
    const int target = index == -1 ? m_currentObject : index;
    if (target < 0 || target >= objectCount())
        return;
    setObjectTransition(target, Transitions::normalized(name));
    setModified(true);
}

void AlbumDocument::setObjectTransition(int index, const QString &name)
{
    m_objects[size_t(index)].transition = name;
    if (index < m_outline.entryCount())
        AlbumOutline::setField(m_outline.entry(index), AlbumOutline::TransitionField, name);
    Q_EMIT objectChanged(index);
}

void AlbumDocument::clearTotals()
{
    m_totalTimeText.clear();
    m_totalBackgroundMusicText.clear();
    Q_EMIT totalsChanged();
}

std::optional<QString> AlbumDocument::DumpOutline(const QString &path) const
{
    return writeWholeFile(path, outlineDumpText().toUtf8());
}
