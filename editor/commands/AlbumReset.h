#pragma once

struct CommandContext;

// Empties the background music, the album texts, the background image and
// the status panels; the album transition and the objects stay.
void ResetAlbumProperties(const CommandContext &context);
