#pragma once

#include "simoptions.h"

// The command line of dsosim.
class OptionParser {
public:
    // Throws std::invalid_argument with a message for the user.
    [[nodiscard]] static SimOptions parse(int argc, const char* const* argv);
    [[nodiscard]] static const char* usage();
};
