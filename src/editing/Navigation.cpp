#include "editing/Navigation.h"

namespace hvx {

Navigation& navigation()
{
    static Navigation instance;
    return instance;
}

} // namespace hvx
