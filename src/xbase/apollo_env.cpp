#include "xbase/apollo_env.h"

namespace xbase {

TApolloEnv& TApolloEnv::global()
{
    static TApolloEnv env;
    return env;
}

} // namespace xbase
