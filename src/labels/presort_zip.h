#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>

// What the bulk-mail presort makes of a record's ZIP code: whether it is
// counted at all, and the text it is counted (and listed) under.
namespace labels {

// The first five characters are all the presort looks at.
inline constexpr qsizetype kPresortZipLength = 5;

// Whether a ZIP code takes part in the presort: its first five characters
// start with a digit and lie between "00000" and "99999-999" by character
// codes. That is a text comparison, not a number check: "1234" and "0999"
// are counted (under their own text), "0000" and "9999A" are not, and
// neither is anything starting with a letter or a blank.
bool CountsForPresort(QStringView zip);

// The same test on the bytes of a ZIP field as the table holds them
// (Windows-1252; every byte above 0x7F stays above '9' in Unicode too, so
// both give the same answer for the same text).
bool CountsForPresort(const unsigned char* bytes, std::size_t length);

// The text a record is counted under: the first five characters of its ZIP
// field, trailing blanks removed. A fixed-width field pads "1234" with
// blanks, and "1234 5678" begins with "1234 "; both belong to the ZIP line
// "1234", which is also what the list reader keeps of a line ending in a
// blank.
QString PresortZip(QStringView zipField);

// The text as the ZIP tag keys it (UPPER(ZIP)), for seeking a ZIP line:
// letters in upper case, and a ZIP line shorter than five characters padded
// with blanks so that "1234" finds the records of "1234" and not those of
// "12345". `keyWidth` is the width of the ZIP field (no padding beyond it).
QString PresortSeekKey(QStringView presortZip, int keyWidth);

} // namespace labels
