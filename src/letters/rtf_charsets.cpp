#include "letters/rtf_charsets.h"

#include "design/model/windows1252.h"

#include <QByteArray>
#include <QStringDecoder>

namespace letters::rtf {

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000; // Macintosh Roman
    case 128:
        return 932; // Shift-JIS
    case 129:
        return 949; // Hangul
    case 134:
        return 936; // GB2312
    case 136:
        return 950; // Big5
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 163:
        return 1258; // Vietnamese
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Central European
    default:
        return 0;
    }
}

namespace {

QByteArray ConverterName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "EUC-KR";
    case 950:
        return "Big5";
    case 874:
        return "windows-874";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

QString DecodeCodePage(QByteArrayView bytes, int codePage)
{
    if (codePage != kDefaultCodePage && codePage > 0) {
        QStringDecoder decoder(ConverterName(codePage).constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return design::fromWindows1252(bytes);
}

} // namespace letters::rtf
