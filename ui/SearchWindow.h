#pragma once

#include "SearchFields.h"
#include "Windows.h"

#include <QDialog>
#include <QList>
#include <functional>

class QPushButton;

namespace data {
class StandingQuery;
}

namespace ui {

// A search window: a title strip, groups of fields (each known by the column
// it searches) and 搜 索 at the bottom right. It is empty and in the middle
// of the desktop whenever it is opened; a search that finds nothing says so
// and empties it again. A new search window:
//
//     class Tfind_x : public ui::SearchWindow {
//         explicit Tfind_x(QWidget *parent = nullptr) : SearchWindow(parent, "find_x", "搜索某某")
//         { layOut({createGroup()}); }
//         QGroupBox *createGroup(); // Edit1 = fields().add("x1", ui::textBox(...)); ...
//         void search() override    // 搜 索
//         { showFound(query, [&] { query.close(); query.filter(data::xSearch(fields().texts(data::xRecord()))); }); }
//     };
class SearchWindow : public QDialog, public DataBound {
    Q_OBJECT
public:
    // Empties every field, leaves the drop-downs without a choice and puts
    // back what the window holds beyond its fields (resetMore()). An opening
    // then puts the cursor into the first field.
    void reset();

protected:
    SearchWindow(QWidget *parent, const QString &name, const QString &title);

    SearchFields &fields() { return m_fields; }
    // The title strip, the groups one below the other, then 搜 索.
    void layOut(const QList<QWidget *> &groups);
    QPushButton *searchButton() const { return BitBtn1; }

    // What 搜 索 does.
    virtual void search() = 0;
    // What a window holds beyond its fields (buttons without a choice, hidden
    // texts, a picker back on today), put back on every reset.
    virtual void resetMore() {}
    // Runs load, which puts the found rows into query. When it fails, the
    // error is shown and the window stays open; otherwise it closes, and when
    // nothing was found it says so and is emptied.
    void showFound(data::StandingQuery &query, const std::function<void()> &load);
    // The same for a window that says nothing when nothing was found: the
    // list it fills is simply empty. True when it closed.
    bool closeOnFound(const std::function<void()> &load);

    void showEvent(QShowEvent *event) override;

private:
    SearchFields m_fields;
    QPushButton *BitBtn1 = nullptr; // 搜 索
};

} // namespace ui
