#include "XdgFolder.h"

#include <QDir>

QString xdgFolder(const char *variable, const char *fallbackBelowHome)
{
    const QString folder = qEnvironmentVariable(variable);
    if (!folder.isEmpty() && !QDir::isRelativePath(folder))
        return folder;
    return QDir::homePath() + QString::fromLatin1(fallbackBelowHome);
}
