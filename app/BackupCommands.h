#pragma once

#include <QDateTime>
#include <QDir>

class QWidget;
class TData_in;

namespace app {

// 系统 > 备份数据: asks where the archive goes (a name with the date and time
// offered), writes it while the program runs and says where it went, or
// what failed.
void backUpWhereAsked(QWidget *parent, TData_in &data);

// The program's own backups in Backup/ of the working folder, the newest
// seven kept: at every exit, and on the first start of each day (when
// `onlyWhenDue`, none is made when one of that day exists). A failure is
// shown as a warning; it stops nothing.
void backUpAutomatically(QWidget *parent, TData_in &data, const QDir &workDir, bool onlyWhenDue,
                         const QDateTime &now = QDateTime::currentDateTime());

} // namespace app
