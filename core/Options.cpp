#include "core/Options.h"

#include "core/Diagnostics.h"

#include <algorithm>

namespace {

const KnownOption* Find(std::span<const KnownOption> known, std::string_view name)
{
    const auto found = std::find_if(known.begin(), known.end(), [name](const KnownOption& option) {
        return option.name == name || (!option.shortName.empty() && option.shortName == name);
    });
    return found == known.end() ? nullptr : &*found;
}

std::string Quoted(std::string_view argument)
{
    std::string quoted;
    AppendQuoted(quoted, argument);
    return quoted;
}

std::string Words(const char* text, std::string_view argument, TextTranslation translate)
{
    return Filled(Translated(kOptionsContext, text, translate), {Quoted(argument)});
}

} // namespace

bool CommandLine::Has(std::string_view name) const
{
    return std::any_of(options.begin(), options.end(), [name](const Option& option) { return option.name == name; });
}

std::optional<std::string> CommandLine::Value(std::string_view name) const
{
    const auto found = std::find_if(options.rbegin(), options.rend(), [name](const Option& option) { return option.name == name; });
    return found == options.rend() ? std::nullopt : std::optional(found->value);
}

CommandLine ReadCommandLine(const std::vector<std::string>& arguments, std::span<const KnownOption> known, Arguments taken)
{
    CommandLine line;
    std::size_t i = 0;
    // The first problem is kept; the rest of the line is still read, for
    // the language it asks for.
    const auto refuse = [&line, &i](CommandLine::Problem problem, const std::string& argument) {
        if (line.problem != CommandLine::Problem::None)
            return;
        line.problem = problem;
        line.argument = argument;
        line.problemPosition = i;
    };
    const auto positional = [&](const std::string& argument) {
        if (taken == Arguments::Refused)
            return false;
        line.positional.push_back(argument);
        return true;
    };
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            while (++i < arguments.size()) {
                if (!positional(arguments[i]))
                    refuse(CommandLine::Problem::UnexpectedArgument, arguments[i]);
            }
            break;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            if (!positional(argument))
                refuse(CommandLine::Problem::UnexpectedArgument, argument);
            continue;
        }
        std::string_view name(argument);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const KnownOption* option = Find(known, name.substr(0, equals));
        // A value given to an option that takes none: no such option.
        if (option == nullptr || (equals != std::string_view::npos && !option->takesValue)) {
            refuse(CommandLine::Problem::UnknownOption, argument);
            continue;
        }
        const std::size_t position = i;
        std::string value;
        if (equals != std::string_view::npos)
            value = name.substr(equals + 1);
        else if (option->takesValue && i + 1 < arguments.size())
            value = arguments[++i];
        else if (option->takesValue) {
            refuse(CommandLine::Problem::MissingValue, argument);
            continue;
        }
        line.options.push_back({option->name, std::move(value), position});
    }
    return line;
}

std::string CommandLineProblemWords(const CommandLine& line, TextTranslation translate)
{
    switch (line.problem) {
    case CommandLine::Problem::UnknownOption:
        return Words(QT_TRANSLATE_NOOP("Options", "неизвестный параметр %1"), line.argument, translate);
    case CommandLine::Problem::MissingValue:
        return Words(QT_TRANSLATE_NOOP("Options", "после %1 нужно значение"), line.argument, translate);
    case CommandLine::Problem::UnexpectedArgument:
        return Words(QT_TRANSLATE_NOOP("Options", "лишний аргумент %1"), line.argument, translate);
    case CommandLine::Problem::None:
        break;
    }
    return {};
}

bool IsLanguageName(std::string_view name)
{
    return name == "ru" || name == "en";
}

std::string UnknownLanguageWords(std::string_view value, TextTranslation translate)
{
    return Words(QT_TRANSLATE_NOOP("Options", "--lang принимает ru или en, а не %1"), value, translate);
}

TextTranslation TranslationNamed(std::string_view name)
{
    return name == "en" ? &TranslateToEnglish : nullptr;
}
