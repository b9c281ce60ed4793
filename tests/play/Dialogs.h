#pragma once
// A table whose test can look into a modal window or message box while it is open: the steps given
// for it run in place of a queued responder, and a window they leave open is then closed with its
// title-bar button, as a player would leave it.

#include "Play.h"

#include <deque>
#include <functional>
#include <string_view>
#include <utility>

namespace play {

class DialogTable : public Table {
public:
    explicit DialogTable(long long seed = 7) : Table(seed) {
        daubery::HeadlessPlatform& platform = *driver.platform();
        platform.answerModal = [this, answer = platform.answerModal](daubery::Form& form) {
            if (modalSteps_.empty()) return answer(form);
            const auto steps = std::move(modalSteps_.front());
            modalSteps_.pop_front();
            steps();
            daubery::Windows& windows = form.windows();
            if (windows.loaded(form.name()) == &form && form.visible()) windows.userClose(form);
            if (windows.loaded(form.name()) == &form && form.visible()) windows.unload(form);
        };
        platform.answerMessageBox = [this, answer = platform.answerMessageBox] {
            if (boxSteps_.empty()) return answer();
            const auto steps = std::move(boxSteps_.front());
            boxSteps_.pop_front();
            steps();
        };
    }

    // The next modal window to open runs these steps.
    void whileOpen(std::function<void()> steps) { modalSteps_.push_back(std::move(steps)); }
    // The next message box to open runs these steps before its OK.
    void whileBoxOpen(std::function<void()> steps) { boxSteps_.push_back(std::move(steps)); }

private:
    std::deque<std::function<void()>> modalSteps_;
    std::deque<std::function<void()>> boxSteps_;
};

} // namespace play
