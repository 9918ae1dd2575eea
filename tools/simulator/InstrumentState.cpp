#include "InstrumentState.h"

namespace hvxsim {

std::string InstrumentState::AccessCode() const
{
    const auto code = parameterSet.zugangscode();
    return std::string(code.begin(), code.end());
}

void InstrumentState::SetAccessCode(const std::string& code, bool active)
{
    std::array<char, hvx::layout::kZugangscodeGroesse> characters{};
    for (std::size_t i = 0; i < characters.size(); ++i)
        characters[i] = i < code.size() ? code[i] : '0';
    parameterSet.setZugangscode(characters);
    parameterSet.setZugangscodeAktiv(active ? 1 : 0);
}

} // namespace hvxsim
