#include "ui/LogSource.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Small enough that a piece is fed in a few milliseconds, while the window
// waits for the timeline.
constexpr qint64 kPiece = 256 * 1024;

} // namespace

QString LogSource::Name() const
{
    return path.isEmpty() ? LogPieces::tr("вставленные строки") : QFileInfo(path).fileName();
}

LogPieces::LogPieces(LogSource source) : source_(std::move(source)) {}

LogPieces::~LogPieces() = default;

bool LogPieces::Open(QString& why)
{
    if (source_.path.isEmpty())
        return true;
    file_ = std::make_unique<QFile>(source_.path);
    if (QFileInfo(source_.path).isDir()) {
        why = tr("это папка, а не файл");
        return false;
    }
    if (!file_->open(QIODevice::ReadOnly)) {
        why = file_->errorString();
        return false;
    }
    return true;
}

qint64 LogPieces::Size() const
{
    return file_ ? file_->size() : source_.text.size();
}

bool LogPieces::Next(QByteArray& piece, QString& why)
{
    if (!file_) {
        piece = source_.text.mid(at_, kPiece);
        at_ += piece.size();
        return !piece.isEmpty();
    }
    piece = file_->read(kPiece);
    if (piece.isEmpty() && file_->error() != QFileDevice::NoError) {
        why = file_->errorString();
        return false;
    }
    return !piece.isEmpty();
}
