#include "HyperLink.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

HyperLink::HyperLink(QWidget *parent) : QLabel(parent)
{
    // The cursor follows the pointer over the text, not the whole control.
    setMouseTracking(true);
}

void HyperLink::Init(const QString &text, const QString &link, bool underline,
                     const QColor &textColor, const QColor &backColor)
{
    QFont linkFont = font();
    linkFont.setUnderline(underline);
    setFont(linkFont);
    myTextColor = textColor;
    myBackColor = backColor;
    myLink = link;
    setText(text);
}

QRect HyperLink::TextRect() const
{
    // Vertically centred only when the label asks for it, as a static text
    // draws at the top otherwise.
    const Qt::Alignment vertical = alignment() & Qt::AlignVCenter ? Qt::AlignVCenter : Qt::AlignTop;
    const Qt::Alignment horizontal = alignment() & Qt::AlignRight     ? Qt::AlignRight
                                     : alignment() & Qt::AlignHCenter ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
    return fontMetrics().boundingRect(rect(), int(vertical | horizontal) | Qt::TextSingleLine,
                                      text());
}

void HyperLink::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect cell = TextRect();
    p.fillRect(cell, myBackColor);
    p.setPen(myTextColor);
    p.setFont(font());
    p.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void HyperLink::mouseMoveEvent(QMouseEvent *event)
{
    if (TextRect().contains(event->position().toPoint()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QLabel::mouseMoveEvent(event);
}

void HyperLink::mousePressEvent(QMouseEvent *event)
{
    myPressed =
        event->button() == Qt::LeftButton && TextRect().contains(event->position().toPoint());
    QLabel::mousePressEvent(event);
}

void HyperLink::mouseReleaseEvent(QMouseEvent *event)
{
    // A click counts when it starts and ends on the text, as with a button.
    const bool clicked = myPressed && event->button() == Qt::LeftButton &&
                         TextRect().contains(event->position().toPoint());
    myPressed = false;
    // Whether the desktop could open the link is not reported: a link that
    // cannot be opened simply does nothing.
    if (clicked)
        QDesktopServices::openUrl(QUrl(myLink));
    QLabel::mouseReleaseEvent(event);
}
