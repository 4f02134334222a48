#include "PhotoHandOver.h"

#include "VoxImgDll.h"

#include <QLibrary>

using namespace Qt::Literals::StringLiterals;

namespace PhotoHandOver {

Split split(const QStringList &exportList, const QString &playerRoot, const QString &playerName,
    const QHash<QString, QString> &handedAs)
{
    Split result;
    result.job = playerRoot + u"SYSTEM/PHOTOS/..|"_s + playerName + u":COPY"_s;
    const QString onPlayer = playerRoot + u"System/"_s;
    for (qsizetype i = exportList.size() - 1; i >= 0; --i) {
        const QString &entry = exportList[i];
        if (!entry.endsWith(u".jpg"_s, Qt::CaseInsensitive) || entry.contains(u'|')) {
            result.rest.prepend(entry);
            continue;
        }
        // The player's file system ignores case, and so does this test. A
        // photo listed twice is handed over once.
        if (entry.startsWith(onPlayer, Qt::CaseInsensitive) || result.photos.contains(entry))
            continue;
        result.photos.append(entry);
        result.job += u'|' + handedAs.value(entry, entry);
    }
    return result;
}

QString libraryPath(const QString &programFolder)
{
    return programFolder + u"DLL/VoxImgDll.so"_s;
}

Result run(const QString &job, const QString &programFolder, quintptr window)
{
    QLibrary library(libraryPath(programFolder));
    const auto resize
        = reinterpret_cast<decltype(&::ResizeImages)>(library.resolve("ResizeImages"));
    if (!resize)
        return Result::LibraryMissing;
    const QByteArray folder = programFolder.toUtf8();
    const QByteArray help = u"mk:@MSITStore:"_s.toUtf8() + folder
        + "Help\\Lumaguide.chm::/DGinung/EtcGiNung/KuGiByunHan.htm";
    const bool done = resize(job.toUtf8().constData(), folder.constData(),
                          "SoftWare\\Harlowe\\Quillwright", help.constData(), window, 437)
        != 0;
    library.unload();
    return done ? Result::Done : Result::Failed;
}

} // namespace PhotoHandOver
