#include "AnalysisFigures.h"

#include "Targets.h"
#include "Touch.h"

#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"

namespace bench {

std::vector<TimedFigure> analysisFigures(TData_in &dataIn, int runs)
{
    Touch touch(dataIn.Con_data());
    std::vector<TimedFigure> figures;
    data::StandingQuery &analyses = dataIn.vtv2_all();
    figures.push_back(compare(QStringLiteral("reset vtv2_all after a write"), analyses, analyses.standingText(), runs,
                              kAnalysisTarget, touch, [&] { analyses.reset(); }));
    // What the analysis search sends for a quantity and a stage.
    const QString analysisSearch = data::analysisSearch({{QStringLiteral("h4"), QStringLiteral("12")},
                                                         {QStringLiteral("h9"), QStringLiteral("签约")}});
    figures.push_back(compare(QStringLiteral("analysis search"), analyses, analysisSearch, runs, kAnalysisTarget, touch,
                              [&] {
                                  analyses.close();
                                  analyses.filter(analysisSearch);
                              }));
    analyses.reset();

    data::StandingQuery &products = dataIn.vtv4_all();
    figures.push_back(compare(QStringLiteral("reset vtv4_all after a write"), products, products.standingText(), runs,
                              kAnalysisTarget, touch, [&] { products.reset(); }));
    // What the product search sends for a name's character and a cost price.
    const QString productSearch = data::productSearch({{QStringLiteral("o1"), QStringLiteral("打印机")},
                                                       {QStringLiteral("o5"), QStringLiteral("5")}});
    figures.push_back(compare(QStringLiteral("product search"), products, productSearch, runs, kAnalysisTarget, touch,
                              [&] {
                                  products.close();
                                  products.filter(productSearch);
                              }));
    products.reset();
    return figures;
}

} // namespace bench
