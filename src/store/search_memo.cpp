#include "store/search_memo.h"

#include "store/cp1252.h"
#include "store/filter_condition.h"
#include "xbase/apollo.h"
#include "xbase/expr/case_table.h"

namespace quorvel {

namespace {

constexpr std::size_t kMemoLookLength = 32767;

bool memoHolds(const xbase::TApollo& table, const std::string& upperText)
{
    std::string memo = table.sx_GetMemo("MEMO");
    if (memo.size() > kMemoLookLength)
        memo.resize(kMemoLookLength);
    xbase::expr::upperInPlace(memo.data(), memo.size());
    return memo.find(upperText) != std::string::npos;
}

bool startAt(xbase::TApollo& table, TMemoSearchStart start)
{
    return start == TMemoSearchStart::msFirstRecord ? table.sx_GoTop() : table.sx_Skip(1);
}

} // namespace

bool FindTextInMemo(xbase::TApollo& table, const QString& text, TMemoSearchStart start,
                    const TMemoSearchProgress& keepGoing)
{
    const TCp1252Encoding wanted = toCp1252(upperAsEngine(text));
    if (text.isEmpty() || !wanted.ok())
        return false;
    const std::string upperText = wanted.bytes.toStdString();
    const bool wasOnRecord = !table.sx_Eof() && table.sx_RecNo() != 0;
    const std::uint32_t remembered = table.sx_RecNo();
    for (bool moved = startAt(table, start); moved && !table.sx_Eof(); moved = table.sx_Skip(1)) {
        if (memoHolds(table, upperText))
            return true;
        if (keepGoing && !keepGoing())
            break;
    }
    if (wasOnRecord)
        table.sx_Go(remembered);
    return false;
}

} // namespace quorvel
