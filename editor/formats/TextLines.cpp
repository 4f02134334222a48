#include "TextLines.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

TextSection::TextSection(const QStringList &opening, const QString &closing)
    : m_closing(closing + u"\r\n")
{
    for (const QString &line : opening)
        m_opening += line + u"\r\n";
}

void TextSection::insert(int tabs, std::initializer_list<QStringView> parts)
{
    for (int i = 0; i < tabs; ++i)
        m_body += u'\t';
    for (const QStringView part : parts)
        m_body += part;
    m_body += u"\r\n";
}

void TextSection::appendTo(QString &out) const
{
    out += m_opening;
    out += m_body;
    out += m_closing;
}

QString xmlEscaped(const QString &text)
{
    if (!text.contains(u'&') && !text.contains(u'<') && !text.contains(u'>')
        && !text.contains(u'"'))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString playlistEscaped(const QString &text)
{
    if (!text.contains(u'&') && !text.contains(u'<'))
        return text;
    static const QRegularExpression entity(u"&(lt|gt|amp|quot|apos|#[0-9]+|#x[0-9a-fA-F]+);"_s);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'<')
            out += u"&lt;";
        else if (c == u'&'
            && entity
                   .match(text, i, QRegularExpression::NormalMatch,
                       QRegularExpression::AnchorAtOffsetMatchOption)
                   .hasMatch())
            out += u"&amp;";
        else
            out += c;
    }
    return out;
}
