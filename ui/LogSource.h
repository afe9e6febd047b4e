#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

class QFile;

// Where a log comes from: a file, or lines pasted into the window.
struct LogSource {
    QString path; // empty for pasted lines
    QByteArray text;

    // The file's name, or words for pasted lines.
    QString Name() const;
};

// A log's text a piece at a time, on whichever thread reads it.
class LogPieces {
    Q_DECLARE_TR_FUNCTIONS(LogPieces)

public:
    explicit LogPieces(LogSource source);
    ~LogPieces();

    // False with the reason where the file cannot be opened.
    bool Open(QString& why);
    qint64 Size() const;
    // The next piece; false at the end, or with the reason where reading failed.
    bool Next(QByteArray& piece, QString& why);

private:
    LogSource source_;
    std::unique_ptr<QFile> file_;
    qint64 at_ = 0;
};
