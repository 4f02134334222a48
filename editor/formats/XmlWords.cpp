#include "XmlWords.h"

#include "LegacyText.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

namespace XmlWords {

namespace {
char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

size_t findWord(std::string_view text, std::string_view word)
{
    const auto it = std::search(text.begin(), text.end(), word.begin(), word.end(),
        [](char a, char b) { return upper(a) == upper(b); });
    return it == text.end() && !word.empty() ? std::string_view::npos : size_t(it - text.begin());
}
} // namespace

bool hasWord(std::string_view text, std::string_view word)
{
    return findWord(text, word) != std::string_view::npos;
}

bool nameHas(const pugi::xml_node &node, std::string_view word)
{
    return hasWord(node.name(), word);
}

pugi::xml_node firstChildWithWord(const pugi::xml_node &node, std::string_view word)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && nameHas(child, word))
            return child;
    }
    return {};
}

bool attributesHave(const pugi::xml_node &node, std::string_view word)
{
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (hasWord(std::string(a.name()) + '=' + a.value(), word))
            return true;
    }
    return false;
}

std::string firstAttributeLine(const pugi::xml_node &node)
{
    const pugi::xml_attribute a = node.first_attribute();
    return a ? std::string(a.name()) + '=' + a.value() : std::string();
}

QString firstAttributeValue(const pugi::xml_node &node)
{
    return QString::fromUtf8(node.first_attribute().value());
}

std::string_view textAfter(std::string_view text, std::string_view word)
{
    const size_t at = findWord(text, word);
    return at == std::string_view::npos ? std::string_view() : text.substr(at + word.size());
}

QString text(const pugi::xml_node &node)
{
    return QString::fromUtf8(node.child_value()).trimmed();
}

QString untabbedText(const pugi::xml_node &node)
{
    const QString all = QString::fromUtf8(node.child_value());
    const auto layout = [](QChar c) { return c == u'\r' || c == u'\n' || c == u'\t'; };
    qsizetype begin = 0;
    qsizetype end = all.size();
    while (begin < end && layout(all[begin]))
        ++begin;
    while (end > begin && layout(all[end - 1]))
        --end;
    return all.sliced(begin, end - begin);
}

QString ownText(const pugi::xml_node &node)
{
    QString out;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += QString::fromUtf8(child.value());
    }
    return out.trimmed();
}

namespace {

// No path or value of an album comes near this; a file that holds such a
// text is not one, and would take gigabytes to read.
constexpr qsizetype MaximumText = 64 * 1024;

// Where a text between tags longer than the limit starts, or -1.
qsizetype longTextAt(const QByteArray &bytes)
{
    qsizetype start = 0;
    bool inTag = false;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const char c = i < bytes.size() ? bytes[i] : '<';
        if (c == '<' && !inTag) {
            if (i - start > MaximumText)
                return start;
            inTag = true;
        } else if (c == '>' && inTag) {
            inTag = false;
            start = i + 1;
        }
    }
    return -1;
}

} // namespace

std::optional<QString> load(const QString &path, pugi::xml_document &document)
{
    QFile file(path);
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return QStringLiteral("not a regular file");
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.readAll();
    if (const qsizetype at = longTextAt(bytes); at >= 0)
        return QStringLiteral("a text of more than %1 KB at byte %2")
            .arg(MaximumText / 1024)
            .arg(at);
    const QByteArray utf8 = albumTextAsUtf8(bytes);
    const pugi::xml_parse_result parsed = document.load_buffer(
        utf8.constData(), size_t(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return QString::fromUtf8(parsed.description()) + QStringLiteral(" at byte ")
            + QString::number(parsed.offset);
    if (!document.document_element())
        return QStringLiteral("no document element");
    return std::nullopt;
}

} // namespace XmlWords
