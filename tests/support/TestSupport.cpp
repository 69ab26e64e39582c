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
