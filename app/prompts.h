// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message, question and file choice that KORVANE's windows put to the
// user goes through here, so that tests can answer them without a modal loop.
// Where no handler is set, each is the usual modal box or file dialog.
struct Prompts
{
    using MessageHandler = std::function<void(const QString &text)>;
    // A message with details one click away.
    using DetailedMessageHandler = std::function<void(const QString &text, const QString &details)>;
    // Asks a yes/no question; true for yes.
    using QuestionHandler = std::function<bool(const QString &text)>;
    enum class FileAction { Open, Save };
    // The file the user chose, or an empty text when they cancelled.
    using FileHandler = std::function<QString(FileAction action, const QString &caption, const QString &filter)>;

    MessageHandler message;
    // Takes the messages that have details; without it, `message` takes their text alone.
    DetailedMessageHandler detailedMessage;
    QuestionHandler question;
    FileHandler fileName;

    void showMessage(QWidget *parent, const QString &text, const QString &details = QString()) const;
    bool ask(QWidget *parent, const QString &text) const;
    QString chooseFile(QWidget *parent, FileAction action, const QString &caption, const QString &filter) const;
};
