#include "ui/LogChartView.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <map>

namespace {

// The chart's geometry, in pixels.
constexpr int kMargin = 4;
constexpr int kBar = 14;
constexpr int kLaneGap = 4;
constexpr int kSwatch = 10;
constexpr int kLegendGap = 12;
constexpr int kTick = 4;
// A state's number goes inside a span at least this wide.
constexpr int kNumbered = 16;

bool Dark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor StateColour(int state, bool dark)
{
    return QColor::fromHsl(static_cast<int>(state * 22.5) % 360, 140, dark ? 158 : 184);
}

QColor CodeColour(bool dark)
{
    return dark ? QColor(240, 110, 110) : QColor(190, 30, 30);
}

} // namespace

LogChartView::LogChartView(ChartOf chartOf, QWidget* parent) : QWidget(parent), chartOf_(std::move(chartOf))
{
    setObjectName(QStringLiteral("LogChart"));
    setAccessibleName(tr("График журнала"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(false);
}

int LogChartView::Columns() const
{
    return std::max(1, width() - 2 * kMargin);
}

void LogChartView::Refresh()
{
    chart_ = chartOf_(Columns());
    layout_ = LaidOut();
    setFixedHeight(layout_.height);
    Describe();
    update();
}

LogChartView::Layout LogChartView::LaidOut() const
{
    Layout layout;
    const QFontMetrics metrics = fontMetrics();
    const int laneHeight = metrics.height() + kBar + kLaneGap;
    int top = kMargin;
    if (!chart_.states.empty()) {
        layout.lanes.push_back({top, QString::fromStdString(chart_.stateLane), LogTimeline::Filter::All, 0, 0});
        top += laneHeight;
        // The legend flows across the width, a line at a time.
        int left = kMargin;
        for (const auto& [state, name] : chart_.stateNames) {
            const int entry = kSwatch + 4 + metrics.horizontalAdvance(QString::fromStdString(name));
            if (left > kMargin && left + entry > kMargin + Columns()) {
                left = kMargin;
                top += metrics.height();
            }
            layout.legend.emplace_back(left, top, entry, metrics.height());
            left += entry + kLegendGap;
        }
        top += metrics.height() + kLaneGap;
    }
    for (std::size_t i = 0; i < chart_.flags.size(); ++i) {
        const LogChart::FlagLane& lane = chart_.flags[i];
        layout.lanes.push_back({top, QString::fromStdString(lane.name), LogTimeline::Filter::Flag, lane.flag, i});
        top += laneHeight;
    }
    for (std::size_t i = 0; i < chart_.codes.size(); ++i) {
        const LogChart::CodeLane& lane = chart_.codes[i];
        layout.lanes.push_back({top, QString::fromStdString(lane.name), LogTimeline::Filter::Code,
                                LogTimeline::FilterValue(lane.code), i});
        top += laneHeight;
    }
    layout.axisTop = top;
    // The ticks with their labels, dates under them, then the ends.
    layout.height = top + kTick + 3 * metrics.height() + kMargin;
    return layout;
}

void LogChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const bool dark = Dark(colours);
    const QFontMetrics metrics = fontMetrics();
    const int left = kMargin;
    const int columns = chart_.columns;
    const auto bar = [&](const Lane& lane) { return QRect(left, lane.top + metrics.height(), columns, kBar); };
    const auto span = [&](const Lane& lane, int first, int last) {
        return QRect(left + first, lane.top + metrics.height(), last - first + 1, kBar);
    };

    for (const Lane& lane : layout_.lanes) {
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(QRect(left, lane.top, columns, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(lane.name, Qt::ElideRight, columns));
        painter.fillRect(bar(lane), colours.color(QPalette::AlternateBase));
        switch (lane.filter) {
        case LogTimeline::Filter::All:
            for (const LogChart::StateSpan& state : chart_.states) {
                const QRect piece = span(lane, state.first, state.last);
                painter.fillRect(piece, StateColour(state.state, dark));
                if (state.last - state.first >= kNumbered) {
                    painter.setPen(Qt::black);
                    painter.drawText(piece, Qt::AlignCenter, QString::number(state.state));
                }
            }
            for (std::size_t i = 0; i < layout_.legend.size(); ++i) {
                const QRect entry = layout_.legend[i];
                const auto& [state, name] = chart_.stateNames[i];
                const QRect swatch(entry.left(), entry.top() + (entry.height() - kSwatch) / 2, kSwatch, kSwatch);
                painter.fillRect(swatch, StateColour(state, dark));
                painter.setPen(colours.color(QPalette::Mid));
                painter.drawRect(swatch.adjusted(0, 0, -1, -1));
                painter.setPen(colours.color(QPalette::WindowText));
                painter.drawText(entry.adjusted(kSwatch + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(name));
            }
            break;
        case LogTimeline::Filter::Flag:
            for (const auto& [first, last] : chart_.flags[lane.index].spans)
                painter.fillRect(span(lane, first, last), colours.color(QPalette::Highlight));
            break;
        case LogTimeline::Filter::Code:
            for (const int column : chart_.codes[lane.index].columns)
                painter.fillRect(span(lane, std::max(0, column - 1), std::min(columns - 1, column + 1)), CodeColour(dark));
            break;
        }
    }

    // The axis: a tick and its time (or line) at each, the date where it changes.
    const int axis = layout_.axisTop;
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(left, axis, left + columns - 1, axis);
    for (const LogChart::Tick& tick : chart_.ticks) {
        const int x = left + tick.column;
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(x, axis, x, axis + kTick);
        painter.setPen(colours.color(QPalette::WindowText));
        const QString label = QString::fromStdString(tick.label);
        const int half = metrics.horizontalAdvance(label) / 2;
        painter.drawText(x - half, axis + kTick + metrics.ascent(), label);
        if (!tick.date.empty()) {
            const QString date = QString::fromStdString(tick.date);
            painter.drawText(x - metrics.horizontalAdvance(date) / 2, axis + kTick + metrics.height() + metrics.ascent(), date);
        }
    }
    const QString ends = QString::fromStdString(chart_.from) + (chart_.byTime ? QStringLiteral(" – ") : QStringLiteral(" … "))
                         + QString::fromStdString(chart_.to);
    if (!chart_.from.empty())
        painter.drawText(left, axis + kTick + 2 * metrics.height() + metrics.ascent(), ends);
}

void LogChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (chart_.columns != Columns())
        Refresh();
}

const LogChartView::Lane* LogChartView::LaneAt(QPoint point) const
{
    const int laneHeight = fontMetrics().height() + kBar;
    for (const Lane& lane : layout_.lanes) {
        if (point.y() >= lane.top && point.y() < lane.top + laneHeight)
            return &lane;
    }
    return nullptr;
}

void LogChartView::mousePressEvent(QMouseEvent* event)
{
    const Lane* lane = LaneAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && lane != nullptr && lane->filter != LogTimeline::Filter::All)
        emit LaneChosen(lane->filter, lane->value);
    QWidget::mousePressEvent(event);
}

bool LogChartView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const Lane* lane = LaneAt(help->pos()))
            QToolTip::showText(help->globalPos(), lane->name, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void LogChartView::Describe()
{
    // What a screen reader says of it: its span and each lane by name.
    QStringList parts;
    if (!chart_.from.empty())
        parts << QString::fromStdString(chart_.from) + QStringLiteral(" – ") + QString::fromStdString(chart_.to);
    for (const Lane& lane : layout_.lanes)
        parts << lane.name;
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
}
