#pragma once
// hvxcli print needs the window system's painter and fonts, so it lives beside the window code;
// the program adds it to the command table before it runs a command.

#include "app/cli/CliCommand.h"

namespace hvx::cli {

const CliCommand& PrintCommand();

} // namespace hvx::cli
