#include "app/WindowOptions.h"

#include "core/ErrorCodes.h"
#include "core/StatusLine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Qt's own options (QApplication and its platforms), with one dash or two.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",  "geometry",           "style",         "stylesheet", "session", "name", "title", "qmljsdebugger",
};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

WindowOptions ParseWindowOptions(const std::vector<std::string>& arguments)
{
    WindowOptions options;
    bool help = false;
    bool version = false;
    auto refuse = [&options](WindowOptions::Problem problem, const std::string& argument) {
        options.action = WindowOptions::Action::Refuse;
        options.problem = problem;
        options.argument = argument;
        return options;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            if (i + 1 < arguments.size())
                return refuse(WindowOptions::Problem::UnexpectedArgument, arguments[i + 1]);
            break;
        }
        if (argument.size() < 2 || argument[0] != '-')
            return refuse(WindowOptions::Problem::UnexpectedArgument, argument);

        std::string_view name(argument);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        std::string_view attached;
        const bool hasAttached = name.find('=') != std::string_view::npos;
        if (hasAttached) {
            attached = name.substr(name.find('=') + 1);
            name = name.substr(0, name.find('='));
        }
        const bool ours = name == "lang" || name == "status" || name == "code";
        const bool takesValue = ours || Contains(kQtOptionsWithValue, name);
        std::string value;
        if (takesValue) {
            if (hasAttached) {
                value = attached;
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return refuse(WindowOptions::Problem::MissingValue, argument);
            }
        } else if (hasAttached) {
            return refuse(WindowOptions::Problem::UnknownOption, argument);
        }

        if (name == "lang") {
            if (value != "ru" && value != "en")
                return refuse(WindowOptions::Problem::UnknownLanguage, value);
            options.language = value;
        } else if (name == "status") {
            if (!ReadStatusLine(value))
                return refuse(WindowOptions::Problem::BadStatusLine, value);
            options.status = value;
        } else if (name == "code") {
            if (!ReadErrorCode(value, CodeLetters::EitherCase))
                return refuse(WindowOptions::Problem::BadErrorCode, value);
            options.code = value;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "-v" || argument == "--version") {
            version = true;
        } else if (!takesValue && !Contains(kQtFlags, name)) {
            return refuse(WindowOptions::Problem::UnknownOption, argument);
        }
    }
    options.action = help ? WindowOptions::Action::Help : version ? WindowOptions::Action::Version : WindowOptions::Action::Run;
    return options;
}
