#pragma once

#include "core/LogFeed.h"
#include "core/RecordWriter.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

class QSaveFile;

// A log's records written to a CSV file as regalo-decode scan --csv writes
// one log's; the file replaced only once it is whole. Used on the thread
// that reads the log.
class LogCsv {
public:
    explicit LogCsv(QString target);
    ~LogCsv();

    void Take(std::string_view piece);
    // What went wrong, or empty once the file is written.
    QString Finish();

private:
    void Flush();

    QString target_;
    RecordWriter writer_;
    LogFeed feed_;
    std::string out_;
    std::unique_ptr<QSaveFile> file_;
};
