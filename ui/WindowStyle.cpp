#include "ui/WindowStyle.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStringList>
#include <QStyleFactory>

QFont DesignFont()
{
    QFont font;
    // The designed face first, then faces of close metrics, so captions fit
    // the boxes they were laid out for.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QIcon ProgramIcon()
{
#ifdef Q_OS_WIN
    return QIcon(QStringLiteral(":/regalo/regalo.ico"));
#else
    return QIcon(QStringLiteral(":/regalo/icon.svg"));
#endif
}

namespace {

class DesignedCheckBoxStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return 13;
        case PM_CheckBoxLabelSpacing:
            return 3;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// The list's drop-down button as narrow as a classic one, and its frame
// thin, so that the longest entry fits the edit part the list was laid out
// with.
class DesignedComboBoxStyle : public QProxyStyle {
public:
    static constexpr int kFrame = 1;
    static constexpr int kButton = 13;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect inside = option->rect.adjusted(kFrame, kFrame, -kFrame, -kFrame);
        const QRect button(inside.right() - kButton + 1, inside.top(), kButton, inside.height());
        const QRect field(inside.left(), inside.top(), inside.width() - kButton, inside.height());
        return visualRect(option->direction, option->rect, part == SC_ComboBoxArrow ? button : field);
    }
};

// One shared instance per kind, owned by the application.
QStyle* SharedStyle(QPointer<QStyle>& style, QStyle* (*create)())
{
    if (!style) {
        style = create();
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

QStyle* DesignCheckBoxStyle()
{
    static QPointer<QStyle> style;
    return SharedStyle(style, [] () -> QStyle* { return new DesignedCheckBoxStyle; });
}

QStyle* DesignGroupBoxStyle()
{
    static QPointer<QStyle> style;
    return SharedStyle(style, [] () -> QStyle* {
        if (QStyle* windows = QStyleFactory::create(QStringLiteral("Windows")))
            return windows;
        return new QProxyStyle;
    });
}

QStyle* DesignComboBoxStyle()
{
    static QPointer<QStyle> style;
    return SharedStyle(style, [] () -> QStyle* { return new DesignedComboBoxStyle; });
}
