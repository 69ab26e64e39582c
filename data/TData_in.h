#pragma once

#include "Connection.h"
#include "StandingQuery.h"

#include <QDir>
#include <QObject>
#include <map>
#include <memory>

// The shared data module: both connections and every standing query, open
// from start-up to the end of the run. Creating it opens everything; a
// database that cannot be opened throws data::DbError with the engine's text.
class TData_in : public QObject {
    Q_OBJECT
public:
    explicit TData_in(const QDir &workDir = QDir::current(), QObject *parent = nullptr);
    ~TData_in() override;

    const QDir &workDir() const { return m_workDir; }
    data::Connection &Con_data() { return m_main; }
    data::Connection &Con_c() { return m_lookup; }

    data::StandingQuery &query(const QString &name) const; // throws std::out_of_range for unknown names
    data::StandingQuery &pickList(int n) const { return query(QStringLiteral("vx%1").arg(n)); }
    const std::vector<data::StandingQuery *> &queries() const { return m_order; }

    // For putting other files in the place of both (a restore): closes every
    // standing query and both files; the controls bound to them show nothing.
    void closeFiles();
    // Opens both files again, where they stand now, with every standing query
    // back to its standing statement. Throws data::DbError when a file cannot
    // be opened; then both stay closed.
    void openFiles();

    data::StandingQuery &atc1_all() const { return query(QStringLiteral("atc1_all")); }
    data::StandingQuery &atc2_all() const { return query(QStringLiteral("atc2_all")); }
    data::StandingQuery &vtv1_all() const { return query(QStringLiteral("vtv1_all")); }
    data::StandingQuery &vtv2_all() const { return query(QStringLiteral("vtv2_all")); }
    data::StandingQuery &vtv3_all() const { return query(QStringLiteral("vtv3_all")); }
    data::StandingQuery &vtv4_all() const { return query(QStringLiteral("vtv4_all")); }
    data::StandingQuery &utm1_all() const { return query(QStringLiteral("utm1_all")); }
    data::StandingQuery &ptp1_all() const { return query(QStringLiteral("ptp1_all")); }
    data::StandingQuery &find_gongsi() const { return query(QStringLiteral("find_gongsi")); }

private:
    void add(const QString &name, data::Connection &connection, const QString &table, const QString &text);

    QDir m_workDir;
    data::Connection m_main;
    data::Connection m_lookup;
    std::map<QString, data::StandingQuery *> m_byName;
    std::vector<data::StandingQuery *> m_order;
};
