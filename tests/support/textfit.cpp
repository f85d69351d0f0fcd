// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/textfit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace {

// A text as drawn where "&" marks an access key: "&&" shows one "&", a
// lone "&" nothing; a menu item's shortcut after a tab has a column of
// its own.
QString shownText(const QString &text)
{
    const QString item = text.section(u'\t', 0, 0);
    QString shown;
    for (qsizetype i = 0; i < item.size(); ++i) {
        if (item[i] == u'&' && i + 1 < item.size())
            ++i;
        shown += item[i];
    }
    return shown;
}

QString nameOf(const QObject &object)
{
    return object.objectName().isEmpty() ? QString::fromLatin1(object.metaObject()->className())
                                         : object.objectName();
}

class Measure
{
public:
    explicit Measure(QString window)
        : m_window(std::move(window))
    {
    }

    void control(const QWidget &widget);
    void menu(const QMenu &menu, const QString &where);
    QList<Misfit> misfits() const { return m_misfits; }

private:
    void label(const QLabel &label);
    void button(const QAbstractButton &button);
    void groupBox(const QGroupBox &box);
    void lineEdit(const QLineEdit &edit);
    void header(const QHeaderView &header);
    void tabBar(const QTabBar &bar);
    void menuBar(const QMenuBar &bar);
    void contextMenu(const QWidget &widget);
    // A single line of `text` needs `needed` pixels across and has `given`.
    void width(const QString &where, const QString &control, const QString &text, int needed, int given)
    {
        fit(where, control, text, QSize(needed, 0), QSize(given, 0));
    }
    void fit(const QString &where, const QString &control, const QString &text, QSize needed, QSize given)
    {
        if (needed.width() > given.width() || needed.height() > given.height())
            m_misfits.append({where, control, text, needed, given});
    }

    QString m_window;
    QList<Misfit> m_misfits;
};

void Measure::control(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        this->label(*label);
    else if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        this->button(*button);
    else if (const auto *box = qobject_cast<const QGroupBox *>(&widget))
        groupBox(*box);
    else if (const auto *edit = qobject_cast<const QLineEdit *>(&widget))
        lineEdit(*edit);
    else if (const auto *header = qobject_cast<const QHeaderView *>(&widget))
        this->header(*header);
    else if (const auto *bar = qobject_cast<const QTabBar *>(&widget))
        tabBar(*bar);
    else if (const auto *bar = qobject_cast<const QMenuBar *>(&widget))
        menuBar(*bar);
    if (widget.contextMenuPolicy() == Qt::ActionsContextMenu)
        contextMenu(widget);
}

// Laid out as QLabel lays out plain text: within its contents less its
// margin, wrapped at its width when it wraps.
void Measure::label(const QLabel &label)
{
    if (label.text().isEmpty())
        return;
    const int margin = label.margin();
    const QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    int flags = int(label.alignment());
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    if (label.buddy())
        flags |= Qt::TextShowMnemonic;
    const QFontMetrics metrics = label.fontMetrics();
    const QRect width(0, 0, room.width(), 0);
    QSize needed = metrics.boundingRect(width, flags, label.text()).size();
    // A pixel or two of a single line's descent that the form lacks is its
    // own matter, the same in every language: one line is measured across.
    if (needed.height() <= metrics.boundingRect(width, flags, u"X"_s).height())
        needed.setHeight(0);
    fit(m_window, nameOf(label), label.text(), needed, room.size());
}

// A push button's text within its contents, inside its frame and default
// marker, less the style's margin; a check box or radio button as wide as
// the style makes it for its indicator and text.
void Measure::button(const QAbstractButton &button)
{
    if (button.text().isEmpty())
        return;
    const auto *push = qobject_cast<const QPushButton *>(&button);
    if (!push) {
        width(m_window, nameOf(button), button.text(), button.sizeHint().width(), button.width());
        return;
    }
    QStyleOptionButton option;
    option.initFrom(push);
    option.text = push->text();
    if (push->autoDefault() || push->isDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QStyle *style = push->style();
    const int contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
    int needed = push->fontMetrics().horizontalAdvance(shownText(push->text()))
        + style->pixelMetric(QStyle::PM_ButtonMargin, &option, push);
    if (!push->icon().isNull())
        needed += push->iconSize().width() + 4;
    width(m_window, nameOf(button), push->text(), needed, contents);
}

// The title where the style puts it, on the box's top edge.
void Measure::groupBox(const QGroupBox &box)
{
    if (box.title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    width(m_window, nameOf(box), box.title(), box.fontMetrics().horizontalAdvance(shownText(box.title())),
          title.intersected(box.rect()).width());
}

// What the program writes in a line edit: the text of one the user cannot
// type in, and the placeholder of an empty one. QLineEdit keeps 2 pixels
// clear each side.
void Measure::lineEdit(const QLineEdit &edit)
{
    const bool programs = edit.isReadOnly() || !edit.isEnabled();
    const QString text = edit.text().isEmpty() ? edit.placeholderText() : programs ? edit.text() : QString();
    if (text.isEmpty())
        return;
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect room =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).marginsRemoved(edit.textMargins());
    width(m_window, nameOf(edit), text, edit.fontMetrics().horizontalAdvance(text), room.width() - 4);
}

void Measure::header(const QHeaderView &header)
{
    if (header.orientation() != Qt::Horizontal || !header.model())
        return;
    const QStyle *style = header.style();
    int padding = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    if (header.isSortIndicatorShown())
        padding += style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, &header);
    const QString where = nameOf(*header.parentWidget());
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const QString text = header.model()->headerData(section, Qt::Horizontal).toString();
        width(m_window, where + u" column "_s + QString::number(section), text,
              header.fontMetrics().horizontalAdvance(text) + padding, header.sectionSize(section));
    }
}

void Measure::tabBar(const QTabBar &bar)
{
    const int padding = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    for (int tab = 0; tab < bar.count(); ++tab) {
        const QString text = bar.tabText(tab);
        width(m_window, nameOf(bar) + u" tab "_s + QString::number(tab), text,
              bar.fontMetrics().horizontalAdvance(shownText(text)) + padding,
              bar.tabRect(tab).intersected(bar.rect()).width());
    }
}

// An item that the bar cannot hold whole goes behind its extension arrow:
// it has no room on the bar at all.
void Measure::menuBar(const QMenuBar &bar)
{
    for (QAction *action : bar.actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QRect place = bar.actionGeometry(action);
        width(m_window, nameOf(bar), action->text(), bar.fontMetrics().horizontalAdvance(shownText(action->text())),
              bar.rect().contains(place) ? place.width() : 0);
        if (action->menu())
            menu(*action->menu(), nameOf(*action->menu()));
    }
}

// A menu is as wide as its widest item, up to the width of the screen.
void Measure::menu(const QMenu &menu, const QString &where)
{
    const QScreen *screen = menu.screen();
    const int overflow = qMax(0, menu.sizeHint().width() - screen->availableGeometry().width());
    const QString inMenu = m_window + u" menu "_s + where;
    for (QAction *action : menu.actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QString text = shownText(action->text());
        width(inMenu, nameOf(*action), action->text(), menu.fontMetrics().horizontalAdvance(text),
              menu.actionGeometry(action).width() - overflow);
        if (action->menu())
            this->menu(*action->menu(), nameOf(*action->menu()));
    }
}

// The menu Qt opens from the widget's actions, in the application's font.
void Measure::contextMenu(const QWidget &widget)
{
    QMenu menu;
    menu.addActions(widget.actions());
    this->menu(menu, nameOf(widget));
}

} // namespace

QString Misfit::line(const QString &language) const
{
    const auto size = [](QSize size) {
        return size.height() > 0 ? u"%1x%2 px"_s.arg(size.width()).arg(size.height())
                                 : u"%1 px"_s.arg(size.width());
    };
    return u"[%1] %2 / %3: \"%4\" needs %5, has %6"_s.arg(language, window, control, text, size(needed), size(given));
}

namespace TextFit {

QList<Misfit> misfitsIn(const QWidget &window)
{
    Measure measure(nameOf(window));
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->window() == &window && widget->isVisible())
            measure.control(*widget);
    }
    return measure.misfits();
}

QList<Misfit> misfitsOf(const QWidget &control)
{
    Measure measure(nameOf(*control.window()));
    measure.control(control);
    return measure.misfits();
}

} // namespace TextFit
