#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

namespace ui {

// The window of a long piece of work (an export, an import): a text, a bar
// and 取 消. It appears only when the work lasts, redraws a few times a
// second, and keeps the program answering meanwhile.
class WorkProgress : public QProgressDialog {
    Q_OBJECT
public:
    WorkProgress(const QString &text, int total, QWidget *parent);

    // The work has come to `done` of its total; false once 取 消 was pressed.
    bool step(int done);

private:
    QElapsedTimer m_shown;
};

} // namespace ui
