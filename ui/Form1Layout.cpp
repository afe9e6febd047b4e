#include "ui/Form1Layout.h"

#include "core/StatusRecord.h"
#include "core/Translatable.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

const ControlPlacement kForm1Placements[] = {
    {"Label3", nullptr, 248, 8, 189, 13, QT_TRANSLATE_NOOP("TForm1", "Байты состояния регистратора")},
    {"GroupBox7", nullptr, 24, 552, 665, 89, QT_TRANSLATE_NOOP("TForm1", "Коды ошибок")},
    {"Label1", "GroupBox7", 8, 14, 18, 13, "      "},
    {"Label2", "GroupBox7", 8, 60, 63, 13, QT_TRANSLATE_NOOP("TForm1", "Код ошибки:")},
    {"GroupBox1", nullptr, 23, 31, 394, 169, nullptr},
    {"GroupBox2", nullptr, 420, 31, 349, 169, nullptr},
    {"GroupBox3", nullptr, 23, 206, 394, 170, nullptr},
    {"GroupBox4", nullptr, 420, 206, 349, 170, nullptr},
    {"GroupBox5", nullptr, 23, 382, 394, 169, nullptr},
    {"ComboBox1", "GroupBox5", 136, 28, 249, 21, nullptr},
    {"GroupBox6", nullptr, 420, 382, 349, 169, nullptr},
    {"Button1", nullptr, 696, 616, 89, 25, QT_TRANSLATE_NOOP("TForm1", "Закрыть")},
    {"MaskEdit1", nullptr, 24, 8, 114, 21, kInitialStatusText},
    {"Button2", nullptr, 152, 608, 113, 25, QT_TRANSLATE_NOOP("TForm1", "Перевести в текст")},
    {"MaskEdit2", nullptr, 104, 610, 41, 21, kInitialErrorCodeText},
    {"Button3", nullptr, 696, 584, 89, 25, QT_TRANSLATE_NOOP("TForm1", "О программе...")},
};

const int kCheckBoxWidths[6][8] = {
    {313, 313, 313, 306, 306, 316, 340, 274}, // byte 0, GroupBox1
    {313, 324, 313, 313, 306, 313, 364, 306}, // byte 1, GroupBox3
    {124, 116, 124, 172, 313, 313, 79, 313},  // byte 2, GroupBox5
    {100, 156, 188, 204, 79, 324, 268, 326},  // byte 3, GroupBox2
    {326, 326, 326, 313, 228, 300, 326, 319}, // byte 4, GroupBox4
    {316, 332, 260, 196, 236, 324, 326, 319}, // byte 5, GroupBox6
};

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

const ControlPlacement& Form1Placement(const char* name)
{
    for (const ControlPlacement& placement : kForm1Placements) {
        if (std::strcmp(placement.name, name) == 0)
            return placement;
    }
    throw std::out_of_range(std::string("no placement for ") + name);
}
