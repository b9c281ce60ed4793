#pragma once
// The game with no display: a virtual clock, message boxes and modal windows answered by the
// driver, and a record of every beep and command line.

#include "platform/Platform.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace daubery {

class HeadlessPlatform : public Platform {
public:
    std::int64_t now() override { return clock; }
    std::uint64_t clockSeed() override { return std::uint64_t(clock); }
    void tickAt(std::int64_t due) override { clock = std::max(clock, due); }
    void attach(Form&) override {}
    void detach(Form&) override {}
    void show(Form&) override {}
    void hide(Form&) override {}
    void runModal(Form& form) override { answerModal(form); }
    void messageBox(const std::string& title, const std::string& text) override;
    void beep() override { ++beeps; }
    bool runCommand(const std::string& commandLine, WindowStyle style) override;
    void pumpEvents() override {}
    void timersChanged() override {}
    void quit() override { quitCalled = true; }

    std::int64_t clock = 0;
    // The last message boxes and command lines, the oldest forgotten beyond LogLength.
    static constexpr std::size_t LogLength = 100;
    std::vector<std::pair<std::string, std::string>> messageBoxes;
    int beeps = 0;
    std::vector<std::pair<std::string, int>> commands;
    // Command lines beginning with one of these fail to start, as on a machine without them.
    std::vector<std::string> failingCommands;
    bool quitCalled = false;

    std::function<void(Form&)> answerModal;
    std::function<void()> answerMessageBox;
};

} // namespace daubery
