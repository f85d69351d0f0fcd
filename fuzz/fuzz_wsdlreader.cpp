// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Service description bytes -> the request of sendSMS, as a send would build it.

#include "soap/soapoperation.h"
#include "soap/soaprequestwriter.h"
#include "soap/wsdlreader.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    WsdlReader reader;
    if (!reader.read(bytes)) {
        if (reader.errorString().isEmpty())
            std::abort(); // a refusal must say why
        return 0;
    }
    if (!reader.checkPort(QString(), QString()))
        return 0;
    const auto operation = reader.operation(QStringLiteral("sendSMS"));
    if (!operation)
        return 0;
    const QStringList arguments{QStringLiteral("Ann"), QStringLiteral("00441234567890"),
                                QStringLiteral("00441234567891"), QStringLiteral("Hello <&> world"),
                                QStringLiteral("en-GB")};
    const SoapRequest request = SoapRequestWriter::write(*operation, arguments);
    if (!request.isValid() && request.errorString.isEmpty())
        std::abort();
    return 0;
}
