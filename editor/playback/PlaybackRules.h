#pragma once

// Where the window's preview and the full-screen slideshow differ.
struct PlaybackRules
{
    // Member photos for whole seconds (slideshow) or to the millisecond.
    bool wholeSecondMembers = false;
    // A still's sound fades out in five steps (preview) or stops at once.
    bool fadeOut = true;
    // Playing off the end stops (preview) or keeps the last picture.
    bool stopAfterLast = true;
    // Background music read "DEVICE" is skipped after a second (preview)
    // or tried like any other file (slideshow).
    bool skipDeviceMusic = true;
    // Every graph at full volume whatever the slider says.
    bool fullVolume = false;

    static PlaybackRules preview() { return {}; }
    static PlaybackRules slideshow() { return {true, false, false, false, true}; }
};
