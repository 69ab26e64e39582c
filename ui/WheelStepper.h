#pragma once

#include <QObject>
#include <QSet>

namespace ui {

class DbGrid;

// Over a registered list grid, one wheel message moves the current row by
// exactly one, whatever the distance: towards the user to the next row,
// away from the user (or a zero distance) to the row before. The grid does
// not scroll by itself: the stepper covers the whole grid, its scroll bars
// and header included. A disabled grid (a delete confirmation is up) keeps
// its row: the wheel does nothing there.
class WheelStepper : public QObject {
    Q_OBJECT
public:
    explicit WheelStepper(QObject *parent = nullptr) : QObject(parent) {}
    void registerGrid(DbGrid *grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DbGrid *gridOf(QObject *watched) const;

    QSet<QObject *> m_grids;
};

} // namespace ui
