#include "cli/Words.h"

#include "core/ErrorCodes.h"
#include "core/StatusFlagCatalogue.h"

#include <QCoreApplication>

namespace {

constexpr char kContext[] = "regalo-decode";

QString Text(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// A character shown in a message: one a terminal shows as it is, else
// nothing (the position names it).
bool Showable(const std::string& character)
{
    if (character.size() == 1)
        return character[0] >= 0x20 && character[0] < 0x7F;
    return false;
}

// Cyrillic letters that look like what belongs in a code: typed with the
// Russian layout on, or copied from a Russian document.
struct LookAlike {
    const char* cyrillic;
    const char* latin;
    bool digit;
};
constexpr LookAlike kLookAlikes[] = {
    {"А", "A", false}, {"В", "B", false}, {"С", "C", false}, {"Е", "E", false}, {"а", "a", false},
    {"в", "b", false}, {"с", "c", false}, {"е", "e", false}, {"О", "0", true},  {"о", "0", true},
};

const LookAlike* LookAlikeOf(const std::string& character)
{
    for (const LookAlike& lookAlike : kLookAlikes) {
        if (character == lookAlike.cyrillic)
            return &lookAlike;
    }
    return nullptr;
}

} // namespace

std::string Words(const char* text)
{
    return Text(text).toStdString();
}

std::string Words(const char* text, std::size_t count)
{
    return QCoreApplication::translate(kContext, text, nullptr, static_cast<int>(count)).toStdString();
}

std::string Phrased(const InputProblem& problem)
{
    switch (problem.kind) {
    case InputProblem::Kind::WrongLength:
        return Words(QT_TRANSLATE_N_NOOP("regalo-decode", "неверная длина: %n символ(ов) вместо 4"), problem.count);
    case InputProblem::Kind::NotHexadecimal:
        if (const LookAlike* lookAlike = LookAlikeOf(problem.character))
            return Text(lookAlike->digit
                            ? QT_TRANSLATE_NOOP("regalo-decode", "кириллическая «%1» на позиции %2 — нужна цифра %3")
                            : QT_TRANSLATE_NOOP("regalo-decode", "кириллическая «%1» на позиции %2 — нужна латинская %3"))
                .arg(QString::fromUtf8(lookAlike->cyrillic))
                .arg(problem.position)
                .arg(QString::fromLatin1(lookAlike->latin))
                .toStdString();
        if (Showable(problem.character))
            return Text(QT_TRANSLATE_NOOP("regalo-decode", "недопустимый символ «%1» на позиции %2"))
                .arg(QString::fromStdString(problem.character))
                .arg(problem.position)
                .toStdString();
        return Text(QT_TRANSLATE_NOOP("regalo-decode", "недопустимый символ на позиции %1")).arg(problem.position).toStdString();
    case InputProblem::Kind::OneDigit:
        return Text(QT_TRANSLATE_NOOP("regalo-decode", "у байта одна цифра вместо двух (позиция %1)"))
            .arg(problem.position)
            .toStdString();
    case InputProblem::Kind::ByteCount:
        return Text(QT_TRANSLATE_NOOP("regalo-decode", "неверное число байтов: %1 вместо 6")).arg(problem.count).toStdString();
    }
    return {};
}

std::string IoErrorWords(const IoError& failure)
{
    const char* text = failure.kind == IoError::Kind::Write ? QT_TRANSLATE_NOOP("regalo-decode", "ошибка записи: %1")
                                                            : QT_TRANSLATE_NOOP("regalo-decode", "ошибка чтения: %1");
    return Text(text).arg(QString::fromLocal8Bit(failure.what())).toStdString();
}
