// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/historyoutcomeproxy.h"

#include "history/historymodel.h"

#include <QApplication>
#include <QStyle>

HistoryOutcomeProxy::HistoryOutcomeProxy(QObject *parent)
    : QIdentityProxyModel(parent)
{
    for (const auto state : {HistoryRecord::State::Sending, HistoryRecord::State::Sent, HistoryRecord::State::NotSent,
                             HistoryRecord::State::NotKnown})
        m_icons.at(std::size_t(state)) = icon(state);
}

HistoryOutcomeProxy::~HistoryOutcomeProxy() = default;

QIcon HistoryOutcomeProxy::icon(HistoryRecord::State state)
{
    QStyle::StandardPixmap pixmap = QStyle::SP_BrowserReload;
    switch (state) {
    case HistoryRecord::State::Sending:
        break;
    case HistoryRecord::State::Sent:
        pixmap = QStyle::SP_DialogApplyButton;
        break;
    case HistoryRecord::State::NotSent:
        pixmap = QStyle::SP_DialogCancelButton;
        break;
    case HistoryRecord::State::NotKnown:
        pixmap = QStyle::SP_MessageBoxWarning;
        break;
    }
    return QApplication::style()->standardIcon(pixmap);
}

QVariant HistoryOutcomeProxy::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DecorationRole && index.column() == HistoryModel::OutcomeColumn) {
        const QVariant state = QIdentityProxyModel::data(index, HistoryModel::StateRole);
        if (state.isValid())
            return m_icons.at(std::size_t(state.value<HistoryRecord::State>()));
    }
    return QIdentityProxyModel::data(index, role);
}
