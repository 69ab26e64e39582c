#pragma once

#include <QDialog>

namespace app {

// How an import went, as a text the user can read through and save.
class ImportSummaryWindow : public QDialog {
    Q_OBJECT
public:
    explicit ImportSummaryWindow(const QString &summary, QWidget *parent = nullptr);

private:
    void save();

    QString m_summary;
};

} // namespace app
