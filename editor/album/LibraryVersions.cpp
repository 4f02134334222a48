#include "LibraryVersions.h"

#include "QuillanBuildInfo.h"

#include <cstdio>

#include <jpeglib.h>
#include <openssl/opensslv.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/avutil.h>
}

#include <QtGlobal>

using namespace Qt::Literals::StringLiterals;

namespace {

#define QUILLAN_TEXT(x) #x
#define QUILLAN_EXPANDED_TEXT(x) QUILLAN_TEXT(x)

QString avVersion(unsigned version)
{
    return u"%1.%2.%3"_s.arg(version >> 16).arg((version >> 8) & 0xff).arg(version & 0xff);
}

} // namespace

QString quillanVersion()
{
    return QStringLiteral(QUILLAN_VERSION);
}

QList<LibraryVersion> libraryVersions()
{
    return {
        {u"Qt"_s, QString::fromLatin1(qVersion()), true},
        {u"FFmpeg"_s,
            QString::fromLatin1(av_version_info()) + u" (libavcodec "_s
                + avVersion(avcodec_version()) + u')',
            true},
        {u"libjpeg-turbo"_s, QStringLiteral(QUILLAN_EXPANDED_TEXT(LIBJPEG_TURBO_VERSION)), false},
        {u"pugixml"_s, QStringLiteral(QUILLAN_PUGIXML_VERSION), false},
        {u"TagLib"_s, QStringLiteral(QUILLAN_TAGLIB_VERSION), false},
        {u"libexif"_s, QStringLiteral(QUILLAN_EXIF_VERSION), false},
        {u"OpenSSL"_s, QString::fromLatin1(OPENSSL_VERSION_TEXT).section(u' ', 1, 1), false},
    };
}
