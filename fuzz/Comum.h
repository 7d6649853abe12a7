#pragma once
// What every reader's target checks of what it accepted.
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace fuzz {

// Text that can enter the problem: the project writer (JSON) would refuse anything
// but well-formed UTF-8.
inline void ExigeUtf8(const std::string& s) {
    try {
        (void)nlohmann::json(s).dump();
    } catch (const nlohmann::json::exception&) {
        std::abort();
    }
}

inline void ExigeFinitos(const std::vector<double>& v) {
    for (double x : v)
        if (!std::isfinite(x)) std::abort();
}

}  // namespace fuzz
