#include "rtf_test_support.h"

#include "letters/rtf_reader.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace rtf_test {

QTextCharFormat FormatOf(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
        }
    }
    return QTextFormat().toCharFormat();
}

QTextBlock BlockOf(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return block;
    }
    return QTextBlock();
}

std::unique_ptr<QTextDocument> Read(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    const letters::TRtfReadResult result = letters::ReadRtf(rtf, *document);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    return document;
}

QByteArray SmallPicture(const char* format)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace rtf_test
