#pragma once
#include <stdexcept>
#include <string>

// Text that does not convert to a number; the message quotes the text as typed.
class ErroConversao : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Arithmetic of an analysis that failed (zero length, zero pivot, non-finite value).
class ErroCalculo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input refused before any computation (capacities, malformed project file, bad command line).
class ErroEntrada : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
