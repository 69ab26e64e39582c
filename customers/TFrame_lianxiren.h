#pragma once

#include <QFrame>

// A business view of the main window. Its grids, toolbars and commands
// arrive with the subsystem it belongs to.
class TFrame_lianxiren : public QFrame {
    Q_OBJECT
public:
    explicit TFrame_lianxiren(QWidget *parent = nullptr);
};
