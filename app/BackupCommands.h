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

// 系统 > 恢复数据: asks for an archive and, once the user confirmed, puts its
// data in place of the program's, all or nothing: the archive is checked
// first, the data of the moment are backed up automatically, and only then
// do the files trade places; every standing query and pick list is read
// again. Any failure leaves the data as they were and says why. True when
// the data were restored.
bool restoreWhereAsked(QWidget *parent, TData_in &data);

// The program's own backup at every exit, in Backup/ of the working folder
// with the newest seven kept (the first start of a day makes one too, beside
// the running program: DailyBackup). A failure is shown as a warning; it
// stops nothing.
void backUpAutomatically(QWidget *parent, TData_in &data, const QDir &workDir,
                         const QDateTime &now = QDateTime::currentDateTime());

} // namespace app
