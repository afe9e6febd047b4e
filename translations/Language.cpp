#include "translations/Language.h"

#include "core/Translatable.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <utility>

namespace {

Language current = Language::Russian;
Language catalogue = Language::Russian;
std::unique_ptr<QTranslator> programTranslator;
std::unique_ptr<QTranslator> qtTranslator;

// Qt's own texts: the system's copy where there is one, else the copy built in.
std::unique_ptr<QTranslator> QtTranslation(const QString& code)
{
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("qtbase_") + code;
    if (translator->load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator->load(file, QStringLiteral(":/i18n")))
        return translator;
    return nullptr;
}

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> translator)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(translator);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

} // namespace

Language LanguageForUi(const QStringList& uiLanguages)
{
    const bool english = !uiLanguages.isEmpty() && uiLanguages.first().startsWith(QLatin1String("en"));
    return english ? Language::English : Language::Russian;
}

std::optional<Language> LanguageNamed(const QString& name)
{
    if (name == QLatin1String("ru"))
        return Language::Russian;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

void UseLanguage(Language language, QtTexts qtTexts)
{
    current = language;
    catalogue = language;
    const QString code = language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
    // Russian is the texts' own language; its translation holds only the
    // plural forms of counted words.
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/regalo_%1.qm").arg(code)))
        program.reset();
    Replace(programTranslator, std::move(program));
    Replace(qtTranslator, qtTexts == QtTexts::Translated ? QtTranslation(code) : nullptr);
}

Language CurrentLanguage()
{
    return current;
}

void UseCatalogueLanguage(Language language)
{
    catalogue = language;
}

Language CatalogueLanguage()
{
    return catalogue;
}

TextTranslation CurrentTranslation()
{
    return catalogue == Language::Russian ? nullptr : &TranslateToEnglish;
}

TextTranslation OwnWordsTranslation()
{
    return current == Language::Russian ? nullptr : &TranslateToEnglish;
}
