#include "Json.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace daubery::json {

std::optional<long long> Value::integer() const {
    if (auto n = std::get_if<long long>(&data)) return *n;
    if (auto d = std::get_if<double>(&data); d && std::floor(*d) == *d && std::abs(*d) < 9e15)
        return static_cast<long long>(*d);
    return std::nullopt;
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string format(const Value& value) {
    struct Formatter {
        std::string operator()(std::nullptr_t) const { return "null"; }
        std::string operator()(bool b) const { return b ? "true" : "false"; }
        std::string operator()(long long n) const { return std::to_string(n); }
        std::string operator()(double d) const {
            char text[32];
            std::snprintf(text, sizeof text, "%.17g", d);
            return text;
        }
        std::string operator()(const std::string& s) const { return quote(s); }
        std::string operator()(const Array& a) const {
            std::string out = "[";
            for (std::size_t i = 0; i < a.size(); ++i) out += (i ? "," : "") + format(a[i]);
            return out + "]";
        }
    };
    return std::visit(Formatter{}, value.data);
}

namespace {

struct Parser {
    std::string_view text;
    std::size_t at = 0;
    int depth = 0;

    void skipSpace() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r'))
            ++at;
    }
    bool literal(std::string_view word) {
        if (text.substr(at, word.size()) != word) return false;
        at += word.size();
        return true;
    }
    std::optional<Value> value() {
        skipSpace();
        if (at >= text.size()) return std::nullopt;
        const char c = text[at];
        if (c == '"') return string();
        if (c == '[') return array();
        if (literal("true")) return Value(true);
        if (literal("false")) return Value(false);
        if (literal("null")) return Value(nullptr);
        return number();
    }
    // JSON's own grammar: an optional minus, no leading zeros, no plus sign, at most MaxDigits digits.
    std::optional<Value> number() {
        const std::size_t start = at;
        const auto digits = [this] {
            const std::size_t from = at;
            while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
            return at - from;
        };
        if (at < text.size() && text[at] == '-') ++at;
        const std::size_t whole = at;
        const std::size_t wholeDigits = digits();
        if (wholeDigits == 0 || (wholeDigits > 1 && text[whole] == '0')) return std::nullopt;
        bool fraction = false;
        if (at < text.size() && text[at] == '.') {
            ++at;
            if (digits() == 0) return std::nullopt;
            fraction = true;
        }
        if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
            ++at;
            if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
            if (digits() == 0) return std::nullopt;
            fraction = true;
        }
        if (at - start > MaxNumberLength) return std::nullopt;
        const std::string written(text.substr(start, at - start));
        try {
            std::size_t used = 0;
            if (!fraction) {
                const long long n = std::stoll(written, &used);
                if (used == written.size()) return Value(n);
            } else {
                const double d = std::stod(written, &used);
                if (used == written.size() && std::isfinite(d)) return Value(d);
            }
        } catch (...) {
        }
        return std::nullopt;
    }
    std::optional<Value> string() {
        ++at;
        std::string out;
        while (at < text.size() && text[at] != '"') {
            char c = text[at++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at >= text.size()) return std::nullopt;
            c = text[at++];
            switch (c) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case '/':
                out += '/';
                break;
            case '\\':
                out += '\\';
                break;
            case '"':
                out += '"';
                break;
            case 'u': {
                if (at + 4 > text.size()) return std::nullopt;
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = text[at++];
                    if (!std::isxdigit(static_cast<unsigned char>(h))) return std::nullopt;
                    code =
                        code * 16 + unsigned(std::isdigit(static_cast<unsigned char>(h))
                                                 ? h - '0'
                                                 : (std::tolower(static_cast<unsigned char>(h)) - 'a' + 10));
                }
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                break;
            }
            default:
                return std::nullopt;
            }
        }
        if (at >= text.size()) return std::nullopt;
        ++at;
        return Value(std::move(out));
    }
    std::optional<Value> array() {
        if (++depth > MaxDepth) return std::nullopt;
        ++at;
        Array items;
        skipSpace();
        if (at < text.size() && text[at] == ']') {
            ++at;
            --depth;
            return Value(std::move(items));
        }
        while (true) {
            auto item = value();
            if (!item) return std::nullopt;
            items.push_back(std::move(*item));
            skipSpace();
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            if (at < text.size() && text[at] == ']') {
                ++at;
                --depth;
                return Value(std::move(items));
            }
            return std::nullopt;
        }
    }
};

} // namespace

std::optional<Value> parse(std::string_view text) {
    Parser parser{text};
    auto result = parser.value();
    parser.skipSpace();
    if (!result || parser.at != text.size()) return std::nullopt;
    return result;
}

} // namespace daubery::json
