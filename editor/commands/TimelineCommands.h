#pragma once

#include "CommandContext.h"

class TimeScale;

// What the thumbnail strip and the timeline do to the album when a drag or a
// click ends: reorder objects, change durations, select a member photo.
// Drags are refused while playing or while an album is being opened.
class TimelineCommands
{
public:
    explicit TimelineCommands(CommandContext context);

    // A thumbnail dropped on grid index target.
    void PanelMoveControl1Moved(int source, int target);
    // A timeline row dropped where it sorts to position target.
    void SizeControl1Moved(int source, int target);
    // A track block released at a new width.
    void resizeObject(int index, int width, const TimeScale &scale);
    // A member block released at a new width.
    void resizeMember(int index, int member, int width, const TimeScale &scale);
    // The width-to-duration mode: a row that changed size takes the
    // duration of its width.
    void PsResize(int index, int width, const TimeScale &scale);
    void SubTimePanelClick(int index, int member);

    bool dragAllowed() const;

private:
    void setDuration(int index, const QString &seconds);

    CommandContext m_ctx;
};
