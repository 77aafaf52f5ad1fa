#pragma once

#include <QString>

namespace quorvel {

// The condition one query box adds to the filter, for the field expression
// `field` ("LNAME", or "CITY+STATE" for the city box) and the box's text as
// typed. Empty when the text is blank.
//
// ";" separates alternatives (".or."), "+" values that must all match
// (".and.") and "^" values that must not match (".and..not."); ";" binds
// loosest. A value may start with ">=", ">", "<=", "<" or "$" (contains);
// otherwise it matches as a prefix of the field. Comparisons ignore case.
QString BuildBoxCondition(const QString& field, const QString& text);

// `text` as an expression literal that reads back exactly as `text`. Double
// quotes are the usual delimiter; a text holding one is written with '...'
// or [...] instead, and one holding all three delimiters as a
// concatenation of literals.
QString quoteLiteral(const QString& text);

// Upper case as the table engine's UPPER() sees it: the Windows-1252 letters
// only, so that a value compares with UPPER(field) byte for byte.
// Characters outside Windows-1252 are left as they are.
QString upperAsEngine(const QString& text);

} // namespace quorvel
