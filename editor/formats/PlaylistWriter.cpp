#include "PlaylistWriter.h"

#include "AlbumFileWriter.h"
#include "Rounding.h"

using namespace Qt::Literals::StringLiterals;

void PlaylistWriter::BeginPlaylist()
{
    m_background = TextSection({u"<BACKGROUND>"_s}, u"</BACKGROUND>"_s);
    m_foreground = TextSection({u"<FOREGROUND>"_s}, u"</FOREGROUND>"_s);
}

QString PlaylistWriter::displayTime(const QString &durationSeconds)
{
    bool ok = false;
    const double seconds = Rounding::parseDecimal(durationSeconds, &ok);
    return QString::number(Rounding::halfEven((ok ? seconds : 1.0) * 1000.0));
}

void PlaylistWriter::writePhoto(
    int tabs, const QString &file, const QString &duration, const QString &transition)
{
    m_foreground.insert(tabs, u"<STILL>"_s);
    m_foreground.insert(tabs + 1, playlistEscaped(file));
    if (!duration.isEmpty())
        m_foreground.insert(tabs + 1, u"<DURATION>"_s + displayTime(duration) + u"</DURATION>"_s);
    if (!transition.isEmpty())
        m_foreground.insert(tabs + 1,
            u"<TRANSITIONEFFECT>"_s + playlistEscaped(transition) + u"</TRANSITIONEFFECT>"_s);
    m_foreground.insert(tabs, u"</STILL>"_s);
}

void PlaylistWriter::WritePlaylistEntry(bool foreground, EntryType type, const QStringList &files,
    const QString &duration, const QString &transition)
{
    if (files.isEmpty())
        return;
    if (!foreground && type == MusicTrack) {
        m_background.insert(1, u"<AUDIO>"_s);
        m_background.insert(2, playlistEscaped(files[0]));
        m_background.insert(1, u"</AUDIO>"_s);
    } else if (foreground && type == Photo) {
        writePhoto(1, files[0], duration, transition);
    } else if (foreground && type == PhotoWithSound && files.size() > 1) {
        m_foreground.insert(1, u"<STILLWITHAUDIO>"_s);
        writePhoto(2, files[0], duration, transition);
        m_foreground.insert(2, u"<AUDIO>"_s);
        m_foreground.insert(3, playlistEscaped(files[1]));
        m_foreground.insert(2, u"</AUDIO>"_s);
        m_foreground.insert(1, u"</STILLWITHAUDIO>"_s);
    }
}

QByteArray PlaylistWriter::playlistBytes() const
{
    QStringList lines{u"<PRESENTATION>"_s};
    if (m_background.hasEntries())
        lines += m_background.lines();
    lines += m_foreground.lines();
    lines.append(u"</PRESENTATION>"_s);
    return joinLines(lines);
}

std::optional<QString> PlaylistWriter::FinishPlaylist(const QString &path) const
{
    return writeAlbumFile(path, playlistBytes());
}

void PlaylistWriter::EndPlaylist()
{
    m_background = {};
    m_foreground = {};
}
