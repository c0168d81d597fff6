#pragma once

#include <thread>

// Adds the Tahoma twin, which ships outside fontconfig's folders, so the
// designed layout keeps its proportions where the desktop lacks Tahoma.
// (A missing Arial is replaced by its twin where fonts are made.)
void registerFontTwins();

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
