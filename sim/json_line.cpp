#include "sim/json_line.h"

#include <cmath>
#include <cstdio>

std::string jsonQuote(std::string_view value) {
    std::string quoted = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void JsonLine::key(std::string_view name) {
    if (body.size() > 1) {
        body += ',';
    }
    body += jsonQuote(name);
    body += ':';
}

JsonLine& JsonLine::number(std::string_view name, std::int64_t value) {
    key(name);
    body += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::decimal(std::string_view name, double value, int places) {
    key(name);
    if (!std::isfinite(value)) {
        body += "null"; // JSON has no NaN or infinity
        return *this;
    }
    char figure[64];
    std::snprintf(figure, sizeof figure, "%.*f", places, value);
    body += figure;
    return *this;
}

JsonLine& JsonLine::boolean(std::string_view name, bool value) {
    key(name);
    body += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::text(std::string_view name, std::string_view value) {
    key(name);
    body += jsonQuote(value);
    return *this;
}

JsonLine& JsonLine::texts(std::string_view name, const std::vector<std::string>& values) {
    key(name);
    body += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        body += (i ? "," : "") + jsonQuote(values[i]);
    }
    body += ']';
    return *this;
}

JsonLine& JsonLine::raw(std::string_view name, std::string_view json) {
    key(name);
    body += json;
    return *this;
}
