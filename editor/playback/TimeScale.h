#pragma once

#include <QString>
#include <QStringList>

// The timeline's time scale: one unit is always 50 pixels, and each of the
// nine scale items gives a unit its seconds.
class TimeScale
{
public:
    static constexpr int UnitPixels = 50;
    static const QStringList &itemTexts();

    // Items outside 0..8 are item 0.
    explicit TimeScale(int index = 0);

    int index() const { return m_index; }
    double secondsPerUnit() const;

    // Row and member block widths: round(t x 50 / u), at least 1.
    int SecondsToPixels(const QString &seconds) const;
    int SecondsToPixels(double seconds) const;
    // round(x / (50 / u)), halves to even.
    qint64 PixelsToSeconds(int x) const;
    // The progress marker's unrounded length of a time.
    double progressPixels(double seconds) const;
    // The progress marker's position snapped as the scale wants it.
    double snapProgress(double x) const;

private:
    int m_index;
};
