#include "cli/Decoder.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    QCoreApplication application(argc, argv);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return static_cast<int>(RunDecodeCommand(arguments, std::cin, stdout, stderr));
}
