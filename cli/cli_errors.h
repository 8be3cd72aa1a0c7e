// Exit codes and the errors that end a command.
#pragma once

#include <stdexcept>

namespace thornbrake::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWarnings = 1;  // check-settings --strict found something
inline constexpr int kExitBadInput = 2;  // bad arguments, unreadable or invalid files

// A file or argument the user gave cannot be used; the message names it.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace thornbrake::cli
