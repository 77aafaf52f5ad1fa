#include "store/address_derived.h"

namespace quorvel {

namespace {

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return text.mid(start);
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

QString withoutOuterBlanks(const QString& text) { return withoutLeadingBlanks(withoutTrailingBlanks(text)); }

} // namespace

QString addressFullName(const QString& fname, const QString& middle, const QString& lname)
{
    return withoutTrailingBlanks(fname + u' ' + middle) + u' ' + lname;
}

QString addressFullNameWithPrefix(const QString& prefix, const QString& fname, const QString& middle,
                                  const QString& lname)
{
    return withoutOuterBlanks(prefix + u' ' + fname + u' ' + middle) + u' ' + lname;
}

QString addressCityStateZip(const QString& city, const QString& state, const QString& zip)
{
    return withoutLeadingBlanks(city + u' ') + withoutLeadingBlanks(state + u' ') + zip;
}

bool addressIsTagged(const QString& tag, const QString& tagIdInForce)
{
    return !tagIdInForce.isEmpty() && tag == tagIdInForce;
}

} // namespace quorvel
