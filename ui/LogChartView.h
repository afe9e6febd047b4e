#pragma once

#include "form/LogChart.h"
#include "form/LogTimeline.h"

#include <QWidget>

#include <functional>

// The log's chart as the timeline lays it out across the widget's width: a
// lane for the receipt state with its legend, one for each flag that
// changed, one for each code, each named above its bar, then the axis.
// A click on a flag's or a code's lane asks for its readings.
class LogChartView : public QWidget
{
    Q_OBJECT

public:
    using ChartOf = std::function<LogChart(int width)>;
    explicit LogChartView(ChartOf chartOf, QWidget* parent = nullptr);

    // Lays the chart out anew: the log grew, or another began.
    void Refresh();
    const LogChart& Chart() const { return chart_; }

signals:
    void LaneChosen(LogTimeline::Filter filter, int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where each part goes; painting, height and hits all walk the same.
    struct Lane {
        int top;
        QString name;
        LogTimeline::Filter filter; // All for the receipt state's
        int value;
        std::size_t index; // in the chart's flags or codes
    };
    struct Layout {
        std::vector<Lane> lanes; // the state's first where there is one
        std::vector<QRect> legend; // a swatch and its name, by stateNames
        int axisTop = 0;
        int height = 0;
    };
    Layout LaidOut() const;
    int Columns() const;
    const Lane* LaneAt(QPoint point) const;
    void Describe();

    ChartOf chartOf_;
    LogChart chart_;
    Layout layout_;
};
