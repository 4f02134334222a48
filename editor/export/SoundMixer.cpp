#include "SoundMixer.h"

#include "AudioReader.h"

#include <algorithm>

namespace {

qint64 sampleAt(qint64 ms)
{
    return ms * AudioReader::Rate / 1000;
}

} // namespace

SoundMixer::SoundMixer(QList<SlideshowSchedule::Stretch> stretches)
    : m_stretches(std::move(stretches))
{
    std::stable_sort(m_stretches.begin(), m_stretches.end(),
        [](const auto &a, const auto &b) { return a.startMs < b.startMs; });
}

SoundMixer::~SoundMixer() = default;

void SoundMixer::mix(float *out, int frames)
{
    constexpr int Channels = AudioReader::Channels;
    std::fill(out, out + size_t(frames) * Channels, 0.0f);
    const qint64 blockEnd = m_at + frames;
    while (m_next < m_stretches.size() && sampleAt(m_stretches[m_next].startMs) < blockEnd) {
        const auto &s = m_stretches[m_next++];
        auto reader = std::make_unique<AudioReader>(s.file, s.offsetMs);
        if (reader->isOpen())
            m_playing.push_back({std::move(reader), sampleAt(s.startMs), sampleAt(s.endMs)});
    }
    for (Playing &p : m_playing) {
        const qint64 from = std::max(m_at, p.startSample);
        const qint64 to = std::min(blockEnd, p.endSample);
        if (to <= from)
            continue;
        m_buffer.resize(size_t(to - from) * Channels);
        const int read = p.reader->read(m_buffer.data(), int(to - from));
        float *at = out + size_t(from - m_at) * Channels;
        for (size_t i = 0; i < size_t(read) * Channels; ++i)
            at[i] += m_buffer[i];
        // A file shorter than its stretch has ended early.
        if (read < to - from)
            p.endSample = 0;
    }
    std::erase_if(m_playing, [blockEnd](const Playing &p) { return p.endSample <= blockEnd; });
    for (size_t i = 0; i < size_t(frames) * Channels; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    m_at = blockEnd;
}
