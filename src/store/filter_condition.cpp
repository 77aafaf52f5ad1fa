#include "store/filter_condition.h"

#include "store/cp1252.h"
#include "xbase/expr/case_table.h"

#include <QStringList>

namespace quorvel {

namespace {

constexpr int kMaxValueLength = 99;

struct TSplitRule {
    QChar separator;
    const char* joiner;
};

// Tried in this order, so ";" binds loosest, then "+", then "^".
constexpr TSplitRule kSplitRules[] = {
    {QChar(u';'), ".or."},
    {QChar(u'+'), ".and."},
    {QChar(u'^'), ".and..not."},
};

// Longer operators first, so ">=" is not read as ">" followed by "=".
constexpr const char16_t* kOperators[] = {u">=", u">", u"<=", u"<", u"$"};

QString conditionFor(const QString& field, const QString& text);

QString joinedCondition(const QString& field, const QString& text, const TSplitRule& rule)
{
    // Empty pieces are kept: "JONES;" also matches every record.
    const QStringList pieces = text.split(rule.separator);
    QString joined = QStringLiteral("(");
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            joined += QLatin1String(rule.joiner);
        joined += QLatin1Char('(') + conditionFor(field, pieces[i]) + QLatin1Char(')');
    }
    return joined + QLatin1Char(')');
}

QString singleCondition(const QString& field, const QString& text)
{
    QString op = QStringLiteral("=");
    QString value = text;
    for (const char16_t* candidate : kOperators) {
        const QString prefix = QString::fromUtf16(candidate);
        if (text.startsWith(prefix)) {
            op = prefix;
            value = text.mid(prefix.size());
            break;
        }
    }
    const QString literal = quoteLiteral(upperAsEngine(value.left(kMaxValueLength)));
    const QString fieldUpper = QStringLiteral("UPPER(") + field + QLatin1Char(')');
    if (op == u"$")
        return literal + op + fieldUpper;
    return fieldUpper + op + literal;
}

QString conditionFor(const QString& field, const QString& text)
{
    for (const TSplitRule& rule : kSplitRules) {
        if (text.contains(rule.separator))
            return joinedCondition(field, text, rule);
    }
    return singleCondition(field, text);
}

// A literal for a text holding all three delimiters: the runs between
// double quotes in double quotes, each double quote itself in single ones.
QString concatenatedLiteral(const QString& text)
{
    QStringList parts;
    const QStringList runs = text.split(QLatin1Char('"'));
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i > 0)
            parts << QStringLiteral("'\"'");
        if (!runs[i].isEmpty())
            parts << QLatin1Char('"') + runs[i] + QLatin1Char('"');
    }
    return parts.join(QLatin1Char('+'));
}

} // namespace

QString BuildBoxCondition(const QString& field, const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    return conditionFor(field, text);
}

QString quoteLiteral(const QString& text)
{
    if (!text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    if (!text.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    if (!text.contains(QLatin1Char(']')))
        return QLatin1Char('[') + text + QLatin1Char(']');
    return concatenatedLiteral(text);
}

QString upperAsEngine(const QString& text)
{
    QString upper;
    upper.reserve(text.size());
    for (const QChar c : text) {
        const TCp1252Encoding encoded = toCp1252(QStringView(&c, 1));
        if (!encoded.ok()) {
            upper += c;
            continue;
        }
        const char byte = static_cast<char>(xbase::expr::upper1252(static_cast<unsigned char>(encoded.bytes[0])));
        upper += fromCp1252(QByteArrayView(&byte, 1));
    }
    return upper;
}

} // namespace quorvel
