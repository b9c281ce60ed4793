// daubery-headless: the game with no display, driven line by line on standard input. Every line
// gets one answer, in order; answers are written out together whenever no more input is waiting.
#include "headless/Driver.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace {

bool inputWaiting() {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) > 0;
}

void writeAll(std::string& out) {
    std::size_t written = 0;
    while (written < out.size()) {
        const ssize_t n = write(STDOUT_FILENO, out.data() + written, out.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += std::size_t(n);
    }
    out.clear();
}

} // namespace

int main() {
    daubery::Driver driver;
    std::string pending; // input not yet answered: the start of a line
    std::string out;
    std::size_t overlong = 0; // the length so far of a line too long to keep, while it is skipped
    char buffer[1 << 16];

    const auto answer = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out += driver.execute(line);
        out += '\n';
    };
    const auto answerOverlong = [&] {
        out += "error line too long: " + std::to_string(overlong) + " bytes, at most " +
               std::to_string(daubery::Driver::MaxLineLength) + "\n";
        overlong = 0;
    };

    for (;;) {
        if (!inputWaiting() || out.size() > sizeof buffer) writeAll(out);
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        std::string_view in(buffer, std::size_t(n));
        while (!in.empty()) {
            const std::size_t end = in.find('\n');
            const std::string_view piece = in.substr(0, end);
            if (overlong > 0 || pending.size() + piece.size() > daubery::Driver::MaxLineLength + 1) {
                overlong += pending.size() + piece.size();
                pending.clear();
            } else {
                pending += piece;
            }
            if (end == std::string_view::npos) break;
            in.remove_prefix(end + 1);
            if (overlong > 0)
                answerOverlong();
            else
                answer(pending);
            pending.clear();
        }
    }
    // A last line without its newline still gets its answer.
    if (overlong > 0)
        answerOverlong();
    else if (!pending.empty())
        answer(pending);
    writeAll(out);
    return 0;
}
