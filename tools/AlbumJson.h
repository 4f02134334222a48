#pragma once

#include <QJsonObject>
#include <QStringList>

class AlbumDocument;

namespace AlbumJson {
// The album as quillan-tool dump prints it, with the messages shown while
// reading it and the outline dump.
QJsonObject dump(const AlbumDocument &album, const QStringList &messages);
} // namespace AlbumJson
