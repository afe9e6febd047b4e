#include "WindowFixture.h"

#include "core/ErrorCodes.h"
#include "ui/Beep.h"
#include "translations/Language.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

TEST(Language, FollowsTheSystem)
{
    const std::pair<QStringList, Language> cases[] = {
        {{"en-US", "ru-RU"}, Language::English},
        {{"ru-RU"}, Language::Russian},
        {QLocale::c().uiLanguages(), Language::Russian},
        {{"de-DE"}, Language::Russian},
    };
    for (const auto& [uiLanguages, language] : cases)
        EXPECT_EQ(LanguageForUi(uiLanguages), language) << uiLanguages.join(' ').toStdString();
}

TEST(Language, EveryCatalogueTextHasItsEnglish)
{
    std::vector<std::pair<const char*, const char*>> texts;
    for (const StatusFlag& flag : StatusFlagCatalogue)
        texts.emplace_back(kStatusFlagsContext, flag.caption);
    for (const char* caption : StatusByteCaptions)
        texts.emplace_back(kStatusFlagsContext, caption);
    for (const char* state : ReceiptStateList)
        texts.emplace_back(kStatusFlagsContext, state);
    texts.emplace_back(kErrorCodesContext, kNoErrorMessage);
    texts.emplace_back(kErrorCodesContext, kUnknownErrorDetail);
    texts.emplace_back(kErrorCodesContext, kNoDescriptionNote);
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        for (const char* part : {errorClass.header, errorClass.suffix}) {
            if (*part != '\0')
                texts.emplace_back(kErrorCodesContext, part);
        }
        for (const ErrorDetail& detail : errorClass.details)
            texts.emplace_back(kErrorCodesContext, detail.text);
    }
    UseLanguage(Language::English);
    QStringList untranslated;
    for (const auto& [context, source] : texts) {
        const QString russian = QString::fromUtf8(source);
        const QString english = QCoreApplication::translate(context, source);
        // Texts with no Cyrillic in them, "(1) SIMError" or "!", may stay as they are.
        const bool cyrillic = russian.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
        if (english.isEmpty() || (cyrillic && english == russian))
            untranslated << russian;
    }
    UseLanguage(Language::Russian);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1String(" | ")).toStdString();
}

struct Spoken {
    Language language;
    const char* statusName;
    const char* codeName;
    const char* maskMenuFirst;
    const char* description;
    const char* noDescription;
    const char* copyExplanation;
    const char* explanation;
    const char* openLog;
};

class InLanguage : public testing::TestWithParam<Spoken>, protected WindowsInLanguage {
protected:
    InLanguage() : WindowsInLanguage(GetParam().language) {}

    void Translate(const QString& code)
    {
        form().MaskEdit2->setFocus(Qt::MouseFocusReason);
        form().MaskEdit2->Model().PlaceCaret(0);
        TestWindows::Type(form().MaskEdit2, code);
        QTest::keyClick(form().MaskEdit2, Qt::Key_Return);
    }
};

TEST_P(InLanguage, QtsOwnTextsSpeakTheWindowsLanguage)
{
    const bool english = GetParam().language == Language::English;
    // Qt's Russian keeps "OK" as it is; its other buttons show the language.
    QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel);
    const QString cancel = box.button(QMessageBox::Cancel)->text();
    std::unique_ptr<QMenu> listMenu(form().ComboBox1->lineEdit()->createStandardContextMenu());
    const QString undo = listMenu->actions().first()->text();
    std::unique_ptr<QMenu> fieldMenu(form().MaskEdit1->CreateContextMenu());
    if (english) {
        EXPECT_EQ(cancel, "Cancel");
        EXPECT_TRUE(undo.startsWith(QLatin1String("&Undo"))) << undo.toStdString();
    } else {
        EXPECT_EQ(cancel, "Отмена");
        EXPECT_TRUE(undo.contains(QStringLiteral("Отменить"))) << undo.toStdString();
    }
    EXPECT_EQ(fieldMenu->actions().first()->text(), QString::fromUtf8(GetParam().maskMenuFirst));
}

TEST_P(InLanguage, FieldsAreNamedAndANewDescriptionIsAnnounced)
{
    std::vector<QObject*> announced;
    const auto platform = SetAnnouncementHook([&](QObject* object) { announced.push_back(object); });
    const auto name = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); };
    EXPECT_EQ(name(form().MaskEdit1), QString::fromUtf8(GetParam().statusName));
    EXPECT_EQ(name(form().MaskEdit2), QString::fromUtf8(GetParam().codeName));
    EXPECT_EQ(form().Label3->buddy(), form().MaskEdit1);
    EXPECT_EQ(form().Label2->buddy(), form().MaskEdit2);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form())->role(), QAccessible::Window);

    Translate(QStringLiteral("0501"));
    SetAnnouncementHook(platform);
    EXPECT_EQ(form().Label1->text(), QString::fromUtf8(GetParam().description));
    EXPECT_EQ(announced, std::vector<QObject*>{form().Label1});
    Translate(QStringLiteral("5010"));
    EXPECT_EQ(form().Label1->text(), QString::fromUtf8(GetParam().noDescription));
}

TEST_P(InLanguage, TheDescriptionCanBeCopied)
{
    Translate(QStringLiteral("0501"));
    QLabel* description = form().Label1;
    QTest::mouseClick(description, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::keyClick(description, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(description, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(GetParam().description));

    // The explanation of both rows, from the group boxes' menu or its shortcut anywhere in the window.
    const QList<QAction*> menu = form().GroupBoxes[0]->actions();
    ASSERT_EQ(menu.size(), 2);
    EXPECT_EQ(menu[0]->text(), QString::fromUtf8(GetParam().copyExplanation));
    EXPECT_EQ(menu[1]->text(), QString::fromUtf8(GetParam().openLog));
    QTest::keyClick(form().CheckBox(9), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(GetParam().explanation));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, InLanguage,
    testing::Values(Spoken{Language::Russian, "Байты состояния регистратора", "Код ошибки", "Вырезать",
                           "Ошибка оборудования!\n Ошибка дисплея!", "Код 5010: описания нет", "Копировать расшифровку",
                           "80 80 80 80 80 80\nСостояние чека: 0. Документ закрыт\n\n0501: Ошибка оборудования! Ошибка дисплея!",
                           "Открыть журнал…"},
                    Spoken{Language::English, "Register status bytes", "Error code", "Cut",
                           "Hardware error!\n Display error!", "Code 5010: no description", "Copy explanation",
                           "80 80 80 80 80 80\nReceipt state: 0. Document closed\n\n0501: Hardware error! Display error!",
                           "Open log…"}),
    [](const auto& info) { return std::string(info.param.language == Language::English ? "English" : "Russian"); });

} // namespace
