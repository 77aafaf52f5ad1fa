#include "design/model/address_composition.h"

#include "design/model/graphic_control.h"
#include "design/model/record_values.h"

namespace design {

namespace {

QString TL(const QString& text) { return TGGraphicControl::TrimLeadingBlanks(text); }
bool Blank(const QString& text) { return TGGraphicControl::TrimBlanks(text).isEmpty(); }

const QString kBlank = QStringLiteral(" ");

class TAddressComposer {
public:
    TAddressComposer(const TAddressLayout& layout, const TGRecordSource& record) : layout_(layout), record_(record) {}

    QStringList Compose()
    {
        if (layout_.UseName)
            Append(NameLine());
        if (layout_.UseTitle)
            Append(F("TITLE"));
        if (layout_.UseCompany)
            Append(F("ORG"));
        if (layout_.UseStreet)
            Append(F("STREET"));
        if (layout_.UseStreet2)
            Append(F("STREET2"));
        AppendCityLine();
        AppendCountryLine();
        if (layout_.UsePhone)
            Append(F("PHONE"));
        if (layout_.UpperCase)
            for (QString& line : lines_)
                line = UpperCaseAscii(line);
        return lines_;
    }

private:
    QString F(const char* name) const
    {
        return record_.FieldText(QString::fromLatin1(name)).value_or(QString());
    }

    // A line counts as present when it holds anything, blanks included.
    void Append(const QString& line)
    {
        if (!line.isEmpty())
            lines_.append(line);
    }

    // Every present part is followed by one blank, the last one included.
    QString NameLine() const
    {
        QString middle = F("MIDDLE");
        if (!Blank(middle))
            middle += QLatin1Char('.');
        return TL(F("PREFIX") + kBlank) + TL(F("FNAME") + kBlank) + TL(middle + kBlank) + TL(F("LNAME") + kBlank);
    }

    bool ZipNearCity() const
    {
        return layout_.ZipOptions == TZipFormatOptions::zoAfterState ||
               layout_.ZipOptions == TZipFormatOptions::zoBeforeCity;
    }

    void AppendCityLine()
    {
        if (!layout_.UseCityState) {
            if (layout_.UseZip && ZipNearCity())
                Append(TL(F("ZIP")));
            return;
        }
        const QString city = F("CITY");
        const QString state = F("STATE");
        if (layout_.UseZip && layout_.ZipOptions == TZipFormatOptions::zoAfterState) {
            // City, two blanks, state, one blank, ZIP; a line of blanks alone
            // is left out.
            const QString line = TL(city + kBlank) + kBlank + TL(state + kBlank) + TL(F("ZIP"));
            if (!Blank(line))
                lines_.append(line);
        } else if (layout_.UseZip && layout_.ZipOptions == TZipFormatOptions::zoBeforeCity) {
            Append(TL(F("ZIP") + kBlank) + TL(city + kBlank) + TL(state + kBlank));
        } else {
            Append(TL(city + kBlank) + TL(state));
        }
    }

    void AppendCountryLine()
    {
        const bool zipAfter = layout_.UseZip && layout_.ZipOptions == TZipFormatOptions::zoAfterCountry;
        const bool zipBefore = layout_.UseZip && layout_.ZipOptions == TZipFormatOptions::zoBeforeCountry;
        if (!layout_.UseCountry) {
            if (zipAfter || zipBefore)
                Append(TL(F("ZIP")));
            return;
        }
        const QString country = F("COUNTRY");
        if (zipAfter)
            Append(TL(country + kBlank) + TL(F("ZIP")));
        else if (zipBefore)
            Append(TL(F("ZIP") + kBlank) + TL(country));
        else
            Append(TL(country));
    }

    const TAddressLayout& layout_;
    const TGRecordSource& record_;
    QStringList lines_;
};

} // namespace

QStringList ComposeAddress(const TAddressLayout& layout, const TGRecordSource& record)
{
    return TAddressComposer(layout, record).Compose();
}

QString UpperCaseAscii(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

} // namespace design
