#include "app/cli/AnsweringInteraction.h"

namespace hvx::cli {

std::optional<QString> AnsweringInteraction::askAccessCode()
{
    if (m_answered)
        return m_next.askAccessCode();
    m_answered = true;
    return m_accessCode;
}

} // namespace hvx::cli
