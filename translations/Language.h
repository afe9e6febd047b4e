#pragma once

#include "core/Translatable.h"

#include <QStringList>

#include <optional>

// The languages the programs speak. Russian is the texts' own language;
// English comes from translations/regalo_en.ts.
enum class Language { Russian, English };

// English where the user interface's first language is English, Russian
// otherwise (the C locale included).
Language LanguageForUi(const QStringList& uiLanguages);
// "ru" or "en", as given to --lang.
std::optional<Language> LanguageNamed(const QString& name);

// Installs the program's translation for `language` into the application,
// and Qt's own where the program shows Qt's texts (its windows do,
// regalo-decode does not), replacing any installed before.
enum class QtTexts { Translated, AsTheyAre };
void UseLanguage(Language language, QtTexts qtTexts = QtTexts::Translated);
Language CurrentLanguage();

// The catalogue's texts (captions, error messages, output labels) may stay
// Russian while the program's own words follow the system: UseLanguage sets
// both, this the catalogue's alone.
void UseCatalogueLanguage(Language language);
Language CatalogueLanguage();

// The translation of the catalogue's marked texts into its language, UTF-8;
// nullptr for Russian, so the core takes its texts as they are.
TextTranslation CurrentTranslation();
// The same for the core's words that are the program's own (what is wrong
// with a value): in the program's language.
TextTranslation OwnWordsTranslation();
