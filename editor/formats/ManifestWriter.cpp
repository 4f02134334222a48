#include "ManifestWriter.h"

#include "AlbumFileWriter.h"
#include "MpvNamespaces.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString quoted(const char *uri)
{
    return u'"' + QString::fromLatin1(uri) + u'"';
}

QString startLine(const QString &element, const QString &id)
{
    return u'<' + element + u" mpv:id=\"" + id + u"\">";
}

QString refLine(const QString &element, const QString &id)
{
    return u'<' + element + u" mpv:idRef=\"" + id + u"\"/>";
}

QString textLine(const QString &element, const QString &value)
{
    return u'<' + element + u'>' + xmlEscaped(value) + u"</" + element + u'>';
}

QString endLine(const QString &element)
{
    return u"</" + element + u'>';
}

QString manifestPath(const QString &file)
{
    return QString(file).replace(u'\\', u'/');
}

struct KindElements
{
    QString asset;
    QString reference;
};

KindElements elementsOf(int kind)
{
    switch (kind) {
    case 1:
        return {u"mpv:Still"_s, u"mpv:StillRef"_s};
    case 2:
        return {u"mpv:StillWithAudio"_s, u"mpv:StillWithAudioRef"_s};
    case 3:
        return {u"mpv:StillMultiShotSequence"_s, u"mpv:StillMultiShotSequenceRef"_s};
    case 4:
        return {u"mpv:StillPanoramaSequence"_s, u"mpv:StillPanoramaSequenceRef"_s};
    case 5:
        return {u"mpv:AudioWithStill"_s, u"mpv:AudioWithStillRef"_s};
    case 6:
        return {u"mpv:Audio"_s, u"mpv:AudioRef"_s};
    case 7:
        return {u"mpv:Video"_s, u"mpv:VideoRef"_s};
    default:
        return {u"mpv:ManifestLink"_s, u"mpv:ManifestLinkIDRef"_s};
    }
}

} // namespace

QString ManifestWriter::identifier(qint64 number)
{
    return u"ID00"_s + QString::asprintf("%10.10lld", static_cast<long long>(number));
}

void ManifestWriter::BeginManifest()
{
    using namespace MpvNamespaces;
    m_header = TextSection(
        {u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s,
            u"<file:Manifest xmlns:file="_s + quoted(Manifest), u"\txmlns:mpv="_s + quoted(Core),
            u"\txmlns:mpvp="_s + quoted(Presentation), u"\txmlns:mpvm="_s + quoted(Music),
            u"\txmlns:dc="_s + quoted(DublinCore), u"\txmlns:nmf="_s + quoted(Nmf),
            u"\txmlns:mpvpCtrl="_s + quoted(Control),
            u"\txmlns:mpvpTrans="_s + quoted(TransitionFilter),
            u"\txmlns:dcterms="_s + quoted(DcTerms), u"\txmlns:wbis="_s + quoted(Wbis) + u'>',
            u"\t<nmf:Metadata>"_s, u"\t\t<ManifestProperties xmlns="_s + quoted(Manifest) + u'>',
            u"\t\t\t<ProfileBag>"_s,
            u"\t\t\t\t<Profile>"_s + QString::fromLatin1(BasicProfile) + u"</Profile>"_s,
            u"\t\t\t\t<Profile>"_s + QString::fromLatin1(PresentationProfile) + u"</Profile>"_s,
            u"\t\t\t\t<Profile>"_s + QString::fromLatin1(MusicProfile) + u"</Profile>"_s,
            u"\t\t\t</ProfileBag>"_s, u"\t\t</ManifestProperties>"_s, u"\t</nmf:Metadata>"_s},
        u"</file:Manifest>"_s);
    m_album = TextSection({u"\t<mpvp:Album mpv:id=\"ALB001\">"_s}, u"\t</mpvp:Album>"_s);
    m_metadata = TextSection({u"\t\t<nmf:Metadata>"_s}, u"\t\t</nmf:Metadata>"_s);
    m_background = TextSection({u"\t\t<mpvp:Background>"_s}, u"\t\t</mpvp:Background>"_s);
    m_foreground = TextSection({u"\t\t<mpvp:Foreground>"_s}, u"\t\t</mpvp:Foreground>"_s);
    m_assets = TextSection({u"\t<mpv:AssetList>"_s}, u"\t</mpv:AssetList>"_s);
    m_number = 0;
}

void ManifestWriter::WriteAlbumProperties(const QString &creator, const QString &description,
    const QString &title, const QString &rights, const QString &transition)
{
    m_metadata.insert(3, u"<dc:Properties>"_s);
    const std::pair<const char16_t *, const QString *> properties[] = {
        {u"dc:description", &description},
        {u"dc:creator", &creator},
        {u"dc:title", &title},
        {u"dc:rights", &rights},
    };
    for (const auto &[element, value] : properties) {
        if (!value->isEmpty())
            m_metadata.insert(4, textLine(QString::fromUtf16(element), *value));
    }
    m_metadata.insert(3, u"</dc:Properties>"_s);
    m_metadata.insert(3, u"<mpvpCtrl:ControlProperties>"_s);
    m_metadata.insert(4, u"<mpvpTrans:TransitionFilter>"_s);
    m_metadata.insert(5, textLine(u"mpvpTrans:Type"_s, transition));
    m_metadata.insert(4, u"</mpvpTrans:TransitionFilter>"_s);
    m_metadata.insert(3, u"</mpvpCtrl:ControlProperties>"_s);
}

void ManifestWriter::writeAsset(const QString &element, qint64 number, const QString &file)
{
    m_assets.insert(2, startLine(element, identifier(number)));
    m_assets.insert(3, textLine(u"mpv:LastURL"_s, manifestPath(file)));
    m_assets.insert(2, endLine(element));
}

void ManifestWriter::writeSimple(bool background, int kind, const QString &file)
{
    const KindElements e = elementsOf(kind);
    TextSection &section = background && (kind == 1 || kind == 6) ? m_background : m_foreground;
    section.insert(3, refLine(e.reference, identifier(m_number)));
    writeAsset(e.asset, m_number, file);
}

void ManifestWriter::writeStillWithAudio(const QStringList &files, const QString &value)
{
    const qint64 b = m_number;
    m_foreground.insert(2, refLine(u"mpv:StillWithAudioRef"_s, identifier(b)));
    m_assets.insert(2, startLine(u"mpv:StillWithAudio"_s, identifier(b)));
    m_assets.insert(3, refLine(u"mpv:StillRef"_s, identifier(b + 1)));
    for (qsizetype k = 1; k < files.size(); ++k)
        m_assets.insert(3, refLine(u"mpv:AudioRef"_s, identifier(b + 1 + k)));
    m_assets.insert(3, textLine(u"mpv:CaptureDur"_s, value));
    m_assets.insert(2, endLine(u"mpv:StillWithAudio"_s));
    writeAsset(u"mpv:Still"_s, b + 1, files[0]);
    for (qsizetype k = 1; k < files.size(); ++k)
        writeAsset(u"mpv:Audio"_s, b + 1 + k, files[k]);
}

void ManifestWriter::writeSequence(int kind, const QStringList &files, const QString &value)
{
    const qint64 b = m_number;
    const KindElements e = elementsOf(kind);
    m_foreground.insert(3, refLine(e.reference, identifier(b)));
    m_assets.insert(2, startLine(e.asset, identifier(b)));
    for (qsizetype k = 0; k < files.size(); ++k)
        m_assets.insert(2, refLine(u"mpv:StillRef"_s, identifier(b + 1 + k)));
    if (kind == 3)
        m_assets.insert(3, textLine(u"mpv:CaptureRate"_s, u"FrameToFrame:"_s + value));
    m_assets.insert(2, endLine(e.asset));
    for (qsizetype k = 0; k < files.size(); ++k)
        writeAsset(u"mpv:Still"_s, b + 1 + k, files[k]);
}

void ManifestWriter::writeAudioWithStill(const QStringList &files, const QString &value)
{
    const qint64 b = m_number;
    m_foreground.insert(3, refLine(u"mpv:AudioWithStillRef"_s, identifier(b)));
    m_assets.insert(2, startLine(u"mpv:AudioWithStill"_s, identifier(b)));
    m_assets.insert(2, refLine(u"mpv:AudioRef"_s, identifier(b + 1)));
    for (qsizetype k = 1; k < files.size(); ++k)
        m_assets.insert(2, refLine(u"mpv:StillRef"_s, identifier(b + 2 * k)));
    m_assets.insert(3, textLine(u"mpv:DisplayRate"_s, u"FrameToFrame:"_s + value));
    m_assets.insert(2, endLine(u"mpv:AudioWithStill"_s));
    writeAsset(u"mpv:Audio"_s, b + 1, files[0]);
    for (qsizetype k = 1; k < files.size(); ++k)
        writeAsset(u"mpv:Still"_s, b + 2 * k, files[k]);
}

void ManifestWriter::WriteObject(
    bool background, int kind, const QStringList &files, const QString &value)
{
    m_number += 1000;
    if (files.isEmpty())
        return;
    switch (kind) {
    case 2:
        writeStillWithAudio(files, value);
        break;
    case 3:
    case 4:
        writeSequence(kind, files, value);
        break;
    case 5:
        writeAudioWithStill(files, value);
        break;
    default:
        writeSimple(background, kind, files[0]);
    }
}

QByteArray ManifestWriter::manifestBytes() const
{
    QStringList lines = m_header.lines();
    const QString closing = lines.takeLast();
    lines.append(m_album.lines().first());
    lines += m_metadata.lines();
    lines += m_background.lines();
    lines += m_foreground.lines();
    lines.append(m_album.lines().last());
    lines += m_assets.lines();
    lines.append(closing);
    return joinLines(lines);
}

std::optional<QString> ManifestWriter::FinishManifest(const QString &path) const
{
    return writeAlbumFile(path, manifestBytes());
}
