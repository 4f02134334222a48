#pragma once

#include <QStringList>

// quillan-tool dump ALBUM [--player-root DIR]
int runDumpCommand(const QStringList &arguments);
// quillan-tool new --type image|music|ppl [--title T] [--creator C]
//   [--description D] [--transition NAME] [--bg-music FILE]... -o OUT FILE...
int runNewCommand(const QStringList &arguments);
// quillan-tool resave ALBUM OUT, and export-manifest ALBUM OUT
int runResaveCommand(const QStringList &arguments, bool exportForm);
