// SPDX-License-Identifier: MIT

#pragma once

#include <thread>

// Loads the desktop's font configuration on a thread of its own, so that the
// slowest step of start-up overlaps the toolkit's connection to the display.
// Nothing may use a font before wait() has returned.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload &) = delete;
    FontConfigPreload &operator=(const FontConfigPreload &) = delete;

    void wait();

private:
    std::thread thread_;
};
