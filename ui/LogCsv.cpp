#include "ui/LogCsv.h"

#include "translations/Language.h"

#include <QSaveFile>

namespace {

constexpr std::size_t kFlushAt = 1 << 20;

} // namespace

LogCsv::LogCsv(QString target)
    : target_(std::move(target)), writer_(Format::Csv, CurrentTranslation(), OwnWordsTranslation())
{
    writer_.Header(out_);
}

LogCsv::~LogCsv() = default;

void LogCsv::Flush()
{
    // Opened here, on the thread that writes it.
    if (!file_) {
        file_ = std::make_unique<QSaveFile>(target_);
        file_->open(QIODevice::WriteOnly);
    }
    if (file_->isOpen())
        file_->write(out_.data(), static_cast<qint64>(out_.size()));
    out_.clear();
}

void LogCsv::Take(std::string_view piece)
{
    feed_.Feed(piece, [this](const ScanRecord& record) { writer_.Write(out_, record); });
    if (out_.size() >= kFlushAt)
        Flush();
}

QString LogCsv::Finish()
{
    feed_.Feed({}, [this](const ScanRecord& record) { writer_.Write(out_, record); });
    Flush();
    if (!file_->isOpen() || !file_->commit())
        return file_->errorString();
    return {};
}
