#include "form/Form1Controls.h"

#include "core/StatusRecord.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

struct ControlText {
    const char* name;
    const char* text;
};

const ControlText kTexts[] = {
    {"Label3", QT_TRANSLATE_NOOP("TForm1", "Байты состояния регистратора")},
    {"GroupBox7", QT_TRANSLATE_NOOP("TForm1", "Коды ошибок")},
    {"Label1", "      "},
    {"Label2", QT_TRANSLATE_NOOP("TForm1", "Код ошибки:")},
    {"Button1", QT_TRANSLATE_NOOP("TForm1", "Закрыть")},
    {"MaskEdit1", kInitialStatusText},
    {"Button2", QT_TRANSLATE_NOOP("TForm1", "Перевести в текст")},
    {"MaskEdit2", kInitialErrorCodeText},
    {"Button3", QT_TRANSLATE_NOOP("TForm1", "О программе...")},
};

} // namespace

const char* Form1Text(const char* name)
{
    for (const ControlText& control : kTexts) {
        if (std::strcmp(control.name, name) == 0)
            return control.text;
    }
    return nullptr;
}

int GroupBoxNumberOf(int byteIndex)
{
    const auto found = std::find(kBytesInGroupOrder.begin(), kBytesInGroupOrder.end(), byteIndex);
    if (found == kBytesInGroupOrder.end())
        throw std::out_of_range("status byte out of range");
    return static_cast<int>(found - kBytesInGroupOrder.begin()) + 1;
}

int CheckBoxNumberOf(int byteIndex, int bit)
{
    return (GroupBoxNumberOf(byteIndex) - 1) * kBitsPerByte + FlagOf(byteIndex, bit).bit + 1;
}

std::optional<FlagPlace> FlagOfCheckBox(int number)
{
    const int group = (number - 1) / kBitsPerByte;
    if (number < 1 || group >= kStatusByteCount)
        return std::nullopt;
    return FlagPlace{kBytesInGroupOrder[static_cast<std::size_t>(group)], (number - 1) % kBitsPerByte};
}
