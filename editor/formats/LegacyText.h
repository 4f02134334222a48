#pragma once

#include <QByteArray>

// The bytes of an album file as UTF-8: valid UTF-8 is kept as it is, any
// other text is decoded from the legacy code page (the setting
// "LegacyCodePage", windows-1252 unless set), so that albums made on other
// systems still open.
QByteArray albumTextAsUtf8(const QByteArray &bytes);
QByteArray decodeLegacy(const QByteArray &bytes, const QByteArray &codePage);
bool isValidUtf8(const QByteArray &bytes);
QByteArray legacyCodePage();
