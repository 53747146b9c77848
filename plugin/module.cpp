#include "plugin/module.h"

namespace stats {

Module& module() {
    // Created at the first export call, destroyed at unload (members in reverse order).
    static Module instance;
    return instance;
}

} // namespace stats
