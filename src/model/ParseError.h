#pragma once

#include <stdexcept>

// A reply body that is not a timeline document the program can take whole.
class TParseError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
