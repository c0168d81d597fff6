// SPDX-License-Identifier: MIT

#include "shell/fontconfigpreload.h"

#include <system_error>

#if ANGULON_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigPreload::FontConfigPreload()
{
#if ANGULON_HAVE_FONTCONFIG
    // Qt's own first call then finds the configuration loaded. Without a
    // thread to spare, Qt simply loads it when it needs it.
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
    }
#endif
}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::wait()
{
    if (thread_.joinable())
        thread_.join();
}
