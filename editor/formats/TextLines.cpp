#include "TextLines.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

TextSection::TextSection(QStringList opening, QString closing)
    : m_lines(std::move(opening))
{
    m_lines.append(std::move(closing));
    m_fixedLines = m_lines.size();
}

void TextSection::insert(int tabs, const QString &text)
{
    m_lines.insert(m_lines.size() - 1, QString(tabs, u'\t') + text);
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

QByteArray joinLines(const QStringList &lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text.toUtf8();
}
