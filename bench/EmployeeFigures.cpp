#include "EmployeeFigures.h"

#include "Targets.h"
#include "Touch.h"

#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"

namespace bench {

std::vector<TimedFigure> employeeFigures(TData_in &dataIn, int runs)
{
    Touch touch(dataIn.Con_data());
    std::vector<TimedFigure> figures;
    data::StandingQuery &employees = dataIn.utm1_all();
    figures.push_back(compare(QStringLiteral("reset utm1_all after a write"), employees, employees.standingText(), runs,
                              kEmployeeTarget, touch, [&] { employees.reset(); }));
    // What the employee search sends for a sex, a department and a digit of the telephone.
    const QString search = data::employeeSearch({{QStringLiteral("u20"), QStringLiteral("女")},
                                                 {QStringLiteral("u5"), QStringLiteral("销售部")},
                                                 {QStringLiteral("u15"), QStringLiteral("8")}});
    figures.push_back(compare(QStringLiteral("employee search"), employees, search, runs, kEmployeeTarget, touch, [&] {
        employees.close();
        employees.filter(search);
    }));
    employees.reset();
    return figures;
}

} // namespace bench
