// Whether every text the windows show fits the room it was laid out with.
// Run on a real X server: offscreen, the same font measures narrower.
#include "WindowFixture.h"

#include "core/ErrorCodes.h"
#include "translations/Language.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace {

const char* NameOf(Language language)
{
    return language == Language::English ? "English" : "Russian";
}

// In each language the window speaks.
class Fit : public testing::TestWithParam<Language>, protected WindowsInLanguage {
protected:
    Fit() : WindowsInLanguage(GetParam()) {}

    // Each text that does not fit, with the room it has.
    std::vector<std::string> overflows;

    void Expect(const QString& what, const QString& text, int needed, int room)
    {
        if (needed > room)
            overflows.push_back(what.toStdString() + " \"" + text.toStdString() + "\": needs "
                                + std::to_string(needed) + " px, has " + std::to_string(room));
    }

    void ExpectFitsWidth(QWidget* control, const QString& text, int besides)
    {
        Expect(control->objectName(), text, besides + control->fontMetrics().horizontalAdvance(text), control->width());
    }
};

TEST_P(Fit, EveryTextFitsItsControl)
{
    for (int number = 1; number <= 48; ++number) {
        QCheckBox* box = form().CheckBox(number);
        QStyleOptionButton option;
        option.initFrom(box);
        ExpectFitsWidth(box, box->text(),
                        box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box)
                            + box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box));
    }
    for (QGroupBox* group : form().GroupBoxes) {
        // The title starts a few pixels in and leaves room to the frame's end.
        ExpectFitsWidth(group, group->title(), 2 * 8);
    }

    QComboBox* list = form().ComboBox1;
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    option.frame = true;
    const QRect editField = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const QMargins margins = list->lineEdit()->textMargins();
    for (int state = 0; state < list->count(); ++state) {
        const QString entry = list->itemText(state);
        // A line edit keeps 2 pixels on either side of its text.
        Expect("ComboBox1", entry, list->fontMetrics().horizontalAdvance(entry) + 4 + margins.left() + margins.right(),
               editField.width());
    }

    // The drop-down shows each entry whole, as wide as it is.
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (QTest::qWaitForWindowExposed(view->window())) {
        for (int state = 0; state < list->count(); ++state) {
            const QModelIndex index = list->model()->index(state, 0);
            Expect("ComboBox1 drop-down", list->itemText(state), view->sizeHintForIndex(index).width(),
                   view->viewport()->width());
        }
    } else {
        ADD_FAILURE() << "the drop-down did not open";
    }
    list->hidePopup();

    // Labels size themselves to their text; they must end inside their window.
    for (QLabel* label : {form().Label2, form().Label3})
        Expect(label->objectName(), label->text(), label->mapTo(&form(), QPoint(label->width(), 0)).x(), form().width());
    // "Код ошибки:" ends before the code field starts.
    Expect("Label2", form().Label2->text(),
           form().Label2->mapTo(&form(), QPoint(form().Label2->fontMetrics().horizontalAdvance(form().Label2->text()), 0)).x(),
           form().MaskEdit2->x());
    for (QPushButton* button : {form().Button1, form().Button2, form().Button3, Form2->Button1})
        ExpectFitsWidth(button, button->text(), 2 * 6);
    for (QLabel* label : Form2->findChildren<QLabel*>())
        Expect(label->objectName(), label->text(), label->x() + label->width(), Form2->width());

    // Every message the error code row can show, below the label's top and
    // above "Код ошибки:", within the group's frame.
    QLabel* result = form().Label1;
    const QRect room(0, 0, form().GroupBoxes[6]->width() - result->x() - 2, form().Label2->y() - result->y());
    auto expectMessageFits = [&](int errorClass, int detail) {
        const QString message = QString::fromStdString(BuildErrorMessage(errorClass, detail, CurrentTranslation()));
        const QSize needed = result->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), 0, message).size();
        Expect("Label1 width", message, needed.width(), room.width());
        Expect("Label1 height", message, needed.height(), room.height());
    };
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        expectMessageFits(errorClass.number, 0xFF);
        for (const ErrorDetail& detail : errorClass.details)
            expectMessageFits(errorClass.number, detail.number);
    }

    for (const std::string& overflow : overflows)
        ADD_FAILURE() << overflow;
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit, testing::Values(Language::Russian, Language::English),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

} // namespace
