#include "ReadFailure.h"

#include "AlbumDocument.h"
#include "Texts.h"
#include "UserPrompts.h"

void reportUnreadableAlbum(AlbumDocument &album, const QString &path, const QString &reason)
{
    album.ClearAlbum(QString::fromUtf16(Texts::RootAlbum));
    album.RefreshTotals();
    album.prompts().message(QString::fromUtf16(Texts::UnreadableAlbum)
            + QString::fromUtf16(Texts::TwoLineBreaks) + path
            + QString::fromUtf16(Texts::TwoLineBreaks) + reason,
        QString::fromUtf16(Texts::CaptionConfirm), UserPrompts::Buttons::Ok,
        UserPrompts::Icon::Error);
}
