#pragma once

#include <QString>
#include <functional>

class QDateEdit;
class QGroupBox;
class QLayout;
class QLineEdit;
class QToolButton;
class QWidget;

namespace ui {
class PickListCombo;
}

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

// Group "销售信息" of the new-analysis and the search window: 数量, 单价 and
// 总计 taking typed digits only (the first two at most 8), 预计签单日期, 概率
// (at most 2 characters) with its "%", and 销售类型 over vx10.
struct SalesFields {
    QGroupBox *group = nullptr;
    QLineEdit *quantity = nullptr;
    QLineEdit *unitPrice = nullptr;
    QLineEdit *total = nullptr;
    QDateEdit *date = nullptr;
    QLineEdit *probability = nullptr;
    ui::PickListCombo *salesType = nullptr;
};
// `typePlace` lays out what stands in the sales type's place (the drop-down
// and what belongs to it); without it the drop-down stands alone.
SalesFields salesGroup(QWidget *parent, const std::function<QLayout *(ui::PickListCombo *)> &typePlace = {});

} // namespace analyses
