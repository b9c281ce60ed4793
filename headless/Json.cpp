#include "Json.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace daubery::json {

std::optional<long long> Value::integer() const {
    if (auto n = std::get_if<long long>(&data)) return *n;
    return std::nullopt;
}

std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    // The lead byte gives the length and the smallest second byte that is no overlong form or surrogate.
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead == 0xE0)
        length = 3, low = 0xA0;
    else if (lead == 0xED)
        length = 3, high = 0x9F;
    else if (lead >= 0xE1 && lead <= 0xEF)
        length = 3;
    else if (lead == 0xF0)
        length = 4, low = 0x90;
    else if (lead == 0xF4)
        length = 4, high = 0x8F;
    else if (lead >= 0xF1 && lead <= 0xF3)
        length = 4;
    if (length == 0 || at + length > text.size() || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    return length;
}

namespace {

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (const std::size_t length = utf8Length(text, at); length != 1) {
            // A text from outside JSON may hold bytes that are no UTF-8; they are shown as U+FFFD.
            out += length == 0 ? "\\ufffd" : text.substr(at, length);
            at += length == 0 ? 0 : length - 1;
            continue;
        }
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
            // -0 is a number JSON allows but no whole number a value is set to.
            if (!fraction && written != "-0") {
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
    std::optional<unsigned> hex4() {
        if (at + 4 > text.size()) return std::nullopt;
        unsigned code = 0;
        const auto [end, ec] = std::from_chars(text.data() + at, text.data() + at + 4, code, 16);
        if (ec != std::errc() || end != text.data() + at + 4) return std::nullopt;
        at += 4;
        return code;
    }
    std::optional<Value> string() {
        ++at;
        std::string out;
        while (at < text.size() && text[at] != '"') {
            char c = text[at];
            if (c != '\\') {
                const std::size_t length = utf8Length(text, at);
                if (length == 0 || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
                out += text.substr(at, length);
                at += length;
                continue;
            }
            ++at;
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
                auto code = hex4();
                if (code && *code >= 0xD800 && *code <= 0xDBFF && literal("\\u")) {
                    const auto low = hex4();
                    if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
                    code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                }
                // No NUL, and no half of a surrogate pair on its own.
                if (!code || *code == 0 || (*code >= 0xD800 && *code <= 0xDFFF)) return std::nullopt;
                appendUtf8(out, *code);
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
