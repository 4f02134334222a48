#include "TimelineCommands.h"

#include "AlbumDocument.h"
#include "Duration.h"
#include "EditorState.h"
#include "MediaClass.h"
#include "StandardPictures.h"
#include "Thumbnails.h"
#include "TimeScale.h"
#include "UndoHistory.h"

using namespace Qt::Literals::StringLiterals;

TimelineCommands::TimelineCommands(CommandContext context)
    : m_ctx(context)
{ }

bool TimelineCommands::dragAllowed() const
{
    return !m_ctx.state.playing && !m_ctx.album.opening();
}

void TimelineCommands::PanelMoveControl1Moved(int source, int target)
{
    const UndoHistory::Step step(m_ctx.state, u"Move"_s);
    AlbumDocument &album = m_ctx.album;
    const int count = album.objectCount();
    if (!dragAllowed() || count == 0 || source < 0 || source >= count)
        return;
    target = std::clamp(target, 0, count - 1);
    if (target != source) {
        album.MoveObject(source, target);
        album.setModified(true);
    }
    m_ctx.state.selectObject(target, 2);
}

void TimelineCommands::SizeControl1Moved(int source, int target)
{
    const UndoHistory::Step step(m_ctx.state, u"Move"_s);
    AlbumDocument &album = m_ctx.album;
    const int count = album.objectCount();
    if (!dragAllowed() || source == target || source < 0 || source >= count || target < 0
        || target >= count)
        return;
    // The moved row stays the current object but is not selected anew.
    album.MoveObject(source, target);
    album.setModified(true);
}

void TimelineCommands::setDuration(int index, const QString &seconds)
{
    const UndoHistory::Step step(m_ctx.state, u"Resize"_s);
    AlbumDocument &album = m_ctx.album;
    AlbumObject o = album.object(index);
    if (o.durationSeconds == seconds)
        return;
    o.durationSeconds = seconds;
    album.updateObject(index, o);
    if (index < album.outline().entryCount())
        AlbumOutline::setField(
            album.outline().entry(index), AlbumOutline::DurationField, FormatDuration(seconds));
    album.RefreshTotals();
    album.setModified(true);
}

void TimelineCommands::resizeObject(int index, int width, const TimeScale &scale)
{
    if (!dragAllowed() || index < 0 || index >= m_ctx.album.objectCount())
        return;
    setDuration(index, QString::number(scale.PixelsToSeconds(width)));
}

void TimelineCommands::PsResize(int index, int width, const TimeScale &scale)
{
    if (index >= 0 && index < m_ctx.album.objectCount())
        setDuration(index, QString::number(scale.PixelsToSeconds(width)));
}

void TimelineCommands::resizeMember(int index, int member, int width, const TimeScale &scale)
{
    const UndoHistory::Step step(m_ctx.state, u"Resize"_s);
    AlbumDocument &album = m_ctx.album;
    if (m_ctx.state.playing || index < 0 || index >= album.objectCount())
        return;
    AlbumObject o = album.object(index);
    if (member < 0 || member >= o.memberDurations.size())
        return;
    const QString seconds = QString::number(scale.PixelsToSeconds(width));
    if (o.memberDurations[member] == seconds)
        return;
    o.memberDurations[member] = seconds;
    album.updateObject(index, o);
    if (index < album.outline().entryCount()) {
        auto *members = AlbumOutline::members(album.outline().entry(index));
        if (members && size_t(member) < members->size())
            AlbumOutline::setField(
                members->at(size_t(member)), AlbumOutline::DurationField, FormatDuration(seconds));
    }
    album.setModified(true);
}

void TimelineCommands::SubTimePanelClick(int index, int member)
{
    AlbumDocument &album = m_ctx.album;
    if (index < 0 || index >= album.objectCount())
        return;
    AlbumObject o = album.object(index);
    if (member < 0 || member >= o.memberFiles.size())
        return;
    const QString &file = o.memberFiles[member];
    o.thumbnail
        = hasJpegExtension(file) ? photoThumbnail(file) : Thumbnail(StandardPictures::photo());
    o.imageCaption = fileNameOf(file);
    o.currentMember = member;
    const bool selected = album.currentObject() == index;
    album.setCurrentMemberIndex(member);
    album.updateObject(index, o);
    // A selected object shows the member at once; another one is selected,
    // which shows its current member.
    m_ctx.state.selectObject(index, selected ? 3 : 2);
}
