#include "store/search_seek.h"

#include "store/cp1252.h"
#include "store/filter_condition.h"
#include "xbase/apollo.h"

namespace quorvel {

bool SeekStartingWith(xbase::TApollo& table, xbase::TApolloEnv& env, const QString& text)
{
    const TCp1252Encoding key = toCp1252(upperAsEngine(text));
    if (text.isEmpty() || !key.ok() || table.sx_IndexOrd() == 0)
        return false;
    env.sx_SetExact(false);
    env.sx_SetSoftSeek(true);
    const std::uint32_t remembered = table.sx_RecNo();
    const bool found = table.sx_Seek(key.bytes.toStdString());
    if (!found)
        table.sx_Go(remembered);
    env.sx_SetSoftSeek(false);
    return found;
}

} // namespace quorvel
