#include "FileChoice.h"

#include "MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ui {

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

bool confirmReplace(QWidget *parent, const QString &title, const QString &path)
{
    const QFileInfo target(path);
    return !target.exists()
           || MessageBox::question(parent, title,
                                   QStringLiteral("文件\"%1\"已存在,要替换它吗?").arg(target.absoluteFilePath()));
}

} // namespace ui
