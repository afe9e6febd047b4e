#include "ui/Application.h"

// Takes no options; always ends with exit code 0.
int main(int argc, char* argv[])
{
    TApplication application(argc, argv);
    return application.Run();
}
