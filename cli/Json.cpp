#include "cli/Json.h"

#include "core/JsonText.h"

#include <QByteArrayView>
#include <QString>


void AppendJsonString(std::string& out, std::string_view utf8)
{
    if (!QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())).isValidUtf8()) {
        // Rare: replaced exactly as Qt reads such bytes elsewhere.
        const QByteArray valid = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUtf8();
        AppendJsonString(out, std::string_view(valid.constData(), static_cast<std::size_t>(valid.size())));
        return;
    }
    AppendJsonEscaped(out, utf8);
}

JsonWriter& JsonWriter::String(std::string_view utf8)
{
    Separate();
    AppendJsonString(out_, utf8);
    needComma_ = true;
    return *this;
}
