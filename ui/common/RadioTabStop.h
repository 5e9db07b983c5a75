#pragma once

// Tab into a group of radio buttons lands on its checked button, as on every
// desktop; the arrow keys then move the choice within the group. Qt keeps a
// single tab stop per exclusive group, but only from the first time one of
// its buttons had the focus: before that every button is a tab stop and Tab
// lands on the first, where a Space would change the setting.

#include <QAbstractButton>
#include <QButtonGroup>

// Makes the checked button the group's only tab stop; call once the dialog
// has checked its buttons. A group with nothing checked keeps its first.
inline void TabToCheckedButton(QButtonGroup *group)
{
    const QList<QAbstractButton *> buttons = group->buttons();
    QAbstractButton *stop = group->checkedButton();
    if (stop == nullptr && !buttons.isEmpty())
        stop = buttons.front();
    for (QAbstractButton *button : buttons)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
