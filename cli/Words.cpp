#include "cli/Words.h"

#include <QCoreApplication>

namespace {

QString Text(const char* text)
{
    return QCoreApplication::translate(kDecodeContext, text);
}

} // namespace

std::string Words(const char* text)
{
    return Text(text).toStdString();
}

std::string Words(const char* text, std::size_t count)
{
    return QCoreApplication::translate(kDecodeContext, text, nullptr, static_cast<int>(count)).toStdString();
}

std::string IoErrorWords(const IoError& failure)
{
    const char* text = failure.kind == IoError::Kind::Write ? QT_TRANSLATE_NOOP("regalo-decode", "ошибка записи: %1")
                                                            : QT_TRANSLATE_NOOP("regalo-decode", "ошибка чтения: %1");
    return Text(text).arg(QString::fromLocal8Bit(failure.what())).toStdString();
}
