#include "TestSupport.h"

#include "Connection.h"
#include "FreshInstall.h"
#include "Schema.h"
#include "Statement.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace testing {

namespace {

data::Connection openFile(const QString &path, const char *key)
{
    return data::Connection::open(path, key);
}

QStringList firstColumn(const QString &path, const char *key, const QString &sql)
{
    data::Connection c = openFile(path, key);
    data::Statement s(c, sql);
    QStringList values;
    while (s.step())
        values << (s.isNull(0) ? QStringLiteral("<null>") : s.text(0));
    return values;
}

} // namespace

TempInstall::TempInstall() : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid())
        qFatal("cannot make a temporary folder");
    data::createFreshInstallation(QDir(m_dir.path()));
    QDir::setCurrent(m_dir.path());
}

TempInstall::~TempInstall()
{
    QDir::setCurrent(m_previous);
}

bool inLookupFile(const QString &table)
{
    const auto &lookup = data::lookupTables();
    return std::any_of(lookup.begin(), lookup.end(), [&](const data::TableDef &def) { return def.name == table; });
}

qint64 insertRow(data::Connection &file, const QString &table, const Row &row)
{
    QStringList columns, values;
    data::Params params;
    for (const auto &[column, value] : row) {
        columns << column;
        if (!value.isValid()) {
            values << QStringLiteral("null");
            continue;
        }
        values << u':' + column;
        params.emplace_back(u':' + column, value.toString());
    }
    file.execute(row.empty() ? QStringLiteral("insert into %1 default values").arg(table)
                             : QStringLiteral("insert into %1 (%2) values (%3)")
                                   .arg(table, columns.join(u','), values.join(u',')),
                 params);
    return file.lastInsertId();
}

void TempInstall::insert(const Rows &rows) const
{
    for (const bool lookup : {false, true}) {
        const data::DatabaseFile &which = lookup ? data::kLookupFile : data::kMainFile;
        if (std::none_of(rows.begin(), rows.end(), [&](const TableRow &r) { return inLookupFile(r.table) == lookup; }))
            continue;
        data::Connection file = openFile(path(which.relativePath), which.key);
        data::Transaction batch(file);
        for (const TableRow &r : rows) {
            if (inLookupFile(r.table) == lookup)
                insertRow(file, r.table, r.row);
        }
        batch.commit();
    }
}

void TempInstall::execMain(const QString &sql) const
{
    openFile(path(data::kMainFile.relativePath), data::kMainFile.key).execute(sql);
}

void TempInstall::execLookup(const QString &sql) const
{
    openFile(path(data::kLookupFile.relativePath), data::kLookupFile.key).execute(sql);
}

QStringList TempInstall::columnMain(const QString &sql) const
{
    return firstColumn(path(data::kMainFile.relativePath), data::kMainFile.key, sql);
}

QStringList TempInstall::columnLookup(const QString &sql) const
{
    return firstColumn(path(data::kLookupFile.relativePath), data::kLookupFile.key, sql);
}

int TempInstall::countMain(const QString &table) const
{
    return columnMain(QStringLiteral("select count(*) from ") + table).value(0).toInt();
}

QAbstractButton *button(QWidget *root, const QString &caption)
{
    const auto buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons) {
        if (b->text() == caption || b->accessibleName() == caption)
            return b;
    }
    qWarning("no button captioned '%s'", qPrintable(caption));
    return nullptr;
}

QWidget *field(QWidget *root, const QString &caption)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *l : labels) {
        if (l->text() == caption && l->buddy())
            return l->buddy();
    }
    // A group box is named by its title, but it is what holds a field, not one.
    const auto widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->accessibleName() == caption && !qobject_cast<QGroupBox *>(w))
            return w;
    }
    // A value that names no caption of its own: the group box it sits in
    // labels it, or its description says what it is.
    for (QWidget *w : widgets) {
        if (qobject_cast<QGroupBox *>(w))
            continue;
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(w);
        if (!item)
            continue;
        const auto labels = item->relations(QAccessible::Label);
        for (const auto &[label, relation] : labels) {
            if (qobject_cast<QGroupBox *>(label->object()) && label->text(QAccessible::Name) == caption
                && w->parentWidget() == label->object() && w->findChildren<QWidget *>().isEmpty())
                return w;
        }
    }
    for (QWidget *w : widgets) {
        if (w->accessibleDescription() == caption)
            return w;
    }
    qWarning("no field captioned '%s'", qPrintable(caption));
    return nullptr;
}

void whenModal(const std::function<void()> &step)
{
    QTimer::singleShot(0, qApp, step);
}

void click(QWidget *root, const QString &caption)
{
    QAbstractButton *b = button(root, caption);
    if (b)
        QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace testing
