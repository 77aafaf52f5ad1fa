#include "design/model/postnet_code.h"

#include <array>

namespace design::postnet {

namespace {

// Two full bars out of five, weighted 7, 4, 2, 1, 0 from the left; zero is
// written as 7 + 4.
constexpr std::array<const char*, 10> kDigitBars = {
    "11000", "00011", "00101", "00110", "01001", "01010", "01100", "10001", "10010", "10100",
};

bool IsOrdinalSuffix(const QString& text, qsizetype at)
{
    const QString pair = text.mid(at, 2);
    return pair == u"ST" || pair == u"ND" || pair == u"RD" || pair == u"TH";
}

// The scan of the address from its end: the last number that is neither a
// fraction's denominator nor part of an ordinal street name (21ST) gives the
// units and tens digits.
class DeliveryPointScan {
public:
    explicit DeliveryPointScan(const QString& text) : text_(text) {}

    QString Run()
    {
        for (qsizetype i = text_.size() - 1; i >= 0 && !stopped_; --i)
            Step(i);
        if (units_ == u' ' && tens_ == u' ')
            return QStringLiteral("99");
        return QString(tens_ == u' ' ? QChar(u'0') : tens_) + units_;
    }

private:
    bool AnyDigitFound() const { return unitsFound_ || tensFound_; }

    void Step(qsizetype i)
    {
        const QChar c = text_[i];
        if (c >= u'0' && c <= u'9')
            Digit(c);
        else if (c == u' ')
            Blank();
        else if (c == u'/' && AnyDigitFound())
            Fraction();
        else
            Other(i);
    }

    void Digit(QChar c)
    {
        if (fraction_ || ordinal_ || (unitsFound_ && tensFound_))
            return;
        if (!unitsFound_) {
            units_ = c;
            unitsFound_ = true;
        } else {
            tens_ = c;
            tensFound_ = true;
        }
    }

    void Blank()
    {
        if (AnyDigitFound()) {
            stopped_ = true;
            return;
        }
        fraction_ = false;
        ordinal_ = false;
    }

    void Fraction()
    {
        fraction_ = true;
        unitsFound_ = tensFound_ = false;
        units_ = tens_ = QChar(u' ');
    }

    void Other(qsizetype i)
    {
        if (unitsFound_ && !tensFound_) {
            tens_ = QChar(u'0');
            tensFound_ = true;
        } else if (IsOrdinalSuffix(text_, i)) {
            ordinal_ = true;
        }
    }

    const QString& text_;
    QChar units_{u' '};
    QChar tens_{u' '};
    bool fraction_ = false;
    bool ordinal_ = false;
    bool unitsFound_ = false;
    bool tensFound_ = false;
    bool stopped_ = false;
};

QString DecimalDigits(const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

// A ZIP text the post office could mean: at least five characters within
// "00000" .. "99999-9999" compared byte by byte, and at least five digits.
bool UsableZip(const QString& zipText, const QString& zipDigits)
{
    if (zipText.size() < 5 || zipDigits.size() < 5)
        return false;
    return zipText.compare(QLatin1String("00000")) >= 0 && zipText.compare(QLatin1String("99999-9999")) <= 0;
}

} // namespace

QString DeliveryPointDigits(const QString& addressLine)
{
    const QString text = addressLine.toUpper();
    if (text.contains(u"APO") || text.contains(u"FPO"))
        return QStringLiteral("99");
    return DeliveryPointScan(text).Run();
}

int CheckDigit(const QString& digits)
{
    int sum = 0;
    for (QChar c : digits)
        sum += c.digitValue();
    return (10 - sum % 10) % 10;
}

std::optional<QString> EncodedDigits(const QString& zipText, const QString& addressLine,
                                     TPostNetBarCodeType type)
{
    const QString zipDigits = DecimalDigits(zipText);
    if (!UsableZip(zipText, zipDigits))
        return std::nullopt;
    // A ZIP without a full +4 part is encoded as five digits whatever the
    // type asks: a delivery point needs the nine digits in front of it, and
    // a barcode of any other length is one the sorting machines reject.
    QString digits;
    if (type == TPostNetBarCodeType::pnbc5Digit || zipDigits.size() < 9)
        digits = zipDigits.left(5);
    else if (type == TPostNetBarCodeType::pnbc9Digit)
        digits = zipDigits.left(9);
    else
        digits = zipDigits.left(9) + DeliveryPointDigits(addressLine);
    return digits + QChar(u'0' + CheckDigit(digits));
}

std::vector<bool> BarPattern(const QString& digitsWithCheck)
{
    std::vector<bool> bars{true};
    for (QChar c : digitsWithCheck) {
        const int digit = c.digitValue();
        if (digit < 0)
            continue;
        for (const char* bar = kDigitBars[static_cast<std::size_t>(digit)]; *bar != '\0'; ++bar)
            bars.push_back(*bar == '1');
    }
    bars.push_back(true);
    return bars;
}

std::vector<QRectF> BarRectangles(const std::vector<bool>& pattern, double x, double y)
{
    std::vector<QRectF> rects;
    rects.reserve(pattern.size());
    const double bottom = y + kFullBarHeight;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        // Each position from the first bar, so that no rounding error adds up
        // along the barcode.
        const double left = x + static_cast<double>(i) * kBarPitch;
        const double top = pattern[i] ? y : bottom - kHalfBarHeight;
        rects.emplace_back(QPointF(left, top), QPointF(left + kBarWidth, bottom));
    }
    return rects;
}

} // namespace design::postnet
