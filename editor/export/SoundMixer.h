#pragma once

#include "SlideshowSchedule.h"

#include <memory>
#include <vector>

class AudioReader;

// The rendered video's sound: every stretch of the schedule decoded when its
// time comes and added up, sample by sample, at full volume as the slideshow
// plays it. Only the stretches sounding now are open, so memory does not grow
// with the album.
class SoundMixer
{
public:
    explicit SoundMixer(QList<SlideshowSchedule::Stretch> stretches);
    ~SoundMixer();
    Q_DISABLE_COPY_MOVE(SoundMixer)

    // The next `frames` sample frames (interleaved stereo) into out.
    void mix(float *out, int frames);

private:
    struct Playing
    {
        std::unique_ptr<AudioReader> reader;
        qint64 startSample = 0;
        qint64 endSample = 0;
    };

    QList<SlideshowSchedule::Stretch> m_stretches;
    qsizetype m_next = 0;
    std::vector<Playing> m_playing;
    std::vector<float> m_buffer;
    qint64 m_at = 0;
};
