// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/valuelabel.h"

#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace {

class AccessibleValueLabel final : public QAccessibleWidget
{
public:
    explicit AccessibleValueLabel(ValueLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const ValueLabel *>(object())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

QAccessibleInterface *accessibleValueLabel(const QString &className, QObject *object)
{
    if (className == u"ValueLabel" && object)
        return new AccessibleValueLabel(static_cast<ValueLabel *>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleValueLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
}

ValueLabel::~ValueLabel() = default;
