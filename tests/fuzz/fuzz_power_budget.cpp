// SPDX-License-Identifier: MIT
// Any seventeen texts: the budget never fails, and what it shows is consistent.
#include "core/classes/power_budget.h"
#include "fuzz_input.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keelwright;
    const auto parts = fuzz::texts(data, size);
    PowerTexts texts;
    texts.fill("0");
    for (std::size_t i = 0; i < parts.size() && i < texts.size(); ++i)
        texts[i] = parts[i];
    const auto figures = computeBudget(texts);
    if (!figures)
        return 0;
    const long total = std::stol(figures->totalUsage);
    if (total < -32768 || total > 32767 || figures->reactorOutput != texts[0] ||
        figures->freePower.empty())
        std::abort();
    return 0;
}
