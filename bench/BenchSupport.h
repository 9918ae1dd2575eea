#pragma once
// What the benchmarks share: nobody watches a benchmark, so there are no boxes and no progress.

#include "base/UserInteraction.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace hvxbench {

class SilentInteraction final : public hvx::IUserInteraction {
public:
    int messageBox(const QString& text, unsigned, unsigned) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return hvx::IDOK;
    }
    std::optional<QString> askAccessCode() override { return std::nullopt; }
    void progressBegin(const QString&, int) override {}
    void progressStep(int) override {}
    void progressEnd() override {}
    std::optional<QString> chooseFile(const hvx::FileChoice&) override { return std::nullopt; }
    void idle() override {}
    void beginWait() override {}
    void endWait() override {}
    bool isBatch() const override { return true; }
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace hvxbench
