#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace data {

// Comma-separated text as spreadsheet programs read it: fields quoted where
// they hold a comma, a quote, a line break or blanks at an end, quotes
// doubled, lines ended by CR LF, the file in UTF-8 with a byte-order mark so
// that Chinese shows as Chinese.

QString csvField(const QString &text);

// A spreadsheet program takes a cell that starts with =, +, -, @, a tab or a
// carriage return as a formula, which a file from elsewhere can abuse. Such a
// cell is written after an apostrophe (a plain number such as -5 is left
// alone), and so is a cell that starts with an apostrophe itself, so that
// reading the file back can take exactly that apostrophe away again.
QString defusedCell(const QString &text);
QString restoredCell(const QString &text);
QByteArray csvLine(const QStringList &fields);

// Writes a table: the captions as the first line, then `rows` lines of
// `columns` cells, each asked of `cell`. `progress` hears of each row before
// it is written; answering false stops the export. The file appears whole or
// not at all (what had the name stays until a finished file replaces it),
// under the name itself (a symbolic link of that name is replaced, never
// what it points to), and is the user's alone (PrivateFileWriter). Returns
// false when stopped; throws DbError when the file cannot be written.
bool writeCsv(const QString &path, const QStringList &captions, int rows,
              const std::function<QString(int row, int column)> &cell,
              const std::function<bool(int row)> &progress = {});

} // namespace data
