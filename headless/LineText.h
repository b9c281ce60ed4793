#pragma once
// Reading a command line: words, whole numbers as JSON writes them, indexes, a responder's commands,
// and the short one-line form in which an error quotes what it refuses.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace daubery::line {

std::string_view trim(std::string_view text);
// The first word and the rest, both trimmed.
std::pair<std::string_view, std::string_view> splitWord(std::string_view text);
// A whole number as JSON writes one: an optional minus, digits with no leading zero, no plus sign.
std::optional<long long> wholeNumber(std::string_view text);
// "Label1[49]" into its name and index; "PcCardNumbers[2][17]" into two indexes.
bool splitIndexes(std::string_view segment, std::string_view& name, std::vector<int>& indexes);
// A responder's commands, split at semicolons outside quoted texts.
std::vector<std::string> splitCommands(std::string_view text);
// A reason short enough to read, on one line and in valid UTF-8.
std::string readable(std::string_view reason);

} // namespace daubery::line
