#pragma once

#include "letters/rtf_words.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <cstdint>
#include <optional>

// A \pict group as it is read: its kind, size words and data, in hex or
// after \bin. PNG and JPEG pictures go into the document as they came, so
// the writer can store them back unchanged; other kinds are passed over.
namespace letters::rtf {

class TPicture {
public:
    void Word(rtf::Word word, std::int32_t value);
    void AddHex(QByteArrayView digits);
    void AddBinary(QByteArrayView bytes);

    // Adds the picture to the document's resources and gives its format,
    // with the look of the text around it; nothing for a kind we do not
    // keep or data that is no picture.
    std::optional<QTextImageFormat> AddTo(QTextDocument& document, const QTextCharFormat& look) const;

private:
    enum class Kind { None, Png, Jpeg, Other };

    Kind kind_ = Kind::None;
    QByteArray bytes_;
    int pendingNibble_ = -1;
    std::int32_t goalWidth_ = 0, goalHeight_ = 0;
    std::int32_t scaleX_ = 100, scaleY_ = 100;
};

} // namespace letters::rtf
