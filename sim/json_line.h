#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Builds one JSON object on one line, with the keys in the order they are added.
class JsonLine {
  public:
    JsonLine& number(std::string_view key, std::int64_t value);
    JsonLine& decimal(std::string_view key, double value, int places);
    JsonLine& boolean(std::string_view key, bool value);
    JsonLine& text(std::string_view key, std::string_view value);
    JsonLine& texts(std::string_view key, const std::vector<std::string>& values);
    JsonLine& raw(std::string_view key, std::string_view json); // a value already in JSON

    std::string str() const { return body + "}"; }

  private:
    void key(std::string_view name);

    std::string body = "{";
};

// The string as a JSON string literal, quotes included.
std::string jsonQuote(std::string_view value);
