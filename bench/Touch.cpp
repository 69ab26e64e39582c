#include "Touch.h"

#include "Connection.h"
#include "SqlText.h"
#include "Statement.h"

namespace bench {

void Touch::operator()()
{
    QString key;
    {
        data::Statement newest(m_connection, QStringLiteral("select max(aid) from atc1"));
        if (!newest.step() || newest.isNull(0))
            return;
        key = newest.text(0);
    }
    const QString remark = QStringLiteral("回访%1").arg(++m_count);
    m_connection.execute(data::updateRow(QStringLiteral("atc1"), {QStringLiteral("a27")}, QStringLiteral("aid")),
                         {{QStringLiteral(":a27"), remark}, {QStringLiteral(":aid"), key}});
}

} // namespace bench
