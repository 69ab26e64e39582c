#pragma once

#include <QString>

class QWidget;

namespace ui {

// Where a file dialog starts when the user has not chosen a folder yet: the
// documents folder, or home when there is none.
QString documentsFolder();

// Before a file is written under a name that exists: asks whether to replace
// it ("文件"…"已存在,要替换它吗?"). True when nothing is there or the user agreed.
bool confirmReplace(QWidget *parent, const QString &title, const QString &path);

} // namespace ui
