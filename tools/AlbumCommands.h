#pragma once

#include <QStringList>

// quillan-tool dump ALBUM [--player-root DIR]
int runDumpCommand(const QStringList &arguments);
// quillan-tool new --type image|music|ppl [--title T] [--creator C]
//   [--description D] [--transition NAME] [--bg-music FILE]... -o OUT FILE...
int runNewCommand(const QStringList &arguments);
// quillan-tool resave ALBUM OUT, and export-manifest ALBUM OUT
int runResaveCommand(const QStringList &arguments, bool exportForm);
// quillan-tool export ALBUM (--to DIR | --player ROOT [--name PLAYER])
// [--overwrite ask|all|none]: the album with all its media into DIR in the
// disk layout, or onto the player mounted at ROOT (photos fitted by the
// hand-over library, a playlist's player asked to refresh its music).
int runExportCommand(const QStringList &arguments);
