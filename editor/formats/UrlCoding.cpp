#include "UrlCoding.h"

#include "LegacyText.h"

namespace {

bool keptAsIs(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || (c != 0 && QByteArrayView("!$'()*-.@_").contains(char(c)));
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QString UrlEncode(const QString &text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto c = uchar(ch);
        if (keptAsIs(c)) {
            out += ch;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0xF];
        }
    }
    return QString::fromLatin1(out);
}

std::optional<QString> UrlDecode(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '+') {
            out += ' ';
        } else if (c != '%') {
            out += c;
        } else if (i + 1 < bytes.size() && bytes[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            if (i + 2 >= bytes.size())
                return std::nullopt;
            const int high = hexValue(bytes[i + 1]);
            const int low = hexValue(bytes[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out += char(high * 16 + low);
            i += 2;
        }
    }
    // Manifests from other systems escape the bytes of their code page
    // ("caf%E9.jpg"); UTF-8 is tried first.
    return QString::fromUtf8(albumTextAsUtf8(out));
}
