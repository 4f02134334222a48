#include "ObjectDialogState.h"

#include "AlbumDocument.h"
#include "CommandContext.h"
#include "CommandPrompts.h"
#include "EditorState.h"
#include "MediaClass.h"
#include "MediaProbe.h"
#include "Rounding.h"
#include "Texts.h"
#include "Thumbnails.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
int wholeSeconds(const QString &duration)
{
    return int(std::trunc(Rounding::parseDecimal(duration)));
}
} // namespace

ObjectDialogState::ObjectDialogState(const AlbumDocument &album, int objectIndex)
    : caption(u"Property"_s)
    , m_index(objectIndex)
    , m_pplMode(album.pplMode())
    , m_defaultStillSeconds(album.properties().defaultStillSeconds)
{
    load(album);
}

QString ObjectDialogState::kindName(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Still:
        return u"Image"_s;
    case ObjectKind::StillWithAudio:
        return u"Image + Audio"_s;
    case ObjectKind::StillMultiShotSequence:
        return u"Multishot"_s;
    case ObjectKind::StillPanoramaSequence:
        return u"Panorama"_s;
    case ObjectKind::AudioWithStill:
        return u"Audio + Image"_s;
    case ObjectKind::Audio:
        return u"Audio"_s;
    case ObjectKind::Video:
        return u"Video"_s;
    case ObjectKind::ManifestLink:
    case ObjectKind::ManifestLinkAsRead:
        return u"Album"_s;
    case ObjectKind::None:
        break;
    }
    return {};
}

void ObjectDialogState::load(const AlbumDocument &album)
{
    const AlbumObject &o = album.object(m_index);
    m_kind = o.kind;
    const auto single = [&] {
        names = QStringList{fileNameOf(o.mainFile)};
        durations = QStringList{o.durationSeconds};
        paths = QStringList{o.mainFile};
    };
    const auto members = [&] {
        for (qsizetype i = 0; i < o.memberFiles.size(); ++i) {
            names.append(fileNameOf(o.memberFiles[i]));
            durations.append(o.memberDurations.value(i, QString::number(m_defaultStillSeconds)));
            paths.append(o.memberFiles[i]);
        }
    };
    switch (o.kind) {
    case ObjectKind::Still:
        single();
        durationEnabled = m_pplMode;
        imageButtonsEnabled = upDownEnabled = false;
        audioButtonsEnabled = !m_pplMode;
        audioFieldsEnabled = false;
        break;
    case ObjectKind::StillWithAudio:
        single();
        durationEnabled = imageButtonsEnabled = upDownEnabled = false;
        audioName = fileNameOf(o.memberFiles.value(0));
        audioPath = o.memberFiles.value(0);
        break;
    case ObjectKind::StillMultiShotSequence:
    case ObjectKind::StillPanoramaSequence:
    case ObjectKind::AudioWithStill:
        members();
        audioButtonsEnabled = false;
        if (o.kind == ObjectKind::AudioWithStill) {
            audioName = fileNameOf(o.mainFile);
            audioPath = o.mainFile;
        }
        break;
    case ObjectKind::Audio:
        durationEnabled = imageButtonsEnabled = audioButtonsEnabled = false;
        audioName = fileNameOf(o.mainFile);
        audioPath = o.mainFile;
        break;
    case ObjectKind::Video:
        single();
        durationEnabled = imageButtonsEnabled = audioButtonsEnabled = false;
        break;
    default:
        break;
    }
    if (o.kind == ObjectKind::Still || o.kind == ObjectKind::StillWithAudio)
        durationBox = wholeSeconds(durations.value(0));
    caption = text(Texts::PropertyPrefix) + kindName(o.kind);
    if (!names.isEmpty())
        LBImageClick({std::clamp(o.currentMember, 0, int(names.size()) - 1)});
}

void ObjectDialogState::LBImageClick(const QList<int> &selection)
{
    selected = selection;
    std::sort(selected.begin(), selected.end());
    upDownEnabled = selected.size() == 1;
    if (selected.size() != 1) {
        if (selected.isEmpty())
            pathField.clear();
        return;
    }
    const int i = selected.first();
    pathField = paths.value(i);
    previewFile = fileExtension(pathField).compare(u".jpg", Qt::CaseInsensitive) == 0 ? pathField
                                                                                      : QString();
    durationBox = wholeSeconds(durations.value(i));
}

void ObjectDialogState::BtnAddImageClick(CommandPrompts &prompts)
{
    addImages(prompts.chooseOpenFiles(
        QString::fromUtf16(FileFilters::BackgroundPicture), true, text(Texts::AppendImageTitle)));
}

void ObjectDialogState::addImages(const QStringList &files)
{
    for (const QString &file : files) {
        names.append(fileNameOf(file));
        durations.append(QString::number(m_defaultStillSeconds));
        paths.append(file);
        entriesChanged = true;
    }
}

void ObjectDialogState::BtnDeleteImageClick(UserPrompts &prompts)
{
    if (selected.isEmpty())
        return;
    const auto lastImage = [&] {
        prompts.message(text(Texts::AtLeastOneImage), text(Texts::CaptionConfirm),
            UserPrompts::Buttons::Ok, UserPrompts::Icon::None);
    };
    if (names.size() == 1) {
        lastImage();
        return;
    }
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        if (names.size() == 1) {
            lastImage();
            continue;
        }
        names.removeAt(*it);
        durations.removeAt(*it);
        paths.removeAt(*it);
    }
    LBImageClick({0});
    entriesChanged = true;
}

void ObjectDialogState::moveSelected(int step)
{
    if (selected.size() != 1 || names.size() < 2)
        return;
    const int from = selected.first();
    const int to = from + step;
    if (to < 0 || to >= names.size())
        return;
    names.swapItemsAt(from, to);
    durations.swapItemsAt(from, to);
    paths.swapItemsAt(from, to);
    LBImageClick({to});
    entriesChanged = true;
}

void ObjectDialogState::BtnMoveUPClick()
{
    moveSelected(-1);
}

void ObjectDialogState::BtnMoveDownClick()
{
    moveSelected(1);
}

void ObjectDialogState::spinDurTimeEnter()
{
    m_durationArmed = true;
    m_durationEdited = false;
}

void ObjectDialogState::spinDurTimeChange(int seconds)
{
    durationBox = std::clamp(seconds, 1, 1000);
    if (m_durationArmed)
        m_durationEdited = true;
}

void ObjectDialogState::spinDurTimeExit()
{
    if (m_durationEdited) {
        for (const int i : std::as_const(selected)) {
            if (i >= 0 && i < durations.size())
                durations[i] = QString::number(durationBox);
        }
        entriesChanged = true;
    }
    m_durationArmed = m_durationEdited = false;
}

void ObjectDialogState::BtnAddAudioClick(CommandPrompts &prompts)
{
    const char16_t *filter = m_pplMode ? FileFilters::PplAudio : FileFilters::Audio;
    const QStringList chosen
        = prompts.chooseOpenFiles(QString::fromUtf16(filter), false, text(Texts::AppendAudioTitle));
    if (!chosen.isEmpty())
        changeAudio(chosen.first());
}

void ObjectDialogState::changeAudio(const QString &file)
{
    const MediaProbeResult probe = ProbeMedia(file);
    audioName = fileNameOf(file);
    audioPath = file;
    if (!durations.isEmpty())
        durations[0] = probe.lengthText;
    audioChanged = true;
}

void ObjectDialogState::BtnDeleteAudioClick()
{
    if (audioName.isEmpty())
        return;
    audioName.clear();
    audioPath.clear();
    audioChanged = true;
}

void ObjectDialogState::BtnOKClick(AlbumDocument &album, EditorState &state) const
{
    if (m_index < 0 || m_index >= album.objectCount())
        return;
    if (entriesChanged)
        applyEntries(album, state);
    if (audioChanged) {
        applyAudio(album);
        album.setModified(true);
        album.RefreshTotals();
    }
}

void ObjectDialogState::applyEntries(AlbumDocument &album, EditorState &state) const
{
    AlbumObject o = album.object(m_index);
    switch (o.kind) {
    case ObjectKind::Still:
    case ObjectKind::StillWithAudio:
        o.durationSeconds = durations.value(0, o.durationSeconds);
        break;
    case ObjectKind::StillMultiShotSequence:
    case ObjectKind::StillPanoramaSequence:
    case ObjectKind::AudioWithStill: {
        // Thumbnails and sizes follow their photos, so that the lists stay
        // aligned with the files the export compares them with.
        QStringList oldFiles = o.memberFiles;
        const QStringList oldThumbnails = o.memberThumbnails;
        const QStringList oldSizes = o.memberSizesKB;
        o.memberFiles = paths;
        o.memberDurations = durations;
        o.memberThumbnails.clear();
        o.memberSizesKB.clear();
        qint64 total = 0;
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const qsizetype old = oldFiles.indexOf(paths[i]);
            if (old >= 0)
                oldFiles[old].clear(); // each old entry serves one photo
            o.memberThumbnails.append(old >= 0 ? oldThumbnails.value(old, paths[i]) : paths[i]);
            o.memberSizesKB.append(
                old >= 0 && old < oldSizes.size() ? oldSizes[old] : fileSizeKBText(paths[i]));
            total += wholeSeconds(durations[i]);
        }
        if (o.kind != ObjectKind::AudioWithStill)
            o.durationSeconds = QString::number(total);
        if (!paths.isEmpty()) {
            const QString first = o.memberThumbnails.first();
            o.thumbnail = photoThumbnail(first.isEmpty() ? paths.first() : first);
        }
        break;
    }
    default:
        break;
    }
    album.updateObject(m_index, o);
    album.RebuildImageBlocks(m_index);
    state.selectObject(m_index, 3);
    album.setModified(true);
    album.RefreshTotals();
}

void ObjectDialogState::applyAudio(AlbumDocument &album) const
{
    AlbumObject o = album.object(m_index);
    OutlineNode &entry = album.outline().entry(m_index);
    if (o.kind == ObjectKind::StillWithAudio) {
        if (!audioName.isEmpty()) {
            if (o.memberFiles.isEmpty())
                o.memberFiles.append(audioPath);
            o.memberFiles[0] = audioPath;
            o.audioCaption = audioName;
            o.durationSeconds = durations.value(0, o.durationSeconds);
        } else {
            o.kind = ObjectKind::Still;
            o.memberFiles.clear();
            o.memberDurations.clear();
            o.memberSizesKB.clear();
            o.audioCaption.clear();
            AlbumOutline::setField(entry, AlbumOutline::KindField, u"Image:"_s);
            if (auto *members = AlbumOutline::members(entry); members && !members->empty())
                members->erase(members->begin());
            o.durationSeconds = QString::number(album.properties().defaultStillSeconds);
        }
    } else if (o.kind == ObjectKind::Still && !audioName.isEmpty()) {
        const QString duration = durations.value(0, o.durationSeconds);
        o.memberFiles.append(audioPath);
        o.memberDurations.append(duration);
        o.memberSizesKB.append(fileSizeKBText(audioPath));
        o.audioCaption = audioName;
        o.kind = ObjectKind::StillWithAudio;
        o.durationSeconds = duration;
        AlbumOutline::setField(entry, AlbumOutline::KindField, u"Image-Audio:"_s);
        if (auto *members = AlbumOutline::members(entry)) {
            OutlineNode member{audioName, {}};
            for (const QString &field :
                {QString::number(m_index), duration, u"AlphaBlend"_s, u"Audio:"_s, audioPath})
                member.add(field);
            members->push_back(std::move(member));
        }
    } else {
        return;
    }
    album.updateObject(m_index, o);
}
