#include "form/FieldKeys.h"
#include "form/MaskEditModel.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Characters a user could bring: digits, Latin, Cyrillic, separators, the
// blank characters themselves, and some outside the code page.
const char32_t kPool[] = U"0189AaFfGzЖжЁёЇґЎ -:_!№\n\t中😀";

char32_t PoolChar(std::uint8_t byte)
{
    return kPool[byte % (std::size(kPool) - 1)];
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckInvariants(const MaskEditModel& model, const std::u32string& mask)
{
    const auto length = static_cast<std::size_t>(model.Length());
    Check(model.DisplayText().size() == length);
    Check(model.Text().size() == length);
    Check(model.SelStart() >= 0 && model.SelStart() + model.SelLength() <= model.Length());
    // Literals never change.
    std::size_t offset = 0;
    for (std::size_t i = 0; i < mask.size() && mask[i] != U';'; ++i, ++offset) {
        if (mask[i] == U'\\') {
            ++i;
            Check(model.DisplayText()[offset] == mask[i]);
        }
    }
}

} // namespace

// Arbitrary sequences of everything a user or the program can do to a field.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::u32string mask = data[0] % 2 ? U"AA\\ AA\\ AA\\ AA\\ AA\\ AA;1;" : U"AAAA;1; ";
    MaskEditModel model(mask);
    int depth = 0;
    // A change handler that, like the window's, may write the text back.
    model.OnChange = [&] {
        if (depth > 2)
            return;
        ++depth;
        if (model.Text().find(U'G') != std::u32string::npos)
            model.SetText(data[0] % 2 ? U"80 80 80 80 80 80" : U"0000");
        --depth;
    };
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const std::uint8_t argument = data[i + 1];
        switch (data[i] % 20) {
        case 0: case 1: case 2: case 3: model.TypeChar(PoolChar(argument)); break;
        case 4: model.Backspace(); break;
        case 5: model.Delete(); break;
        case 6: model.MoveLeft(argument & 1); break;
        case 7: model.MoveRight(argument & 1); break;
        case 8: model.WordLeft(argument & 1); break;
        case 9: model.WordRight(argument & 1); break;
        case 10: model.Home(argument & 1); break;
        case 11: model.End(argument & 1); break;
        case 12: model.PlaceCaret(argument % 24 - 2); break;
        case 13: model.Select(argument % 20 - 1, argument / 12 - 1); break;
        case 14: {
            std::u32string clip;
            for (std::size_t k = 0; k < argument % 24; ++k)
                clip.push_back(PoolChar(static_cast<std::uint8_t>(argument * 7 + k * 13)));
            model.Paste(clip);
            break;
        }
        case 15: model.Cut(); break;
        case 16: {
            std::u32string text;
            for (std::size_t k = 0; k < argument % 24; ++k)
                text.push_back(PoolChar(static_cast<std::uint8_t>(argument + k * 5)));
            model.SetText(text);
            break;
        }
        case 17: model.Escape(); break;
        case 18: {
            const FieldKeyOutcome outcome = PressKey(model, {FieldKey::Enter});
            if (outcome.incompleteAt)
                Check(model.Modified() && model.FirstIncompletePosition() == model.SelStart());
            else
                Check(!model.Modified() || !model.FirstIncompletePosition());
            break;
        }
        default: model.FocusEntered(argument & 1); model.EnsureHighlight(); break;
        }
        CheckInvariants(model, mask);
    }
    return 0;
}
