#pragma once

#include "Windows.h"

#include <QDialog>

class QToolButton;
#include <QMap>
#include <QStringList>

namespace ui {
class DbGrid;
class DbNavigator;
}

// A modal window in which the user adds, changes and deletes the entries of
// pick lists: one panel per list, exactly one visible at a time. Every
// drop-down bound to a list shows its entries at once, since they all share
// the list's standing query.
class PickListEditor : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    // lists: the pick-list tables of the panels, in panel order ("vx2", "vx1").
    // fixedCaption: the caption of an editor that holds one list; empty when
    // the opener sets it.
    PickListEditor(const QString &instanceName, const QStringList &lists, const QString &fixedCaption,
                   QWidget *parent = nullptr);

    void bindData(TData_in &data) override;

    // Makes the panel of one list the visible one, with the caption the
    // opening button gives (shared editors), then shows the editor modally.
    void openOn(const QString &list, const QString &caption = {});

    // The small "..." button beside a drop-down over `list`: it opens the
    // editor registered as `editor` on that list alone, under `caption`.
    // `name` is what the button is called (its hint and accessible name);
    // its object name is the list's with "Edit" after it ("vx11Edit").
    static QToolButton *editButton(QWidget *parent, const QString &editor, const QString &list, const QString &caption,
                                   const QString &name);
    void prepare(const QString &list, const QString &caption = {});

    const QStringList &lists() const { return m_lists; }
    QString visibleList() const;
    QWidget *panel(const QString &list) const { return m_panels.value(list); }
    ui::DbGrid *grid(const QString &list) const { return m_grids.value(list); }
    ui::DbNavigator *navigator(const QString &list) const { return m_navigators.value(list); }

private:
    QStringList m_lists;
    QString m_fixedCaption;
    QMap<QString, QWidget *> m_panels;
    QMap<QString, ui::DbGrid *> m_grids;
    QMap<QString, ui::DbNavigator *> m_navigators;
};

// The eight editors, by the lists they hold (panels in this order).
class Tlist_suoshu : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_suoshu(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_suoshu"), {"vx2", "vx1"}, QString(), parent) {}
};

class Tlist_goutong : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_goutong(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_goutong"), {"vx3"}, QStringLiteral("沟通菜单"), parent) {}
};

class Tlist_baifang : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_baifang(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_baifang"), {"vx4"}, QStringLiteral("拜访菜单"), parent) {}
};

class Tlist_jihua : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_jihua(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_jihua"), {"vx5"}, QStringLiteral("计划菜单"), parent) {}
};

class Tlist_gongsi : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_gongsi(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_gongsi"), {"vx6", "vx7", "vx8"}, QString(), parent) {}
};

class Tlist_fenxi : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_fenxi(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_fenxi"), {"vx9", "vx10", "vx11", "vx12"}, QString(), parent) {}
};

class Tlist_chanpin : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_chanpin(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_chanpin"), {"vx13", "vx14", "vx15", "vx16"}, QString(), parent) {}
};

class Tlist_user : public PickListEditor {
    Q_OBJECT
public:
    explicit Tlist_user(QWidget *parent = nullptr) : PickListEditor(QStringLiteral("Tlist_user"), {"vx17", "vx18", "vx19"}, QString(), parent) {}
};
