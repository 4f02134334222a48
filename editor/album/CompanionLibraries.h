#pragma once

#include <QHash>
#include <QImage>
#include <QLibrary>
#include <QString>

#include <memory>

class UserPrompts;

// The two companion libraries below the program folder, DLL/VoxJPG.so and
// DLL/VoxID3.so. Each function is looked up by its export name on first use
// and its address kept; a missing library or export costs only its functions.
class CompanionLibraries
{
public:
    explicit CompanionLibraries(UserPrompts &prompts);
    ~CompanionLibraries();
    Q_DISABLE_COPY_MOVE(CompanionLibraries)

    // programFolder ends with "/". A library that does not load is reported
    // once, with its full path.
    void LoadCompanionLibraries(const QString &programFolder);
    void UnloadCompanionLibraries();

    // The photo's comment; empty when there is none or the library is missing.
    QString ReadFileComment(const QString &path);
    // The photo's stored thumbnail stretched over a thumbnail picture; null
    // when there is none (the caller then decodes the photo itself).
    QImage ReadThumb(const QString &path);
    // The note of an MP3 for the file browser: its tag lines, or "정보없음".
    QString id3Note(const QString &path);

private:
    struct Library;
    QFunctionPointer resolve(Library &library, const char *name);

    UserPrompts &m_prompts;
    std::unique_ptr<Library> m_jpg;
    std::unique_ptr<Library> m_id3;
};
