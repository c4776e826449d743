#pragma once

#include <QWidget>

// A link: bold, underlined text with a pointing-hand pointer, clicked on release or with
// Enter or Space. It draws its text itself: a focusable QLabel would build a rich-text
// document for every link, which costs noticeable start-up time for plain words.
class LinkLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
public:
    explicit LinkLabel(QWidget* parent = nullptr);
    explicit LinkLabel(const QString& objectName, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

    // Of two links lying over each other, only the one in front can be seen, clicked
    // or reached with the keyboard.
    static void bringToFront(LinkLabel* front, LinkLabel* behind);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int textFlags() const;
    QSize textSize(int width) const;
    void textChanged();

    // Measuring wrapped text lays it out afresh, so the hints are kept until the text,
    // the font or the wrapping changes.
    mutable QSize m_sizeHint;
    mutable QSize m_minimumSizeHint;
    mutable QSize m_heightForWidth{-1, -1};  // (width, height) of the last request

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
    bool m_pressed = false;
};
