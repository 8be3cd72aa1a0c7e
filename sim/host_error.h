// Raised on the host's side when the plugin broke the host's rules (an
// unknown operation, a wrong argument count, ...) or the host was misused.
#pragma once

#include <stdexcept>

namespace thornbrake::sim {

class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace thornbrake::sim
