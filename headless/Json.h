#pragma once
// The few JSON values the headless driver speaks: numbers, true/false, null, strings and arrays.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace daubery::json {

struct Value;
using Array = std::vector<Value>;

struct Value {
    std::variant<std::nullptr_t, bool, long long, double, std::string, Array> data = nullptr;

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool b) : data(b) {}
    Value(int n) : data(static_cast<long long>(n)) {}
    Value(long long n) : data(n) {}
    Value(double d) : data(d) {}
    Value(std::string s) : data(std::move(s)) {}
    Value(const char* s) : data(std::string(s)) {}
    Value(Array a) : data(std::move(a)) {}

    const bool* boolean() const { return std::get_if<bool>(&data); }
    std::optional<long long> integer() const;
    const std::string* string() const { return std::get_if<std::string>(&data); }
    const Array* array() const { return std::get_if<Array>(&data); }
};

std::string format(const Value& value);
std::string quote(std::string_view text);
// Arrays nest at most this deep; a number is at most this many characters long.
inline constexpr int MaxDepth = 16;
inline constexpr std::size_t MaxNumberLength = 24;

// The whole text must be one value.
std::optional<Value> parse(std::string_view text);

} // namespace daubery::json
