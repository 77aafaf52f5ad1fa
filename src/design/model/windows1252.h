#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Design files hold their texts as single Windows-1252 bytes while the model
// works in Unicode. The conversion is a bijection over all 256 byte values:
// the five bytes that Windows-1252 leaves undefined map to the C1 control
// characters of the same value (as the Windows conversion functions do), so
// any file reads and writes back byte for byte.
namespace design {

QString fromWindows1252(QByteArrayView bytes);

// std::nullopt when the text holds a character that Windows-1252 cannot hold;
// such text is refused rather than stored with a replacement character.
std::optional<QByteArray> toWindows1252(const QString& text);

} // namespace design
