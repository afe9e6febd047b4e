#include "core/LogFeed.h"

#include <algorithm>

void LogFeed::Feed(std::string_view piece, LogScan::Emit emit)
{
    // The end of the text (an empty piece) drains what is left.
    do {
        const std::span<char> space = lines_.Space();
        const std::size_t size = std::min(space.size(), piece.size());
        std::copy_n(piece.data(), size, space.data());
        piece.remove_prefix(size);
        lines_.Took(size);
        TextLines::Line line;
        while (lines_.Next(line))
            scan_.Line(line.text, line.number, line.continues, emit);
    } while (!piece.empty());
}
