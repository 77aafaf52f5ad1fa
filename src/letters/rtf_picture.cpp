#include "letters/rtf_picture.h"

#include "letters/rtf_formats.h"
#include "letters/rtf_lexer.h"

#include <QCryptographicHash>
#include <QImage>
#include <QUrl>
#include <algorithm>

namespace letters::rtf {

void TPicture::Word(rtf::Word word, std::int32_t value)
{
    switch (word) {
    case Word::PngBlip:
        kind_ = Kind::Png;
        break;
    case Word::JpegBlip:
        kind_ = Kind::Jpeg;
        break;
    case Word::OtherBlip:
        kind_ = Kind::Other;
        break;
    case Word::PictureGoalWidth:
        goalWidth_ = value;
        break;
    case Word::PictureGoalHeight:
        goalHeight_ = value;
        break;
    case Word::PictureScaleX:
        scaleX_ = value;
        break;
    case Word::PictureScaleY:
        scaleY_ = value;
        break;
    default:
        break;
    }
}

void TPicture::AddHex(QByteArrayView digits)
{
    if (kind_ == Kind::Other)
        return;
    for (char c : digits) {
        const int digit = HexValue(c);
        if (digit < 0)
            continue; // line ends and blanks between the digits
        if (pendingNibble_ < 0) {
            pendingNibble_ = digit;
        } else {
            bytes_.append(char(pendingNibble_ * 16 + digit));
            pendingNibble_ = -1;
        }
    }
}

void TPicture::AddBinary(QByteArrayView bytes)
{
    if (kind_ != Kind::Other)
        bytes_.append(bytes);
}

std::optional<QTextImageFormat> TPicture::AddTo(QTextDocument& document, const QTextCharFormat& look) const
{
    if (kind_ != Kind::Png && kind_ != Kind::Jpeg)
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(bytes_, kind_ == Kind::Png ? "PNG" : "JPEG"))
        return std::nullopt;
    // Named by content, so inserting the same file twice shares one picture
    // and two different ones never clash.
    const QString name = QStringLiteral("rtf-picture:")
        + QString::fromLatin1(QCryptographicHash::hash(bytes_, QCryptographicHash::Sha1).toHex());
    document.addResource(QTextDocument::ImageResource, QUrl(name), bytes_);
    QTextImageFormat format;
    format.merge(look);
    format.setName(name);
    const qreal scaleX = std::clamp(scaleX_, 1, 10000) / 100.0;
    const qreal scaleY = std::clamp(scaleY_, 1, 10000) / 100.0;
    const qreal width = goalWidth_ > 0 ? Units(goalWidth_) : image.width() * kUnitsPerPixel;
    const qreal height = goalHeight_ > 0 ? Units(goalHeight_) : image.height() * kUnitsPerPixel;
    format.setWidth(width * scaleX);
    format.setHeight(height * scaleY);
    return format;
}

} // namespace letters::rtf
