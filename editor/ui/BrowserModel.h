#pragma once

#include <QFileSystemModel>

#include <functional>

// The file list's model: the file system with the columns "Name", "Size",
// "Type", "Date" and a "Note" read from the file itself (a JPEG comment,
// MP3 tags). Notes are read when first shown and kept.
class BrowserModel final : public QFileSystemModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserModel)

public:
    static constexpr int NoteColumn = 4;
    using NoteReader = std::function<QString(const QString &path)>;

    explicit BrowserModel(QObject *parent = nullptr);
    void setNoteReader(NoteReader reader) { m_readNote = std::move(reader); }

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    NoteReader m_readNote;
    mutable QHash<QString, QString> m_notes;
};
