#include "sim/scenario/toml_fields.h"

#include <charconv>
#include <cmath>

#include "sim/scenario/nearest_name.h"

namespace thornbrake::scenario {
namespace {

int LineOf(const toml::source_region& where) {
    return where.begin.line == 0 ? 1 : static_cast<int>(where.begin.line);
}
int ColumnOf(const toml::source_region& where) {
    return where.begin.column == 0 ? 1 : static_cast<int>(where.begin.column);
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string RangeText(const Range& range) {
    std::string text = (range.minInclusive ? "at least " : "more than ") + FormatNumber(range.min) +
                       " and " + (range.maxInclusive ? "at most " : "less than ") +
                       FormatNumber(range.max);
    if (!range.unit.empty()) text += " " + std::string(range.unit);
    return text;
}

bool InRange(double value, const Range& range) {
    if (!std::isfinite(value)) return false;
    const bool aboveMin = range.minInclusive ? value >= range.min : value > range.min;
    const bool belowMax = range.maxInclusive ? value <= range.max : value < range.max;
    return aboveMin && belowMax;
}

std::optional<double> NumberOf(const toml::node& node) {
    if (const auto integer = node.value_exact<std::int64_t>()) return static_cast<double>(*integer);
    if (const auto real = node.value_exact<double>()) return *real;
    return std::nullopt;
}

}  // namespace

void FailAt(const std::string& file, const toml::source_region& where, const std::string& message) {
    throw ScenarioError(file, LineOf(where), ColumnOf(where), message);
}

std::string_view TypeName(const toml::node& node) {
    switch (node.type()) {
        case toml::node_type::table: return "a table";
        case toml::node_type::array: return "an array";
        case toml::node_type::string: return "a string";
        case toml::node_type::integer: return "an integer";
        case toml::node_type::floating_point: return "a number with a fraction";
        case toml::node_type::boolean: return "a boolean";
        case toml::node_type::date: return "a date";
        case toml::node_type::time: return "a time";
        case toml::node_type::date_time: return "a date-time";
        case toml::node_type::none: break;
    }
    return "nothing";
}

std::string FormatNumber(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

TableFields::TableFields(const toml::table& table, std::string context, const std::string& file,
                         std::initializer_list<std::string_view> known)
    : table_(table), context_(std::move(context)), file_(file) {
    const std::vector<std::string_view> names(known);
    for (const auto& [key, node] : table_) {
        const std::string_view name = key.str();
        bool isKnown = false;
        for (const std::string_view candidate : names) isKnown = isKnown || candidate == name;
        if (isKnown) continue;
        std::string message = "unknown field " + Quoted(name) + " in " + context_;
        if (const auto nearest = NearestName(name, std::span<const std::string_view>(names))) {
            message += "; did you mean " + Quoted(*nearest) + "?";
        } else {
            message += "; known fields:";
            for (std::size_t i = 0; i < names.size(); ++i) {
                message += (i == 0 ? " " : ", ") + std::string(names[i]);
            }
        }
        FailAt(file_, key.source(), message);
    }
}

void TableFields::Fail(std::string_view key, const std::string& message) const {
    const toml::node* node = table_.get(key);
    FailAt(file_, node != nullptr ? node->source() : table_.source(), message);
}

void TableFields::FailTable(const std::string& message) const {
    FailAt(file_, table_.source(), message);
}

const toml::node& TableFields::Require(std::string_view key) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) FailTable("missing field " + Quoted(key) + " in " + context_);
    return *node;
}

std::optional<double> TableFields::Number(std::string_view key, const Range& range) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) return std::nullopt;
    const auto value = NumberOf(*node);
    if (!value) Fail(key, Quoted(key) + " must be a number, not " + std::string(TypeName(*node)));
    if (!InRange(*value, range)) {
        Fail(key, Quoted(key) + " must be " + RangeText(range) + ", not " + FormatNumber(*value));
    }
    return value;
}

std::optional<std::int64_t> TableFields::Integer(std::string_view key, const Range& range) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) return std::nullopt;
    const auto value = node->value_exact<std::int64_t>();
    if (!value) {
        Fail(key, Quoted(key) + " must be a whole number, not " + std::string(TypeName(*node)));
    }
    if (!InRange(static_cast<double>(*value), range)) {
        Fail(key, Quoted(key) + " must be " + RangeText(range) + ", not " + std::to_string(*value));
    }
    return value;
}

std::optional<bool> TableFields::Boolean(std::string_view key) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) return std::nullopt;
    const auto value = node->value_exact<bool>();
    if (!value) {
        Fail(key, Quoted(key) + " must be true or false, not " + std::string(TypeName(*node)));
    }
    return value;
}

std::optional<std::string> TableFields::String(std::string_view key) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) return std::nullopt;
    const auto value = node->value_exact<std::string>();
    if (!value) Fail(key, Quoted(key) + " must be a string, not " + std::string(TypeName(*node)));
    return value;
}

std::optional<Point> TableFields::Position(std::string_view key) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) return std::nullopt;
    const toml::array* array = node->as_array();
    const std::string expected = Quoted(key) + " must be a position [x, y] or [x, y, z] in metres";
    if (array == nullptr) Fail(key, expected + ", not " + std::string(TypeName(*node)));
    if (array->size() < 2 || array->size() > 3) {
        Fail(key, expected + ", not an array of " + std::to_string(array->size()));
    }
    double xyz[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < array->size(); ++i) {
        const toml::node& element = *array->get(i);
        const auto value = NumberOf(element);
        if (!value) {
            FailAt(file_, element.source(),
                   expected + "; element " + std::to_string(i + 1) + " is " +
                       std::string(TypeName(element)));
        }
        if (!std::isfinite(*value) || std::fabs(*value) > 1.0e6) {
            FailAt(file_, element.source(),
                   Quoted(key) + " coordinates must lie within 1000000 m of the origin, not " +
                       FormatNumber(*value));
        }
        xyz[i] = *value;
    }
    return Point{xyz[0], xyz[1], xyz[2]};
}

const toml::table* TableFields::Table(std::string_view key) const {
    const toml::node* node = table_.get(key);
    if (node == nullptr) return nullptr;
    const toml::table* table = node->as_table();
    if (table == nullptr) {
        Fail(key, Quoted(key) + " must be a table ([" + std::string(key) + "]), not " +
                      std::string(TypeName(*node)));
    }
    return table;
}

std::vector<const toml::table*> TableFields::TableArray(std::string_view key) const {
    std::vector<const toml::table*> tables;
    const toml::node* node = table_.get(key);
    if (node == nullptr) return tables;
    const toml::array* array = node->as_array();
    const std::string expected =
        Quoted(key) + " must be a list of tables ([[" + std::string(key) + "]])";
    if (array == nullptr) Fail(key, expected + ", not " + std::string(TypeName(*node)));
    for (const toml::node& element : *array) {
        const toml::table* table = element.as_table();
        if (table == nullptr) {
            FailAt(file_, element.source(),
                   expected + "; this element is " + std::string(TypeName(element)));
        }
        tables.push_back(table);
    }
    return tables;
}

}  // namespace thornbrake::scenario
