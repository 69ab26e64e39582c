#pragma once

#include <QLabel>

namespace data {
class StandingQuery;
}

namespace ui {

// A value label (see valueLabel()) for a window whose size must not follow
// the value: a value of any length keeps it on the screen. A short value
// takes the width it needs; a longer one wraps at `width` pixels (at word
// boundaries where it can, anywhere where it must) over at most `lines`
// lines, the last of them ending in "…" when the value goes on, and the hint
// shows all of it. The text is shown as it is (plain text, never markup), and
// an accessibility client is told all of it.
class WrappedValue : public QLabel {
    Q_OBJECT
public:
    WrappedValue(QWidget *parent, int width, int lines, const QString &description = {});

    // Shows one field of a query's current row.
    void bind(data::StandingQuery *query, const QString &field);
    // Whether the value needs more lines than the label shows.
    bool isCut() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width;
    int m_lines;
};

} // namespace ui
