#pragma once

#include <QString>

class QToolButton;
class QWidget;

namespace analyses {

// A pick list of the analysis windows and the caption its editor shows.
struct AnalysisList {
    const char *table;
    const char *caption;
};

inline constexpr AnalysisList kSalesTypes{"vx10", "销售类型菜单"};
inline constexpr AnalysisList kStages{"vx11", "销售进程菜单"};
inline constexpr AnalysisList kCompetitors{"vx12", "竞争对手菜单"};

// The small button beside a drop-down that opens the analysis list editor on
// that list alone, under its caption.
QToolButton *listEditButton(QWidget *parent, const AnalysisList &list);

} // namespace analyses
