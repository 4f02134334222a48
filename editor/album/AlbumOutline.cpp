#include "AlbumOutline.h"

#include <QStringList>

OutlineNode &OutlineNode::add(const QString &childText)
{
    children.push_back(OutlineNode{childText, {}});
    return children.back();
}

AppendClass AppendClassOf(const QString &kindLabel)
{
    const auto has = [&](const char16_t *word) {
        return kindLabel.contains(QString::fromUtf16(word), Qt::CaseInsensitive);
    };
    if (has(u"Movie") || (has(u"Image") && has(u"Audio")))
        return AppendClass::Full;
    if (has(u"Image"))
        return AppendClass::Photo;
    if (has(u"Audio"))
        return AppendClass::Music;
    if (has(u"Panorama"))
        return AppendClass::Sequence;
    return AppendClass::Full;
}

QString fromFirstColon(const QString &text)
{
    const qsizetype colon = text.indexOf(u':');
    return colon < 0 ? text : text.mid(colon);
}

QString AlbumOutline::field(const OutlineNode &entry, int field)
{
    return size_t(field) < entry.children.size() ? entry.children[size_t(field)].text : QString();
}

void AlbumOutline::setField(OutlineNode &entry, int field, const QString &text)
{
    while (entry.children.size() <= size_t(field))
        entry.add(QString());
    entry.children[size_t(field)].text = text;
}

std::vector<OutlineNode> *AlbumOutline::members(OutlineNode &entry)
{
    return entry.children.size() > size_t(PathField) ? &entry.children[PathField].children
                                                     : nullptr;
}

void AlbumOutline::removeEntry(int index)
{
    auto &entries = m_root->children;
    entries.erase(entries.begin() + index);
}

void AlbumOutline::moveEntry(int from, int to)
{
    auto &entries = m_root->children;
    OutlineNode moved = std::move(entries[size_t(from)]);
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(moved));
}

void AlbumOutline::renumber()
{
    for (int i = 0; i < entryCount(); ++i) {
        OutlineNode &e = entry(i);
        const QString number = QString::number(i + 1);
        e.text = number + fromFirstColon(e.text);
        if (!e.children.empty())
            e.children.front().text = number;
    }
}

namespace {
void dumpNode(const OutlineNode &node, int level, QString &out)
{
    out += QString(level, u'\t') + node.text + u"\r\n";
    for (const OutlineNode &child : node.children)
        dumpNode(child, level + 1, out);
}
} // namespace

QString AlbumOutline::dump() const
{
    QString out;
    if (m_root)
        dumpNode(*m_root, 0, out);
    return out;
}
