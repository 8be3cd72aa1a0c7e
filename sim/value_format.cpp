#include "sim/value_format.h"

#include <charconv>
#include <cmath>

namespace thornbrake::sim {

void AppendInt(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

void AppendFloat(std::string& out, float value, bool json) {
    if (!std::isfinite(value)) {
        const std::string_view word = std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity";
        if (json) out += '"';
        out += word;
        if (json) out += '"';
        return;
    }
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
    // JSON readers take "41" and "-0" for integers, which loses the sign of
    // zero and the kind; a float always shows a point or an exponent there.
    if (json && std::string_view(buffer, end).find_first_of(".e") == std::string_view::npos) {
        out += ".0";
    }
}

void AppendQuoted(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (byte < 0x20 || byte >= 0x7F) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

}  // namespace thornbrake::sim
