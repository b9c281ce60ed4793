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
// The length of the UTF-8 character that starts at text[at], or 0 when the bytes there are none.
std::size_t utf8Length(std::string_view text, std::size_t at);
std::string quote(std::string_view text);
// Arrays nest at most this deep; a number is at most this many characters long.
inline constexpr int MaxDepth = 16;
inline constexpr std::size_t MaxNumberLength = 24;

// The whole text must be one value; a string holds valid UTF-8 with no control character unescaped
// and no NUL.
std::optional<Value> parse(std::string_view text);

} // namespace daubery::json
