#pragma once

#include "core/ErrorCodes.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A log's chart, computed once for every face that draws it, across a width
// of columns: an axis with its ticks, a lane for the receipt state, one for
// each flag that changed and one for each error code, each named in words
// so that it reads without hovering.
struct LogChart {
    bool byTime = false; // else by line, where the log has no times
    int columns = 0;
    // The axis' ends and ticks: times in the one form, the clock at each
    // tick and under it the date where it changes (and at the first); days
    // for a log of weeks; or line numbers.
    std::string from;
    std::string to;
    struct Tick {
        int column;
        std::string label;
        std::string date; // empty but where it changes
    };
    std::vector<Tick> ticks;

    // The receipt state in force, column by column, joined into spans; the
    // states shown, by number, with their captions.
    std::string stateLane; // "Состояние чека"
    struct StateSpan {
        int first;
        int last;
        int state;
    };
    std::vector<StateSpan> states;
    std::vector<std::pair<int, std::string>> stateNames;

    // Each flag that changed: the columns where it was set, as spans.
    struct FlagLane {
        int flag; // byte * 8 + bit
        std::string name; // "байт 1: (4) Закончилась чековая лента"
        std::vector<std::pair<int, int>> spans;
    };
    std::vector<FlagLane> flags;

    // Each error code: how often it came and the columns it came in.
    struct CodeLane {
        ErrorCode code;
        std::uint64_t count;
        std::string name; // "0501 ×3"
        std::vector<int> columns;
    };
    std::vector<CodeLane> codes;
};
