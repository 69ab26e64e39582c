#include "TData_in.h"

#include "DbError.h"
#include "FreshInstall.h"
#include "Schema.h"

#include <stdexcept>

using data::Connection;
using data::StandingQuery;

TData_in::TData_in(const QDir &workDir, QObject *parent)
    : QObject(parent),
      m_workDir(workDir),
      m_main(Connection::open(workDir.filePath(QString::fromLatin1(data::kMainFile.relativePath)), data::kMainFile.key)),
      m_lookup(Connection::open(workDir.filePath(QString::fromLatin1(data::kLookupFile.relativePath)),
                                data::kLookupFile.key))
{
    setObjectName(QStringLiteral("Data_in"));
    // A file from before the reminder's index gets it now. Where the file
    // cannot take it (read-only, locked by another program) the program runs
    // without it, only its lookups are slower, and the next start tries again.
    try {
        data::addMissingIndexes(m_main);
    } catch (const data::DbError &) {
    }
    add("atc1_all", m_main, "atc1", "select * from atc1 order by aid DESC");
    add("atc2_all", m_main, "atc2", "select * from atc2 order by cid DESC");
    add("vtv1_all", m_main, "vtv1", "select * from vtv1 order by e3 DESC");
    add("vtv2_all", m_main, "vtv2", "select * from vtv2 order by hid DESC");
    add("vtv3_all", m_main, "vtv3", "select * from vtv3 order by jid DESC");
    add("vtv4_all", m_main, "vtv4", "select * from vtv4 order by oid desc");
    add("utm1_all", m_main, "utm1", "select * from utm1 order by uid desc");
    add("ptp1_all", m_main, "ptp1", "select * from ptp1");
    for (int i = 1; i <= data::kPickListCount; ++i) {
        const QString table = QStringLiteral("vx%1").arg(i);
        add(table, m_lookup, table, QStringLiteral("select * from %1 order by mcid DESC").arg(table));
    }
    add("find_gongsi", m_main, "atc2", QString());

    // Each query reads its rows when a control first shows them; a statement
    // the engine refuses still stops the start here.
    for (StandingQuery *q : m_order) {
        if (!q->standingText().isEmpty())
            q->openDeferred();
    }
}

// The queries are children of this object and go before the connections.
TData_in::~TData_in()
{
    for (StandingQuery *q : m_order)
        delete q;
}

void TData_in::add(const QString &name, Connection &connection, const QString &table, const QString &text)
{
    const data::TableDef *def = data::findTable(table);
    auto *q = new StandingQuery(name, connection, table, def ? def->key : QString(), text, this);
    q->setObjectName(name);
    m_byName[name] = q;
    m_order.push_back(q);
}

void TData_in::closeFiles()
{
    for (StandingQuery *q : m_order)
        q->close();
    m_main = Connection();
    m_lookup = Connection();
}

void TData_in::openFiles()
{
    try {
        m_main = Connection::open(m_workDir.filePath(QString::fromLatin1(data::kMainFile.relativePath)),
                                  data::kMainFile.key);
        m_lookup = Connection::open(m_workDir.filePath(QString::fromLatin1(data::kLookupFile.relativePath)),
                                    data::kLookupFile.key);
        for (StandingQuery *q : m_order) {
            if (!q->standingText().isEmpty())
                q->reset();
        }
    } catch (const data::DbError &) {
        closeFiles();
        throw;
    }
}

StandingQuery &TData_in::query(const QString &name) const
{
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        throw std::out_of_range("no standing query named " + name.toStdString());
    return *it->second;
}
