#include "core/NumeroJson.h"

#include <cmath>
#include <cstdint>

nlohmann::ordered_json NumeroJson(double x) {
    constexpr double Limite = 9007199254740992.0;  // 2^53: every whole double below is exact
    if (x == std::trunc(x) && std::fabs(x) < Limite && !(x == 0.0 && std::signbit(x)))
        return nlohmann::ordered_json(static_cast<std::int64_t>(x));
    return nlohmann::ordered_json(x);
}
