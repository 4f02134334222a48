#pragma once

#include "AlbumObject.h"
#include "AlbumOutline.h"
#include "AlbumType.h"
#include "PreparedMedia.h"

#include <optional>
#include <vector>

#include <QObject>

class UserPrompts;

// Album-level properties, edited as a whole through setProperties().
struct AlbumProperties
{
    QString title;
    QString creator;
    QString description;
    QString backgroundImage;
    std::vector<BackgroundMusicEntry> backgroundMusic;
    int backgroundMusicSeconds = 0;
    QString albumTransition = QStringLiteral("ALPHABLEND");
    int defaultStillSeconds = 5;
    int defaultFrameSeconds = 2;

    friend bool operator==(const AlbumProperties &, const AlbumProperties &) = default;
};

// The one album the editor holds: the object records and the outline, which
// always list the objects in the same order, and the album's properties and
// state. Views observe it through its signals; they hold no album data.
class AlbumDocument final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlbumDocument)

public:
    explicit AlbumDocument(UserPrompts &prompts, QObject *parent = nullptr);

    // Where a file goes: a new object, or a member or append target.
    static constexpr int RootTarget = -1;

    // --- properties and state
    AlbumType albumType() const { return m_albumType; }
    bool pplMode() const { return m_albumType == AlbumType::Ppl; }
    void setAlbumType(AlbumType type);

    const QString &filePath() const { return m_filePath; }
    const QString &fileName() const { return m_fileName; }
    // Sets filePath and, from its last component, fileName.
    void setFilePath(const QString &path);
    // No file yet: an empty path and the name "NoName".
    void setUntitled();
    const QString &albumFolder() const { return m_albumFolder; }
    void setAlbumFolder(const QString &folder) { m_albumFolder = folder; }

    const AlbumProperties &properties() const { return m_properties; }
    void setProperties(const AlbumProperties &properties);

    bool modified() const { return m_modified; }
    void setModified(bool modified);
    bool openedFromPlayer() const { return m_openedFromPlayer; }
    void setOpenedFromPlayer(bool fromPlayer) { m_openedFromPlayer = fromPlayer; }
    // The media an opened album file names that could not be found. Until
    // the album is cleared or saved whole again, writing it back to its file
    // would drop them.
    const QStringList &missingFiles() const { return m_missingFiles; }
    void setMissingFiles(const QStringList &files) { m_missingFiles = files; }
    bool opening() const { return m_opening; }
    void setOpening(bool opening) { m_opening = opening; }
    int currentObject() const { return m_currentObject; }
    void setCurrentObject(int index);
    int currentMemberIndex() const { return m_currentMemberIndex; }
    void setCurrentMemberIndex(int index) { m_currentMemberIndex = index; }
    qint64 accumulatedSizeKB() const { return m_accumulatedSizeKB; }
    // The sum only grows: nothing that removes objects gives any back.
    void addAccumulatedSize(qint64 kilobytes) { m_accumulatedSizeKB += kilobytes; }

    // Status panels 1 and 2, kept by RefreshTotals().
    const QString &totalTimeText() const { return m_totalTimeText; }
    const QString &totalBackgroundMusicText() const { return m_totalBackgroundMusicText; }

    // --- objects and outline
    int objectCount() const { return int(m_objects.size()); }
    const AlbumObject &object(int index) const { return m_objects.at(size_t(index)); }
    // Replaces a record; its duration caption follows its duration.
    void updateObject(int index, const AlbumObject &object);
    void setThumbnail(int index, const Thumbnail &thumbnail);
    // Appends a record built elsewhere (the readers) with its outline entry.
    void appendObject(const AlbumObject &object, OutlineNode entry);
    AlbumOutline &outline() { return m_outline; }
    const AlbumOutline &outline() const { return m_outline; }

    // --- model operations
    // target: RootTarget for a new object; otherwise an object index whose
    // field node 4 receives a member (appendMode false) or whose object the
    // file is appended to (appendMode true).
    void AddMediaFile(const QString &path, bool appendMode, int target);
    // Probes and thumbnails worked out ahead (null: each file is probed when
    // added); the caller keeps them alive while files are added.
    void setPrepared(const PreparedMedia *prepared) { m_prepared = prepared; }
    void CheckLastObject();
    void DropLastObject();
    void RemoveObjectAt(int index);
    void MoveObject(int from, int to);
    void RenumberObjects();
    // Rebuilds the object's member entries from its member lists: field node
    // 4 again holds the main file, with one entry per member below it.
    void RebuildImageBlocks(int index);
    void ClearAlbum(const QString &rootText);
    void RefreshTotals();
    // Empties the status texts until the next RefreshTotals().
    void clearTotals();
    QString outlineDumpText() const { return m_outline.dump(); }

    // --- putting back recorded states (undo and redo): the record and its
    // outline entry go in exactly as given, nothing is renumbered.
    void insertObjectAt(int index, const AlbumObject &object, const OutlineNode &entry);
    void takeObjectAt(int index);
    // The object at `from` ends at `to`.
    void relocateObject(int from, int to);
    void replaceObject(int index, const AlbumObject &object, const OutlineNode &entry);
    void setRootText(const QString &text);

    // Probes the file and appends it to the background music, or reports it
    // when its length cannot be measured.
    void AddBackgroundMusic(const QString &path);
    // The first of the three transition names that `name` contains
    // (ALPHABLEND when none) becomes the album transition.
    void SelectTransitionByName(const QString &name);
    // Every object and outline entry takes the album transition.
    void ApplyAlbumTransition();
    // One object's transition from the transition dialog (-1: the selected
    // object; an index past the last does nothing); unknown names become
    // "ALPHABLEND".
    void ApplyTransition(int index, const QString &name);

    UserPrompts &prompts() const { return m_prompts; }
    // Writes the outline dump; the reason when it could not be written.
    std::optional<QString> DumpOutline(const QString &path) const;

Q_SIGNALS:
    void objectInserted(int index);
    void objectRemoved(int index);
    void objectMoved(int from, int to);
    void objectChanged(int index);
    void thumbnailChanged(int index);
    void albumCleared();
    void totalsChanged();
    void propertiesChanged();
    void modifiedChanged(bool modified);
    void currentObjectChanged(int index);
    // The preview must stop its graph and forget its picture.
    void previewCleared();

private:
    void setObjectTransition(int index, const QString &name);
    void appendError(const QString &text);
    // ready: the file's thumbnail and video length worked out ahead, if any.
    void addNewObject(const QString &path, int mediaClass, const MediaProbeResult &probe,
        const PreparedMedia::File *ready);
    void addMember(int object, const QString &path, const MediaProbeResult &probe);
    void appendToObject(
        int object, const QString &path, int mediaClass, const MediaProbeResult &probe);
    void addMemberEntry(OutlineNode &entry, const QString &path, const QString &kindLabel);
    void removeRecord(int index);
    void moveRecord(int from, int to);
    void forgetSummedTotal();
    void pushObject(const AlbumObject &object);

    UserPrompts &m_prompts;
    std::vector<AlbumObject> m_objects;
    AlbumOutline m_outline;
    AlbumProperties m_properties;
    AlbumType m_albumType = AlbumType::Image;
    QString m_filePath;
    QString m_fileName = QStringLiteral("NoName");
    QString m_albumFolder;
    bool m_modified = false;
    const PreparedMedia *m_prepared = nullptr;
    bool m_openedFromPlayer = false;
    bool m_opening = false;
    QStringList m_missingFiles;
    int m_currentObject = -1;
    int m_currentMemberIndex = 0;
    qint64 m_accumulatedSizeKB = 0;
    QString m_totalTimeText;
    // The running sum of the durations of the first m_summedObjects objects;
    // any change but an append starts it again.
    size_t m_summedObjects = 0;
    double m_summedSeconds = 0.0;
    QString m_totalBackgroundMusicText;
};
