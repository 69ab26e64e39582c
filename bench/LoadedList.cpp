#include "LoadedList.h"

#include "BareLoop.h"

#include "StandingQuery.h"
#include "TData_in.h"

#include <stdexcept>
#include <string>

namespace bench {

data::StandingQuery &loadCustomerList(TData_in &dataIn)
{
    data::StandingQuery &list = dataIn.atc1_all();
    const int rows = list.count(); // reads the rows when first asked
    const BareResult bare = bareLoop(list.connection().handle(), list.text().toUtf8());
    if (bare.rows != rows)
        throw std::runtime_error("the list holds " + std::to_string(rows) + " rows, the bare loop read "
                                 + std::to_string(bare.rows));
    return list;
}

std::function<void()> bareLoopOver(const data::StandingQuery &list)
{
    return [db = list.connection().handle(), sql = list.text().toUtf8()] { bareLoop(db, sql); };
}

} // namespace bench
