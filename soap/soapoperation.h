// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soap/xmlname.h"

#include <QList>
#include <QString>
#include <QUrl>

/// \brief Everything needed to write the request of one operation, as a description's port gives it.
///
/// WsdlReader fills it from the binding; SoapRequestWriter turns it and the arguments into bytes.
struct SoapOperation
{
    enum class Version { Soap11, Soap12 };
    enum class Style { Rpc, Document };
    enum class Use { Literal, Encoded };

    QString name;
    QString serviceName;
    QString portName;
    QUrl endpoint;
    Version version = Version::Soap11;
    Style style = Style::Document;
    Use use = Use::Literal;
    QString soapAction;
    /// The operation's port type declares an output message: the service promises an answer,
    /// so only a SOAP body that holds it confirms a call. Without one, an empty 2xx answer does too.
    bool declaresOutput = false;
    /// The elements the body of the answer holds, as the output message's parts name them in
    /// document style. Empty when the description names none that can be matched (rpc style,
    /// whose wrapper's name is not significant; parts given by type; no output message): any
    /// element in the body then stands for the answer.
    QList<XmlName> responseElements;
    /// The description file the operation was read from; empty when read from bytes.
    QString descriptionFile;
    /// For encoded use: the URI written as the encodingStyle of the body's content.
    QString encodingStyle;
    /// The element that wraps the parameters in the body: the operation element in rpc style,
    /// the part's element in wrapped document style; null in bare document style.
    XmlName wrapper;
    /// One element per positional argument, in order. An empty namespace means unqualified.
    QList<XmlName> parameters;
};
