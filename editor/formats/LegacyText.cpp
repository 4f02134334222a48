#include "LegacyText.h"

#include "FormatsLog.h"

#include <QSettings>
#include <QString>
#include <QStringDecoder>

#include <iconv.h>

using namespace Qt::Literals::StringLiterals;

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString unused = decoder(bytes);
    return !decoder.hasError();
}

QByteArray legacyCodePage()
{
    const QSettings settings(
        QSettings::IniFormat, QSettings::UserScope, u"Harlowe"_s, u"Quillwright"_s);
    return settings.value(u"LegacyCodePage"_s, u"windows-1252"_s).toString().toLatin1();
}

QByteArray decodeLegacy(const QByteArray &bytes, const QByteArray &codePage)
{
    iconv_t cd = iconv_open("UTF-8", codePage.constData());
    if (cd == iconv_t(-1)) {
        qCWarning(lcFormats) << "unknown code page" << codePage << "- reading as Latin-1";
        return QString::fromLatin1(bytes).toUtf8();
    }
    QByteArray out(bytes.size() * 4 + 16, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        // A byte the code page does not define stands for itself.
        if (outLeft < 4)
            break;
        const QByteArray replacement = QString(QChar(char16_t(uchar(*in)))).toUtf8();
        std::copy(replacement.begin(), replacement.end(), outPtr);
        outPtr += replacement.size();
        outLeft -= size_t(replacement.size());
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    out.truncate(outPtr - out.data());
    return out;
}

QByteArray albumTextAsUtf8(const QByteArray &bytes)
{
    if (isValidUtf8(bytes))
        return bytes;
    qCDebug(lcFormats) << "album text is not UTF-8; decoding it from" << legacyCodePage();
    return decodeLegacy(bytes, legacyCodePage());
}
