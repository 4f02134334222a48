#include "ApplicationIdentity.h"

#include "LibraryVersions.h"

#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace ApplicationIdentity {

QIcon icon()
{
    QIcon builtIn;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(u":/icons/%1x%1/apps/quillan.png"_s.arg(size), QSize(size, size));
    return QIcon::fromTheme(QString::fromLatin1(IconName), builtIn);
}

void apply()
{
    QGuiApplication::setApplicationName(u"Quillan"_s);
    QGuiApplication::setApplicationVersion(quillanVersion());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
}

void applyIcon()
{
    QGuiApplication::setWindowIcon(icon());
}

} // namespace ApplicationIdentity
