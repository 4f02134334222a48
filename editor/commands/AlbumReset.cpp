#include "AlbumReset.h"

#include "AlbumDocument.h"
#include "CommandContext.h"
#include "EditorState.h"

void ResetAlbumProperties(const CommandContext &context)
{
    AlbumProperties p = context.album.properties();
    p.backgroundMusic.clear();
    p.backgroundMusicSeconds = 0;
    p.title.clear();
    p.creator.clear();
    p.description.clear();
    p.backgroundImage.clear();
    context.album.setProperties(p);
    context.album.clearTotals();
    if (context.state.hooks.statusProgress)
        context.state.hooks.statusProgress(QString());
}
