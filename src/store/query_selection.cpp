#include "store/query_selection.h"

#include "xbase/apollo.h"

namespace quorvel {

bool QuerySelectsRecord(xbase::TApollo& engine, std::uint32_t recno)
{
    if (engine.sx_RecNo() != recno && !engine.sx_Go(recno))
        return false;
    if (engine.sx_Deleted())
        return false;
    const std::string query = engine.sx_DBFilter();
    return query.empty() || engine.sx_EvalLogical(query);
}

} // namespace quorvel
