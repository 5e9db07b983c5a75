#pragma once

// A static text that shows an underlined, coloured text and opens its link
// when the text is clicked. The pointing hand shows over the text itself
// only, so no other label of any dialog ever takes that cursor.

#include <QColor>
#include <QLabel>
#include <QString>

class HyperLink : public QLabel
{
    Q_OBJECT

  public:
    explicit HyperLink(QWidget *parent = nullptr);

    // The label's alignment (left, centred, right; vertically centred or at
    // the top) places the text; the text cell is filled with backColor.
    void Init(const QString &text, const QString &link, bool underline, const QColor &textColor,
              const QColor &backColor);

    const QString &Link() const { return myLink; }
    const QColor &TextColor() const { return myTextColor; }
    const QColor &BackColor() const { return myBackColor; }
    // Where the text lies in the control: the part that reacts to the mouse.
    QRect TextRect() const;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QColor myBackColor{255, 255, 255};
    QString myLink;
    QColor myTextColor{0, 0, 0};
    bool myPressed = false;
};
