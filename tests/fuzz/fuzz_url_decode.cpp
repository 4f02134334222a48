// libFuzzer target: UrlDecode on any text, and the round trip of UrlEncode.
#include "UrlCoding.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)UrlDecode(text);
    if (UrlDecode(UrlEncode(text)) != text)
        std::abort();
    return 0;
}
