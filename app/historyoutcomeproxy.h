// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/historyrecord.h"

#include <QIdentityProxyModel>
#include <QIcon>

#include <array>

// HistoryModel as the History window shows it: each outcome with an icon
// beside its word, so that a message that did not go stands out at a glance
// (a tick for sent, a cross for not sent, a warning for not known, arrows
// for one still being sent).
class HistoryOutcomeProxy final : public QIdentityProxyModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryOutcomeProxy)

public:
    explicit HistoryOutcomeProxy(QObject *parent = nullptr);
    ~HistoryOutcomeProxy() override;

    static QIcon icon(HistoryRecord::State state);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    // One per state, in the order of HistoryRecord::State.
    std::array<QIcon, 4> m_icons;
};
