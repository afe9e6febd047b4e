#pragma once

#include <string>

// What a run of regalo-decode wrote, and how it ended.
struct CommandRun {
    int exitCode;
    std::string out;
    std::string err;
};
