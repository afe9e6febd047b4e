#include "cli/Words.h"

#include <QCoreApplication>

std::string Words(const char* english)
{
    return QCoreApplication::translate("regalo-decode", english).toStdString();
}
