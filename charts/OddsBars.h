#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

// One term's values as horizontal bars, top to bottom in the order given, each beside its full
// text: a text wider than the label column wraps onto more lines instead of being cut, so every
// value stays legible at any font size; the widget grows as tall as its bars need (the window
// scrolls it). Hovering a value shows its text, counts and shares. Drawn in the palette's colours.
// Several runs give each value a bar per run, one under the other, and a legend under the title;
// the tip of a value of two runs also gives the second's difference from the first in percentage
// points.
class OddsBars : public QWidget {
    Q_OBJECT
public:
    struct Share {
        std::uint64_t count = 0;
        double percent = 0;
    };
    struct Bar {
        QString text;
        std::vector<Share> shares;  // one per run, in the order of the runs' names
    };

    // `runNames` names the runs in the legend and the tips; empty for one run.
    OddsBars(const QString& title, std::vector<Bar> bars, QStringList runNames = {},
             QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The bar under `point`, or -1.
    int barAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Row {
        QStringList lines;  // the text, wrapped to the label column
        int top = 0;
        int height = 0;
    };
    struct Layout {
        int margin = 0;
        int titleHeight = 0;
        int legendHeight = 0;
        int barHeight = 0;
        int labelWidth = 0;
        int barLeft = 0;
        int barSpace = 0;
        std::vector<Row> rows;
        int height = 0;
    };
    Layout layoutFor(int width) const;
    QString tipFor(const Bar& bar) const;
    void paintLegend(QPainter& painter, const Layout& layout) const;

    QString m_title;
    std::vector<Bar> m_bars;
    QStringList m_runNames;
};
