#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace quorvel {

// The query boxes of the address filter, in the order of the lines of a
// filter file.
enum class TFilterBox {
    fbLName, fbFName, fbTitle, fbOrg, fbStreet, fbStreet2, fbZip, fbCity, fbState, fbCountry,
    fbPhone, fbPhone2, fbFax, fbEmail, fbDate, fbCodes, fbUser1, fbUser2
};
inline constexpr int kFilterBoxCount = 18;

// The field name a box is known by ("LNAME"), which is also the name the
// command line uses.
QString filterBoxName(TFilterBox box);
// Case-insensitive; nothing for a name that is no box.
std::optional<TFilterBox> filterBoxNamed(QStringView name);

// What the user asked the filter for: one text per box as typed, the two
// switches, and the expression built from them. A filter is set exactly
// when the expression is non-empty.
struct TFilterState {
    std::array<QString, kFilterBoxCount> values;
    bool taggedOnly = false;
    bool reverse = false;
    QString expression;

    QString& value(TFilterBox box) { return values[static_cast<std::size_t>(box)]; }
    const QString& value(TFilterBox box) const { return values[static_cast<std::size_t>(box)]; }
    bool isSet() const { return !expression.isEmpty(); }

    // Empties the boxes, both switches and the expression.
    void ClearQueryVars();
    // Builds the expression from the boxes and switches, keeps it and
    // returns it. `tagId` is the tag id in force, for the tagged-only switch.
    const QString& BuildQueryString(const QString& tagId);

    bool operator==(const TFilterState&) const = default;
};

} // namespace quorvel
