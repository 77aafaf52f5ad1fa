#pragma once

#include <QString>

#include <functional>

namespace reports {

// The address fields a built-in report prints, as the table returns them
// (trailing blanks removed).
struct TBuiltInRecord {
    QString lname, fname, middle, prefix, title, org;
    QString street, city, state, zip, country;
    QString phone, fax, email, date;
};

// Reads the fields above through `field` (a field name to its value).
TBuiltInRecord BuiltInRecordOf(const std::function<QString(const QString& field)>& field);

// The name column of reports 1 to 3: "Smith, John Q." and, without first
// and middle name, "Smith, " (the comma stays).
QString ListName(const TBuiltInRecord& record);
// Report 1's "City/St/Zip": "Springfield, IL  62701 ".
QString ListCityLine(const TBuiltInRecord& record);

// Report 4's three lines; the name is empty without a last name.
QString FullReportName(const TBuiltInRecord& record);
QString TitleAndOrganization(const TBuiltInRecord& record);
// "Springfield, IL, 62701".
QString FullReportCityLine(const TBuiltInRecord& record);
// "Ph: 555-0100  Fax: 555-0101  ".
QString PhoneLine(const TBuiltInRecord& record);

} // namespace reports
