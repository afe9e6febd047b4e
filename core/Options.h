#pragma once

#include "core/Translatable.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The command lines of the window and of regalo-decode, read by one rule
// from each program's table of options: --name value, --name=value, a
// single dash as well as two, "--" before arguments that begin with one.
// The reasons a command line is refused are said in the same words by both.

struct KnownOption {
    std::string_view name;      // "lang": --lang, -lang
    std::string_view shortName; // "h": -h; empty for none
    bool takesValue;
};

struct CommandLine {
    struct Option {
        std::string_view name;
        std::string value;
        std::size_t position; // of the option among the arguments
    };
    enum class Problem { None, UnknownOption, MissingValue, UnexpectedArgument };

    std::vector<Option> options; // in the order given
    std::vector<std::string> positional;
    Problem problem = Problem::None;
    std::string argument; // the argument the problem is about
    std::size_t problemPosition = 0;

    bool Has(std::string_view name) const;
    // The value given last, as the last one counts.
    std::optional<std::string> Value(std::string_view name) const;
};

// Reads the whole line and keeps its first problem; a program that takes no
// arguments but options refuses the first.
enum class Arguments { Taken, Refused };
CommandLine ReadCommandLine(const std::vector<std::string>& arguments, std::span<const KnownOption> known,
                            Arguments taken = Arguments::Taken);

// "неизвестный параметр "--x"", "после "--lang" нужно значение",
// "лишний аргумент "чек.txt"".
std::string CommandLineProblemWords(const CommandLine& line, TextTranslation translate);

// The languages --lang takes; a reason for any other.
bool IsLanguageName(std::string_view name);
std::string UnknownLanguageWords(std::string_view value, TextTranslation translate);
// The translation for a language --lang names: nullptr for Russian.
TextTranslation TranslationNamed(std::string_view name);
