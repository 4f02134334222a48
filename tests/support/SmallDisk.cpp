#include "SmallDisk.h"

#include <QProcess>

using namespace Qt::Literals::StringLiterals;

SmallDisk::SmallDisk(int kilobytes)
{
    m_mounted = m_dir.isValid()
        && QProcess::execute(u"mount"_s,
               {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size="_s + QString::number(kilobytes) + u'k',
                   u"tmpfs"_s, m_dir.path()})
            == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        QProcess::execute(u"umount"_s, {u"-l"_s, m_dir.path()});
}
