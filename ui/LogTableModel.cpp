#include "ui/LogTableModel.h"

#include "translations/Language.h"
#include "ui/SharedTimeline.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace {

// A few screens of rows.
constexpr std::size_t kCachedRows = 512;

constexpr const char* kHeaders[LogTableModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("LogWindow", "Строка"),
    QT_TRANSLATE_NOOP("LogWindow", "Время"),
    QT_TRANSLATE_NOOP("LogWindow", "Значение"),
    QT_TRANSLATE_NOOP("LogWindow", "Расшифровка"),
};

} // namespace

LogTableModel::LogTableModel(const SharedTimeline& timeline, QObject* parent) : QAbstractTableModel(parent), timeline_(timeline) {}

int LogTableModel::ShownNow() const
{
    const std::size_t shown = timeline_.With([](const LogTimeline& timeline) { return timeline.Shown(); });
    return static_cast<int>(std::min<std::size_t>(shown, INT_MAX));
}

void LogTableModel::Grow()
{
    const int shown = ShownNow();
    if (shown < rows_) {
        Reset();
        return;
    }
    if (shown == rows_)
        return;
    beginInsertRows({}, rows_, shown - 1);
    rows_ = shown;
    endInsertRows();
}

void LogTableModel::Reset()
{
    beginResetModel();
    cache_.clear();
    rows_ = ShownNow();
    endResetModel();
}

LogTimeline::Row LogTableModel::RowAt(int row) const
{
    if (const auto cached = cache_.find(row); cached != cache_.end())
        return cached->second;
    if (cache_.size() >= kCachedRows)
        cache_.clear();
    const TextTranslation translate = CurrentTranslation();
    return cache_[row] = timeline_.With([row, translate](const LogTimeline& timeline) {
        return timeline.RowAt(static_cast<std::size_t>(row), translate);
    });
}

int LogTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int LogTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == LineColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    const bool tip = role == Qt::ToolTipRole && index.column() == WordsColumn;
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && !tip)
        return {};
    const LogTimeline::Row row = RowAt(index.row());
    switch (index.column()) {
    case LineColumn:
        return QString::number(row.line);
    case TimeColumn:
        return QString::fromStdString(row.time);
    case ValueColumn:
        return QString::fromStdString(row.value);
    case WordsColumn: {
        const QString words = QString::fromStdString(row.words);
        if (role != Qt::DisplayRole)
            return words;
        // A row is one line high: its lines side by side; in full a hover or a selection away.
        QStringList lines = words.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString& line : lines)
            line = line.trimmed();
        return lines.join(QStringLiteral(" · "));
    }
    }
    return {};
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate("LogWindow", kHeaders[section]);
}
