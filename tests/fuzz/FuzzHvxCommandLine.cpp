// The command line of hvx: any arguments (split at NUL bytes). The port always ends within 0..255.
#include "FuzzApp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CHVXApp& app = hvx::fuzz::App();
    const auto standard = app.ParseCommandLine(hvx::fuzz::Arguments(data, size));
    if (app.m_nPort < 0 || app.m_nPort > 255)
        std::abort();
    for (const auto& argument : standard) {
        if (argument.isFlag && argument.text.isNull())
            std::abort();
    }
    return 0;
}
