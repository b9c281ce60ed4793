#pragma once
// The name of a picture as a control holds it: short, kept inline, copied and compared as a few
// machine words. The falling ball hands its frames' names on forty times a second.

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace daubery {

class PictureName {
public:
    // Every picture the game has is named in fewer characters ("help-four-corners" is the longest).
    static constexpr std::size_t MaxLength = 23;
    static constexpr bool fits(std::string_view name) { return name.size() <= MaxLength; }

    constexpr PictureName() = default;
    // A longer name keeps its first MaxLength characters: no picture is named like that.
    constexpr PictureName(std::string_view name) {
        const std::size_t length = name.size() < MaxLength ? name.size() : MaxLength;
        for (std::size_t k = 0; k < length; ++k) text_[k] = name[k];
        text_[MaxLength] = char(length);
    }
    PictureName(const std::string& name) : PictureName(std::string_view(name)) {}
    PictureName(const char* name) : PictureName(std::string_view(name)) {}

    std::string_view view() const { return {text_.data(), std::size_t(text_[MaxLength])}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return text_[MaxLength] == 0; }

    friend bool operator==(const PictureName& a, const PictureName& b) {
        return std::memcmp(a.text_.data(), b.text_.data(), sizeof a.text_) == 0;
    }
    friend bool operator==(const PictureName& a, std::string_view b) { return a.view() == b; }

private:
    // The characters, zeros after them, and in the last byte the length.
    std::array<char, MaxLength + 1> text_{};
};

} // namespace daubery
