// A mistake in a scenario file, reported as "file:line:column: message".
#pragma once

#include <stdexcept>
#include <string>

namespace thornbrake::scenario {

class ScenarioError : public std::runtime_error {
public:
    ScenarioError(const std::string& file, int line, int column, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ":" + std::to_string(column) +
                             ": " + message),
          line_(line),
          column_(column),
          message_(message) {}

    int line() const { return line_; }
    int column() const { return column_; }
    const std::string& message() const { return message_; }

private:
    int line_;
    int column_;
    std::string message_;
};

}  // namespace thornbrake::scenario
