#include "HeadlessPlatform.h"

namespace daubery {

void HeadlessPlatform::messageBox(const std::string& title, const std::string& text) {
    messageBoxes.emplace_back(title, text);
    if (messageBoxes.size() > LogLength) messageBoxes.erase(messageBoxes.begin());
    if (answerMessageBox) answerMessageBox();
}

bool HeadlessPlatform::runCommand(const std::string& commandLine, WindowStyle style) {
    commands.emplace_back(commandLine, int(style));
    if (commands.size() > LogLength) commands.erase(commands.begin());
    for (const std::string& failing : failingCommands)
        if (commandLine.rfind(failing, 0) == 0) return false;
    return true;
}

} // namespace daubery
