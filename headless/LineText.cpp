#include "LineText.h"

#include "Json.h"

#include <algorithm>
#include <charconv>

namespace daubery::line {

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::pair<std::string_view, std::string_view> splitWord(std::string_view text) {
    text = trim(text);
    const auto space = text.find_first_of(" \t");
    if (space == std::string_view::npos) return {text, {}};
    return {text.substr(0, space), trim(text.substr(space + 1))};
}

std::optional<long long> wholeNumber(std::string_view text) {
    long long n = 0;
    text = trim(text);
    const std::string_view digits = text.substr(text.starts_with('-') ? 1 : 0);
    if (digits.empty() || digits.size() > 19 || (digits.size() > 1 && digits.front() == '0') || text == "-0")
        return std::nullopt;
    if (!std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

bool splitIndexes(std::string_view segment, std::string_view& name, std::vector<int>& indexes) {
    const auto bracket = segment.find('[');
    name = segment.substr(0, bracket);
    if (name.empty()) return false;
    while (bracket != std::string_view::npos && !segment.substr(name.size()).empty()) {
        std::string_view rest = segment.substr(name.size());
        std::size_t at = 0;
        while (at < rest.size()) {
            if (rest[at] != '[') return false;
            const auto close = rest.find(']', at);
            if (close == std::string_view::npos) return false;
            // An element is named by a number from 0 up; no window or table is larger than this.
            const auto n = wholeNumber(rest.substr(at + 1, close - at - 1));
            if (!n || *n < 0 || *n > 1000000) return false;
            indexes.push_back(int(*n));
            at = close + 1;
        }
        break;
    }
    return true;
}

std::vector<std::string> splitCommands(std::string_view text) {
    std::vector<std::string> commands;
    std::string current;
    bool quoted = false, escaped = false;
    for (const char c : text) {
        if (escaped)
            escaped = false;
        else if (quoted && c == '\\')
            escaped = true;
        else if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted) {
            if (!trim(current).empty()) commands.emplace_back(trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!trim(current).empty()) commands.emplace_back(trim(current));
    return commands;
}

std::string readable(std::string_view reason) {
    constexpr std::size_t MaxReason = 160;
    std::string out;
    for (std::size_t at = 0; at < reason.size();) {
        if (out.size() >= MaxReason) return out + "...";
        const auto byte = static_cast<unsigned char>(reason[at]);
        if (const std::size_t length = json::utf8Length(reason, at); length > 1) {
            out += reason.substr(at, length);
            at += length;
            continue;
        }
        ++at;
        if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            // A control character, or a byte that is no character of UTF-8.
            constexpr char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += char(byte);
        }
    }
    return out;
}

} // namespace daubery::line
