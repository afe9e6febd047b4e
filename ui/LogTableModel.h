#pragma once

#include "form/LogTimeline.h"

#include <QAbstractTableModel>

#include <unordered_map>

class SharedTimeline;

// The timeline's shown readings as a table: a row is built only when a view
// asks for it, and kept while it is in sight, so that a log of millions of
// readings scrolls as one of ten.
class LogTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { LineColumn, TimeColumn, ValueColumn, WordsColumn, ColumnCount };

    explicit LogTableModel(const SharedTimeline& timeline, QObject* parent = nullptr);

    // The rows the timeline shows now: more of them as the log is read;
    // all anew after the filter changed or another log began.
    void Grow();
    void Reset();

    // The reading a row shows.
    LogTimeline::Row RowAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int ShownNow() const;

    const SharedTimeline& timeline_;
    int rows_ = 0;
    // A view asks for each cell and role in turn: the rows it drew lately.
    mutable std::unordered_map<int, LogTimeline::Row> cache_;
};
