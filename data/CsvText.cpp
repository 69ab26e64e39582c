#include "CsvText.h"

#include "DbError.h"

#include <QSaveFile>

namespace data {

QString csvField(const QString &text)
{
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
                        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &f : fields)
        quoted << csvField(f);
    return quoted.join(u',').toUtf8() + "\r\n";
}

bool writeCsv(const QString &path, const QStringList &captions, int rows,
              const std::function<QString(int row, int column)> &cell, const std::function<bool(int row)> &progress)
{
    QSaveFile file(path);
    const auto failed = [&] { return DbError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString())); };
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw failed();
    file.write("\xEF\xBB\xBF");
    file.write(csvLine(captions));
    QStringList fields;
    for (int row = 0; row < rows; ++row) {
        if (progress && !progress(row)) {
            file.cancelWriting();
            return false;
        }
        fields.clear();
        for (int column = 0; column < captions.size(); ++column)
            fields << cell(row, column);
        if (file.write(csvLine(fields)) < 0)
            throw failed();
    }
    if (!file.commit())
        throw failed();
    return true;
}

} // namespace data
