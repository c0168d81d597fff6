// SPDX-License-Identifier: MIT
// The browser page's commands run natively, to compare with the same core
// compiled to WebAssembly: webnative COMMAND < REQUEST writes the response
// of the function web/exports.h names COMMAND to the request read, the
// texts joined as the page joins them (a text may be longer than a
// command line's argument).

#include "web/exports.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char **argv)
{
    using Command = std::size_t (*)();
    const auto command = argc > 1 ? reinterpret_cast<Command>(dlsym(RTLD_DEFAULT, argv[1])) : nullptr;
    if (!command)
        return 2;
    const std::string request{std::istreambuf_iterator<char>(std::cin), {}};
    std::memcpy(angulon_request(request.size()), request.data(), request.size());
    const std::size_t size = command();
    return std::fwrite(angulon_response(), 1, size, stdout) == size ? 0 : 1;
}
