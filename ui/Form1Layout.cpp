#include "ui/Form1Layout.h"

#include <cstring>
#include <stdexcept>
#include <string>

const ControlPlacement kForm1Placements[] = {
    {"Label3", nullptr, 248, 8, 189, 13},
    {"GroupBox7", nullptr, 24, 552, 665, 89},
    {"Label1", "GroupBox7", 8, 14, 18, 13},
    {"Label2", "GroupBox7", 8, 60, 63, 13},
    {"GroupBox1", nullptr, 23, 31, 394, 169},
    {"GroupBox2", nullptr, 420, 31, 349, 169},
    {"GroupBox3", nullptr, 23, 206, 394, 170},
    {"GroupBox4", nullptr, 420, 206, 349, 170},
    {"GroupBox5", nullptr, 23, 382, 394, 169},
    {"ComboBox1", "GroupBox5", 136, 28, 249, 21},
    {"GroupBox6", nullptr, 420, 382, 349, 169},
    {"Button1", nullptr, 696, 616, 89, 25},
    {"MaskEdit1", nullptr, 24, 8, 114, 21},
    {"Button2", nullptr, 152, 608, 113, 25},
    {"MaskEdit2", nullptr, 104, 610, 41, 21},
    {"Button3", nullptr, 696, 584, 89, 25},
};

const int kCheckBoxWidths[6][8] = {
    {313, 313, 313, 306, 306, 316, 340, 274}, // byte 0, GroupBox1
    {313, 324, 313, 313, 306, 313, 364, 306}, // byte 1, GroupBox3
    {124, 116, 124, 172, 313, 313, 79, 313},  // byte 2, GroupBox5
    {100, 156, 188, 204, 79, 324, 268, 326},  // byte 3, GroupBox2
    {326, 326, 326, 313, 228, 300, 326, 319}, // byte 4, GroupBox4
    {316, 332, 260, 196, 236, 324, 326, 319}, // byte 5, GroupBox6
};

const ControlPlacement& Form1Placement(const char* name)
{
    for (const ControlPlacement& placement : kForm1Placements) {
        if (std::strcmp(placement.name, name) == 0)
            return placement;
    }
    throw std::out_of_range(std::string("no placement for ") + name);
}
