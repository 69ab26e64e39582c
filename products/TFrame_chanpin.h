#pragma once

#include <QFrame>

// A business view of the main window. Its grids, toolbars and commands
// arrive with the subsystem it belongs to.
class TFrame_chanpin : public QFrame {
    Q_OBJECT
public:
    explicit TFrame_chanpin(QWidget *parent = nullptr);
};
