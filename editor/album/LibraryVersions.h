#pragma once

#include <QList>
#include <QString>

// The libraries Quillan is made of, for the about box and --version.
struct LibraryVersion
{
    QString name;
    QString version;
    // False where the library offers no way to ask: the version is the one
    // this build was compiled against (for tethera's static OpenSSL that is
    // also the one it runs).
    bool atRunTime = false;
};

QString quillanVersion();
QList<LibraryVersion> libraryVersions();
