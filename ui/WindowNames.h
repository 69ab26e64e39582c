#pragma once

#include <QString>

// The instance names under which every window of the program is registered
// (ui::Windows) and found. Every lookup uses these, never a literal, so that
// a misspelt name fails to compile.
namespace ui::names {

// The shell and the data module.
inline const QString Ta_main = QStringLiteral("Ta_main");
inline const QString Ta_about = QStringLiteral("Ta_about");
inline const QString Ta_gour = QStringLiteral("Ta_gour");
inline const QString Data_in = QStringLiteral("Data_in");
// Where the list reports are run (not a window: it opens theirs).
inline const QString ReportDesk = QStringLiteral("ReportDesk");
// The backup of the first start of a day, made beside the running program.
inline const QString DailyBackup = QStringLiteral("DailyBackup");

// The views of the main window.
inline const QString Frame_liebiao1 = QStringLiteral("Frame_liebiao1");
inline const QString Frame_lianxiren1 = QStringLiteral("Frame_lianxiren1");
inline const QString Frame_fenzu1 = QStringLiteral("Frame_fenzu1");
inline const QString Frame_jihua1 = QStringLiteral("Frame_jihua1");
inline const QString Frame_renwu1 = QStringLiteral("Frame_renwu1");
inline const QString Frame_chanpin1 = QStringLiteral("Frame_chanpin1");
inline const QString Frame_worker1 = QStringLiteral("Frame_worker1");

// Customers and memos.
inline const QString Tnew_lianxiren = QStringLiteral("Tnew_lianxiren");
inline const QString Tedit_lianxiren = QStringLiteral("Tedit_lianxiren");
inline const QString Tfind_lianxiren = QStringLiteral("Tfind_lianxiren");
inline const QString Tnew_beiwang = QStringLiteral("Tnew_beiwang");
inline const QString Tedit_beiwang = QStringLiteral("Tedit_beiwang");

// Companies.
inline const QString Tnew_gongsi = QStringLiteral("Tnew_gongsi");
inline const QString Tedit_gongsi = QStringLiteral("Tedit_gongsi");
inline const QString Tfind_gongsi = QStringLiteral("Tfind_gongsi");

// Sales activities.
inline const QString Tnew_sell = QStringLiteral("Tnew_sell");
inline const QString Tover_sell = QStringLiteral("Tover_sell");
inline const QString Tfind_jihua = QStringLiteral("Tfind_jihua");
inline const QString Tring = QStringLiteral("Tring");
inline const QString Tring_list = QStringLiteral("Tring_list");

// Sales analyses.
inline const QString Tnew_fenxi = QStringLiteral("Tnew_fenxi");
inline const QString Tover_fenxi = QStringLiteral("Tover_fenxi");
inline const QString Tfind_fenxi = QStringLiteral("Tfind_fenxi");

// Products.
inline const QString Tnew_chanpin = QStringLiteral("Tnew_chanpin");
inline const QString Tedit_chanpin = QStringLiteral("Tedit_chanpin");
inline const QString Tover_chanpin = QStringLiteral("Tover_chanpin");
inline const QString Tfind_chanpin = QStringLiteral("Tfind_chanpin");

// Employees.
inline const QString Tnew_user = QStringLiteral("Tnew_user");
inline const QString Tedit_worker = QStringLiteral("Tedit_worker");
inline const QString Tover_user = QStringLiteral("Tover_user");
inline const QString Tfind_worker = QStringLiteral("Tfind_worker");

// Pick-list editors.
inline const QString Tlist_user = QStringLiteral("Tlist_user");
inline const QString Tlist_goutong = QStringLiteral("Tlist_goutong");
inline const QString Tlist_jihua = QStringLiteral("Tlist_jihua");
inline const QString Tlist_baifang = QStringLiteral("Tlist_baifang");
inline const QString Tlist_gongsi = QStringLiteral("Tlist_gongsi");
inline const QString Tlist_fenxi = QStringLiteral("Tlist_fenxi");
inline const QString Tlist_suoshu = QStringLiteral("Tlist_suoshu");
inline const QString Tlist_chanpin = QStringLiteral("Tlist_chanpin");

} // namespace ui::names
