#pragma once

#include "CommandContext.h"

// Has the player rebuild its music database: the connector's refresh run
// behind the update window. A connector that cannot run is reported.
void refreshMusicDatabase(const CommandContext &context);
