#include "core/FormatParts.h"

#include "core/Explanation.h"

#include <algorithm>

const std::string& ChangeWords::Of(const StatusBytes& before, const StatusBytes& after)
{
    for (const Kept& kept : kept_) {
        if (kept.before == before && kept.after == after)
            return kept.words;
    }
    std::string words = ExplainFlagChanges(before, after, translate_);
    std::replace(words.begin(), words.end(), '\n', separator_);
    if (kept_.size() < kKept) {
        kept_.push_back({before, after, std::move(words)});
        return kept_.back().words;
    }
    Kept& replaced = kept_[next_];
    next_ = (next_ + 1) % kKept;
    replaced = {before, after, std::move(words)};
    return replaced.words;
}
