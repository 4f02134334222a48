#include "ManifestWriter.h"

#include "MpvNamespaces.h"
#include "WholeFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString quoted(const char *uri)
{
    return u'"' + QString::fromLatin1(uri) + u'"';
}

// "ID00" followed by the number padded to ten digits, without allocating.
class Identifier
{
public:
    explicit Identifier(qint64 number)
    {
        char16_t digits[24];
        qsizetype count = 0;
        auto rest = static_cast<unsigned long long>(std::max<qint64>(number, 0));
        do {
            digits[count++] = char16_t(u'0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        while (count < 10)
            digits[count++] = u'0';
        for (const char16_t c : {u'I', u'D', u'0', u'0'})
            m_text[m_length++] = c;
        while (count > 0)
            m_text[m_length++] = digits[--count];
    }
    QStringView view() const { return QStringView(m_text, m_length); }

private:
    char16_t m_text[32];
    qsizetype m_length = 0;
};

void startLine(TextSection &s, int tabs, QStringView element, qint64 number)
{
    s.insert(tabs, {u"<", element, u" mpv:id=\"", Identifier(number).view(), u"\">"});
}

void refLine(TextSection &s, int tabs, QStringView element, qint64 number)
{
    s.insert(tabs, {u"<", element, u" mpv:idRef=\"", Identifier(number).view(), u"\"/>"});
}

void textLine(TextSection &s, int tabs, QStringView element, const QString &value)
{
    s.insert(tabs, {u"<", element, u">", xmlEscaped(value), u"</", element, u">"});
}

void endLine(TextSection &s, int tabs, QStringView element)
{
    s.insert(tabs, {u"</", element, u">"});
}

// Paths in the manifest use "/". A native absolute path keeps its
// backslashes: here they are characters of a name, not separators.
QString manifestPath(const QString &file)
{
    if (file.startsWith(u'/') || !file.contains(u'\\'))
        return file;
    return QString(file).replace(u'\\', u'/');
}

struct KindElements
{
    QStringView asset;
    QStringView reference;
};

KindElements elementsOf(int kind)
{
    switch (kind) {
    case 1:
        return {u"mpv:Still", u"mpv:StillRef"};
    case 2:
        return {u"mpv:StillWithAudio", u"mpv:StillWithAudioRef"};
    case 3:
        return {u"mpv:StillMultiShotSequence", u"mpv:StillMultiShotSequenceRef"};
    case 4:
        return {u"mpv:StillPanoramaSequence", u"mpv:StillPanoramaSequenceRef"};
    case 5:
        return {u"mpv:AudioWithStill", u"mpv:AudioWithStillRef"};
    case 6:
        return {u"mpv:Audio", u"mpv:AudioRef"};
    case 7:
        return {u"mpv:Video", u"mpv:VideoRef"};
    default:
        return {u"mpv:ManifestLink", u"mpv:ManifestLinkIDRef"};
    }
}

} // namespace

QString ManifestWriter::identifier(qint64 number)
{
    return Identifier(number).view().toString();
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

void ManifestWriter::reserve(qsizetype objects)
{
    // About what a photo takes: one reference line and three asset lines.
    m_foreground.reserve(objects * 56);
    m_assets.reserve(objects * 160);
}

void ManifestWriter::WriteAlbumProperties(const QString &creator, const QString &description,
    const QString &title, const QString &rights, const QString &transition)
{
    m_metadata.insert(3, u"<dc:Properties>");
    const std::pair<const char16_t *, const QString *> properties[] = {
        {u"dc:description", &description},
        {u"dc:creator", &creator},
        {u"dc:title", &title},
        {u"dc:rights", &rights},
    };
    for (const auto &[element, value] : properties) {
        if (!value->isEmpty())
            textLine(m_metadata, 4, element, *value);
    }
    m_metadata.insert(3, u"</dc:Properties>");
    m_metadata.insert(3, u"<mpvpCtrl:ControlProperties>");
    m_metadata.insert(4, u"<mpvpTrans:TransitionFilter>");
    textLine(m_metadata, 5, u"mpvpTrans:Type", transition);
    m_metadata.insert(4, u"</mpvpTrans:TransitionFilter>");
    m_metadata.insert(3, u"</mpvpCtrl:ControlProperties>");
}

void ManifestWriter::writeAsset(QStringView element, qint64 number, const QString &file)
{
    startLine(m_assets, 2, element, number);
    textLine(m_assets, 3, u"mpv:LastURL", manifestPath(file));
    endLine(m_assets, 2, element);
}

void ManifestWriter::writeSimple(bool background, int kind, const QString &file)
{
    const KindElements e = elementsOf(kind);
    TextSection &section = background && (kind == 1 || kind == 6) ? m_background : m_foreground;
    refLine(section, 3, e.reference, m_number);
    writeAsset(e.asset, m_number, file);
}

void ManifestWriter::writeStillWithAudio(const QStringList &files, const QString &value)
{
    const qint64 b = m_number;
    refLine(m_foreground, 2, u"mpv:StillWithAudioRef", b);
    startLine(m_assets, 2, u"mpv:StillWithAudio", b);
    refLine(m_assets, 3, u"mpv:StillRef", b + 1);
    for (qsizetype k = 1; k < files.size(); ++k)
        refLine(m_assets, 3, u"mpv:AudioRef", b + 1 + k);
    textLine(m_assets, 3, u"mpv:CaptureDur", value);
    endLine(m_assets, 2, u"mpv:StillWithAudio");
    writeAsset(u"mpv:Still", b + 1, files[0]);
    for (qsizetype k = 1; k < files.size(); ++k)
        writeAsset(u"mpv:Audio", b + 1 + k, files[k]);
}

void ManifestWriter::writeSequence(int kind, const QStringList &files, const QString &value)
{
    const qint64 b = m_number;
    const KindElements e = elementsOf(kind);
    refLine(m_foreground, 3, e.reference, b);
    startLine(m_assets, 2, e.asset, b);
    for (qsizetype k = 0; k < files.size(); ++k)
        refLine(m_assets, 2, u"mpv:StillRef", b + 1 + k);
    if (kind == 3)
        textLine(m_assets, 3, u"mpv:CaptureRate", u"FrameToFrame:"_s + value);
    endLine(m_assets, 2, e.asset);
    for (qsizetype k = 0; k < files.size(); ++k)
        writeAsset(u"mpv:Still", b + 1 + k, files[k]);
}

void ManifestWriter::writeAudioWithStill(const QStringList &files, const QString &value)
{
    const qint64 b = m_number;
    refLine(m_foreground, 3, u"mpv:AudioWithStillRef", b);
    startLine(m_assets, 2, u"mpv:AudioWithStill", b);
    refLine(m_assets, 2, u"mpv:AudioRef", b + 1);
    for (qsizetype k = 1; k < files.size(); ++k)
        refLine(m_assets, 2, u"mpv:StillRef", b + 2 * k);
    textLine(m_assets, 3, u"mpv:DisplayRate", u"FrameToFrame:"_s + value);
    endLine(m_assets, 2, u"mpv:AudioWithStill");
    writeAsset(u"mpv:Audio", b + 1, files[0]);
    for (qsizetype k = 1; k < files.size(); ++k)
        writeAsset(u"mpv:Still", b + 2 * k, files[k]);
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
    // The other sections stand inside the header, before its closing line.
    QString text = m_header.opening() + m_header.body() + m_album.opening();
    m_metadata.appendTo(text);
    m_background.appendTo(text);
    m_foreground.appendTo(text);
    text += m_album.closing();
    m_assets.appendTo(text);
    text += m_header.closing();
    return text.toUtf8();
}

std::optional<QString> ManifestWriter::FinishManifest(const QString &path) const
{
    return writeWholeFile(path, manifestBytes());
}
