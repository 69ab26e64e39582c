#pragma once

#include <QDateTime>
#include <QDir>

class QWidget;
class TData_in;

namespace app {

// 系统 > 备份数据: asks where the archive goes (a name with the date and time
// offered), writes it while the program runs, showing how far it has come
// (取 消 stops it, and nothing is written), and says where it went, or what
// failed.
void backUpWhereAsked(QWidget *parent, TData_in &data);

// 系统 > 恢复数据: asks for an archive (the dialog opens where the program's
// own backups are), checks it, asks whether to go on, showing when the
// archive was made and how many customers it holds, and then puts its data
// in place of the program's, all or nothing: the data of the moment are
// backed up automatically, and only then do the files trade places; every
// standing query and pick list is read again. A failure at any step, a
// second one while the old files are put back included, ends with the old
// files in place and open wherever they can be, and says why. True when the
// files now open are not the ones open before (the data were restored).
bool restoreWhereAsked(QWidget *parent, TData_in &data);

// The program's own backup at every exit, in Backup/ of the working folder
// (the first start of a day makes one too, beside the running program:
// DailyBackup; which are kept: data::backupsToRemove()). A window shows how
// far it has come; a failure is shown as a warning; it stops nothing.
void backUpAutomatically(QWidget *parent, TData_in &data, const QDir &workDir,
                         const QDateTime &now = QDateTime::currentDateTime());

} // namespace app
