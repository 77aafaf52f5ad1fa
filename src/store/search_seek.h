#pragma once

#include <QString>

namespace xbase {
class TApollo;
class TApolloEnv;
}

namespace quorvel {

// The search of the "Search" dialog, once the chosen order is current: a
// soft seek for the upper-cased text on the order's tag, with the engine's
// exact setting off so the text matches as the start of a key. When no key
// starts with the text, the record that was current stays current. Returns
// whether a record was found; an empty text, a table without an order and
// a text the table cannot hold find nothing and move nothing.
bool SeekStartingWith(xbase::TApollo& table, xbase::TApolloEnv& env, const QString& text);

} // namespace quorvel
