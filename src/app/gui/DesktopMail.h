#pragma once
// The desktop's mail program: the freedesktop tools where present (the file is attached), else
// the desktop's handler of mailto addresses.

#include "app/SupportSending.h"

namespace hvx::gui {

class DesktopMailClient : public XdgMailClient {
public:
    bool HasMailProgram() override;
    bool OpenMail(const SupportMail& mail) override;
};

} // namespace hvx::gui
