// daubery-headless: the game with no display, driven line by line on standard input.
#include "headless/Driver.h"

#include <iostream>
#include <string>

int main() {
    std::ios::sync_with_stdio(false);
    daubery::Driver driver;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.empty() || line.front() == '#') continue;
        std::cout << driver.execute(line) << '\n' << std::flush;
    }
    return 0;
}
