#include "link/LinkFailure.h"

#include <mutex>
#include <utility>

namespace hvx {
namespace {

std::mutex g_mutex;
std::optional<LinkFailure> g_failure;

} // namespace

void NoteLinkFailure(const LinkFailure& failure)
{
    const std::lock_guard lock(g_mutex);
    g_failure = failure;
}

std::optional<LinkFailure> TakeLinkFailure()
{
    const std::lock_guard lock(g_mutex);
    return std::exchange(g_failure, std::nullopt);
}

} // namespace hvx
