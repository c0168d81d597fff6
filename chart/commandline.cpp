// SPDX-License-Identifier: MIT

#include "chart/commandline.h"

#include "core/fieldrules.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>

namespace chart {

std::variant<Arguments, UsageError> readArguments(std::span<const std::string_view> arguments,
                                                  std::span<const Spelling> spellings, bool operands)
{
    Arguments read;
    int slots = 0;
    for (const Spelling &spelling : spellings)
        slots = std::max(slots, spelling.slot + 1);
    read.values.resize(static_cast<std::size_t>(slots));
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        std::optional<std::string_view> attached;
        // "--from=5" as well as "--from 5"; "-o" takes its file only apart.
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != argument.npos) {
            attached = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const auto spelling = std::ranges::find(spellings, argument, &Spelling::name);
        if (spelling == spellings.end()) {
            // A sound path of "-3" is a number to refuse as such, not an option.
            const bool option = argument.starts_with("-") && argument.size() > 1
                                && !(operands
                                     && (std::isdigit(static_cast<unsigned char>(argument[1])) || argument[1] == '.'
                                         || argument[1] == ','));
            if (option)
                return UsageError{std::string(argument), "unknown option"};
            if (!operands)
                return UsageError{std::string(argument), "unexpected argument; options need their name"};
            read.operands.emplace_back(arguments[i]);
            continue;
        }
        const std::string name(spelling->name);
        std::optional<std::string> &value = read[spelling->slot];
        if (value)
            return UsageError{name, "given twice"};
        if (!spelling->takesValue) {
            if (attached)
                return UsageError{name, "takes no value"};
            value = "";
            continue;
        }
        if (!attached) {
            if (i + 1 == arguments.size())
                return UsageError{name, "needs a value"};
            attached = arguments[++i];
        }
        value = std::string(*attached);
    }
    return read;
}

std::variant<bool, UsageError> readUnit(const std::optional<std::string> &value)
{
    if (!value)
        return true;
    const std::string unit = lowerCase(*value);
    if (unit != "in" && unit != "mm")
        return UsageError{"--unit", "must be in or mm"};
    return unit == "in";
}

std::variant<char, UsageError> readDecimal(const std::optional<std::string> &value, char localeDecimal)
{
    if (!value)
        return localeDecimal;
    if (*value != "." && *value != ",")
        return UsageError{"--decimal", "must be . or ,"};
    return value->front();
}

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

char localeDecimal()
{
    std::setlocale(LC_NUMERIC, "");
    const char decimal = core::decimalSeparator(std::localeconv()->decimal_point);
    std::setlocale(LC_NUMERIC, "C");
    return decimal;
}

int refuse(std::string_view program, std::string_view option, std::string_view problem)
{
    std::fprintf(stderr, "%.*s: %.*s: %.*s\n", static_cast<int>(program.size()), program.data(),
                 static_cast<int>(option.size()), option.data(), static_cast<int>(problem.size()), problem.data());
    return 2;
}

} // namespace chart
