#include "BrowserModel.h"

#include "FileBrowserRules.h"

using namespace Qt::Literals::StringLiterals;

BrowserModel::BrowserModel(QObject *parent)
    : QFileSystemModel(parent)
{
    // A file changed on disk may have a new note.
    connect(this, &QFileSystemModel::fileRenamed, this, [this] { m_notes.clear(); });
}

int BrowserModel::columnCount(const QModelIndex &parent) const
{
    return parent.column() > 0 ? 0 : NoteColumn + 1;
}

QVariant BrowserModel::data(const QModelIndex &index, int role) const
{
    if (index.column() != NoteColumn)
        return QFileSystemModel::data(index, role);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const QString path = filePath(index);
    if (FileBrowserRules::noteSourceOf(path) == FileBrowserRules::NoteSource::None || !m_readNote
        || isDir(index))
        return QString();
    auto note = m_notes.constFind(path);
    if (note == m_notes.cend())
        note = m_notes.insert(path, m_readNote(path));
    // The list shows the note on one line; the tip shows it whole.
    return role == Qt::ToolTipRole ? *note : QString(*note).replace(u"\r\n"_s, u"  "_s);
}

QVariant BrowserModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QFileSystemModel::headerData(section, orientation, role);
    static const QString names[] = {u"Name"_s, u"Size"_s, u"Type"_s, u"Date"_s, u"Note"_s};
    return section >= 0 && section <= NoteColumn ? names[section] : QVariant();
}
