// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

void Prompts::showMessage(QWidget *parent, const QString &text, const QString &details) const
{
    if (!details.isEmpty() && detailedMessage) {
        detailedMessage(text, details);
        return;
    }
    if (message) {
        message(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, u"KORVANE"_s, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

bool Prompts::ask(QWidget *parent, const QString &text) const
{
    if (question)
        return question(text);
    QMessageBox box(QMessageBox::Question, u"KORVANE"_s, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString Prompts::chooseFile(QWidget *parent, FileAction action, const QString &caption, const QString &filter) const
{
    if (fileName)
        return fileName(action, caption, filter);
    QFileDialog dialog(parent, caption, QString(), filter);
    if (action == FileAction::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // A name typed without an ending takes the chosen type's, before the
        // dialog asks whether to replace a file of that name.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const auto takeSuffix = [&dialog](const QString &selected) {
            static const QRegularExpression pattern(u"\\*\\.(\\w+)"_s);
            dialog.setDefaultSuffix(pattern.match(selected).captured(1));
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
        takeSuffix(dialog.selectedNameFilter());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
