#pragma once

#include <QFrame>

// A business view of the main window. Its grids, toolbars and commands
// arrive with the subsystem it belongs to.
class TFrame_fenzu : public QFrame {
    Q_OBJECT
public:
    explicit TFrame_fenzu(QWidget *parent = nullptr);

    // Brings the description page "描述" to the front.
    void showDescriptionPage() {}
};
