// daubery-headless: the game with no display, driven line by line on standard input. Every line
// gets one answer, in order; answers are written out together whenever no more input is waiting.
#include "headless/Driver.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#endif
#include <unistd.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace {

#ifdef _WIN32
// A pipe tells how much it holds; a file always has more to read; a console waits for the player.
bool inputWaiting() {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const DWORD type = GetFileType(input);
    DWORD available = 0;
    if (type == FILE_TYPE_PIPE)
        return PeekNamedPipe(input, nullptr, 0, nullptr, &available, nullptr) && available > 0;
    return type == FILE_TYPE_DISK;
}
#else
bool inputWaiting() {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) > 0;
}
#endif

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
#ifdef _WIN32
    // Lines end in \n both ways, as on every other system: no \r\n added, no Ctrl+Z taken for the end.
    _setmode(STDIN_FILENO, _O_BINARY);
    _setmode(STDOUT_FILENO, _O_BINARY);
#endif
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
