// Typed, checked access to the fields of one TOML table of a scenario file.
// Every mistake throws ScenarioError pointing at the offending key or value.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <toml++/toml.h>

#include "sim/scenario/scenario.h"
#include "sim/scenario/scenario_error.h"

namespace thornbrake::scenario {

// Accepted values of a number: lower and upper bounds, each inclusive or not.
struct Range {
    double min;
    double max;
    bool minInclusive = true;
    bool maxInclusive = true;
    std::string_view unit = "";  // printed after the bounds, e.g. "m/s"
};

[[noreturn]] void FailAt(const std::string& file, const toml::source_region& where,
                         const std::string& message);

class TableFields {
public:
    // Rejects any key not in `known`, suggesting the nearest known one.
    // `context` names the table in messages, e.g. "[[route]]" or "the top level".
    TableFields(const toml::table& table, std::string context, const std::string& file,
                std::initializer_list<std::string_view> known);

    bool Has(std::string_view key) const { return table_.contains(key); }
    const toml::node* Get(std::string_view key) const { return table_.get(key); }
    const toml::table& table() const { return table_; }
    const std::string& file() const { return file_; }

    std::optional<double> Number(std::string_view key, const Range& range) const;
    std::optional<std::int64_t> Integer(std::string_view key, const Range& range) const;
    std::optional<bool> Boolean(std::string_view key) const;
    std::optional<std::string> String(std::string_view key) const;
    // [x, y] or [x, y, z]; z defaults to 0.
    std::optional<Point> Position(std::string_view key) const;
    const toml::table* Table(std::string_view key) const;
    // An array of tables ([[name]]); an absent key is an empty list.
    std::vector<const toml::table*> TableArray(std::string_view key) const;

    // The key must be present.
    const toml::node& Require(std::string_view key) const;
    [[noreturn]] void Fail(std::string_view key, const std::string& message) const;
    [[noreturn]] void FailTable(const std::string& message) const;

private:
    const toml::table& table_;
    std::string context_;
    const std::string& file_;
};

// "a string", "an integer", ... for messages about wrong types.
std::string_view TypeName(const toml::node& node);

std::string FormatNumber(double value);

}  // namespace thornbrake::scenario
