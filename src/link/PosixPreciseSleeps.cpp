// The timer slack of a thread on Linux (one of the platform files of the link).
#include "link/PreciseSleeps.h"

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace hvx {
namespace {

#ifdef __linux__
constexpr unsigned long kPreciseSlackNs = 1000;
#endif

} // namespace

PreciseSleeps::PreciseSleeps()
{
#ifdef __linux__
    const int previous = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    if (previous > 0 && ::prctl(PR_SET_TIMERSLACK, kPreciseSlackNs, 0, 0, 0) == 0)
        m_previousSlack = previous;
#endif
}

PreciseSleeps::~PreciseSleeps()
{
#ifdef __linux__
    if (m_previousSlack > 0)
        ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(m_previousSlack), 0, 0, 0);
#endif
}

} // namespace hvx
