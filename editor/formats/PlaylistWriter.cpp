#include "PlaylistWriter.h"

#include "Duration.h"
#include "Rounding.h"
#include "WholeFile.h"

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
    return QString::number(Rounding::halfEven((ok ? clampedSeconds(seconds) : 1.0) * 1000.0));
}

void PlaylistWriter::writePhoto(
    int tabs, const QString &file, const QString &duration, const QString &transition)
{
    m_foreground.insert(tabs, u"<STILL>");
    m_foreground.insert(tabs + 1, playlistEscaped(file));
    if (!duration.isEmpty())
        m_foreground.insert(tabs + 1, {u"<DURATION>", displayTime(duration), u"</DURATION>"});
    if (!transition.isEmpty())
        m_foreground.insert(
            tabs + 1, {u"<TRANSITIONEFFECT>", playlistEscaped(transition), u"</TRANSITIONEFFECT>"});
    m_foreground.insert(tabs, u"</STILL>");
}

void PlaylistWriter::WritePlaylistEntry(bool foreground, EntryType type, const QStringList &files,
    const QString &duration, const QString &transition)
{
    if (files.isEmpty())
        return;
    if (!foreground && type == MusicTrack) {
        m_background.insert(1, u"<AUDIO>");
        m_background.insert(2, playlistEscaped(files[0]));
        m_background.insert(1, u"</AUDIO>");
    } else if (foreground && type == Photo) {
        writePhoto(1, files[0], duration, transition);
    } else if (foreground && type == PhotoWithSound && files.size() > 1) {
        m_foreground.insert(1, u"<STILLWITHAUDIO>");
        writePhoto(2, files[0], duration, transition);
        m_foreground.insert(2, u"<AUDIO>");
        m_foreground.insert(3, playlistEscaped(files[1]));
        m_foreground.insert(2, u"</AUDIO>");
        m_foreground.insert(1, u"</STILLWITHAUDIO>");
    }
}

QByteArray PlaylistWriter::playlistBytes() const
{
    QString text = u"<PRESENTATION>\r\n"_s;
    if (m_background.hasEntries())
        m_background.appendTo(text);
    m_foreground.appendTo(text);
    text += u"</PRESENTATION>\r\n";
    return text.toUtf8();
}

std::optional<QString> PlaylistWriter::FinishPlaylist(const QString &path) const
{
    return writeWholeFile(path, playlistBytes());
}

void PlaylistWriter::EndPlaylist()
{
    m_background = {};
    m_foreground = {};
}
