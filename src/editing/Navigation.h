#pragma once
// Where the editing view stands: the selected main tab (-1 while no page exists) and, per module
// slot, the selected sub page. Program-wide, so that the page check and printing can ask.

#include <array>

namespace hvx {

struct Navigation {
    int currentTab = -1;
    std::array<int, 3> currentSubPage{};
};

Navigation& navigation();

} // namespace hvx
