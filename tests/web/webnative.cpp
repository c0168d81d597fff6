// SPDX-License-Identifier: MIT
// The browser page's commands run natively, to compare with the same core
// compiled to WebAssembly: webnative COMMAND TEXT... writes the response of
// the function web/exports.h names COMMAND.

#include "web/exports.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    using Command = std::size_t (*)();
    const auto command = argc > 1 ? reinterpret_cast<Command>(dlsym(RTLD_DEFAULT, argv[1])) : nullptr;
    if (!command)
        return 2;
    std::string request;
    for (int i = 2; i < argc; ++i)
        request.append(i > 2 ? "\xff" : "").append(argv[i]);
    std::memcpy(angulon_request(request.size()), request.data(), request.size());
    const std::size_t size = command();
    return std::fwrite(angulon_response(), 1, size, stdout) == size ? 0 : 1;
}
