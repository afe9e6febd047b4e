#pragma once

// The translation context of the page's own words.
inline constexpr char kPageContext[] = "Page";

// A TextTranslation for the page: the English of the window's controls and
// of the page's own words (generated from the desktop program's
// translation file at build time), and the core's for the rest.
const char* TranslatePageToEnglish(const char* context, const char* source);
