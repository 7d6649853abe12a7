#pragma once
#include <nlohmann/json.hpp>

// A number as the project and study files write it: a whole value below 2^53 (where
// every whole double is exact) without ".0", any other as the shortest text that reads
// back to the same double. A negative zero keeps its sign ("-0.0").
nlohmann::ordered_json NumeroJson(double x);
