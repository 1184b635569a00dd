#ifndef ZELMARQUEELABEL_H
#define ZELMARQUEELABEL_H

#include <QLabel>
#include <QTextLayout>

#include <array>

// The scrolling welcome line: a plain label that moves one pixel at a time.
// QLabel lays its text out afresh on every paint; this one keeps the laid-out
// line until the text, font or size changes, and draws it where QLabel would,
// so each step repaints the same pixels at a fraction of the cost.
class ZELMarqueeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ZELMarqueeLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool plainSingleLine() const;
    void layOut();
    using LayoutKey = std::array<int, 6>;
    LayoutKey layoutKey() const;

    QTextLayout m_layout;
    QPointF m_origin;
    QString m_laidOutText;
    LayoutKey m_laidOutKey{};
    bool m_laidOut = false;
    bool m_plain = false;
};

#endif
