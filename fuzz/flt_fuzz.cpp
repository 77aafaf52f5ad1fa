// Feeds any bytes to the filter file reader: reading must not crash; a file
// that reads must build an expression the engine can compile (unless the
// program refuses it as too complex before compiling it), and write back
// to bytes that read to the same filter. The same bytes go through the
// browse column order reader, the other small line list the program reads.

#include "store/browse_columns.h"
#include "store/cp1252.h"
#include "store/filter_apply.h"
#include "store/flt_file.h"
#include "xbase/expr/expression.h"

#include <cstdint>
#include <cstdlib>

using namespace quorvel;

namespace {

xbase::Schema addressFields()
{
    xbase::Schema schema;
    for (const char* name : {"LNAME", "FNAME", "TITLE", "ORG", "STREET", "STREET2", "ZIP", "CITY", "STATE",
                             "COUNTRY", "PHONE", "PHONE2", "FAX", "EMAIL", "DATE", "CODES", "USER1", "USER2", "TAG"})
        schema.push_back({name, 'C', 30, 0, 0});
    schema.push_back({"ISDEL", 'L', 1, 0, 0});
    return schema;
}

void checkExpression(TFilterState state)
{
    const QString text = state.BuildQueryString(QStringLiteral("VK0GYQV"));
    // The program shows "filter is too complex" for these and never compiles them.
    if (filterTooComplex(text))
        return;
    const TCp1252Encoding expression = toCp1252(text);
    if (!expression.ok() || expression.bytes.isEmpty())
        return;
    std::unique_ptr<xbase::Expression> compiled;
    static const xbase::Schema schema = addressFields();
    if (!xbase::Expression::compile(expression.bytes.toStdString() + " .and. !ISDEL", schema, &compiled))
        std::abort();
}

void checkRoundTrip(const TFilterState& state)
{
    QString error;
    const QByteArray written = filterFileBytes(state, &error);
    TFilterState reread;
    if (written.isEmpty() || !parseFilterFile(written, &reread, &error) || !(reread == state))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TFilterState state;
    QString error;
    if (parseFilterFile(bytes, &state, &error)) {
        checkRoundTrip(state);
        checkExpression(state);
    } else if (error.isEmpty() || !(state == TFilterState())) {
        std::abort();
    }
    const QStringList names = parseBrowseColumnOrder(bytes);
    (void)ApplyBrowseColumnOrder({QStringLiteral("LNAME"), QStringLiteral("CITY")}, names);
    return 0;
}
