#pragma once

#include "PreparedMedia.h"

#include <QStringList>

class AlbumDocument;
class EditorState;

// Adding many files: the probes and thumbnails, which take the time, are
// made on every core first while the window stays responsive and shows the
// progress with Cancel; the files are then added in their order as one by
// one adding would.
namespace MediaBatch {

// Prepares the files; the number of leading files done (all of them unless
// the user cancelled, which stops the work still waiting).
qsizetype prepare(const QStringList &files, const EditorState &state, PreparedMedia &prepared);

// Makes the photo thumbnails an opened album left for later, on every core
// with the same progress and Cancel; those cancelled are made when shown.
void makeThumbnails(AlbumDocument &album, const EditorState &state);

} // namespace MediaBatch
