// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Interface of the rpc/encoded SMS peer, read by soapcpp2 to generate its
// serialisers and the dispatcher behind soap_serve().

//gsoap ns service name:      SendSMSRpc
//gsoap ns service style:     rpc
//gsoap ns service encoding:  encoded
//gsoap ns service namespace: urn:korvane-example-sms-rpc
//gsoap ns service location:  http://127.0.0.1:47160/

//gsoap ns service method-action: sendSMS "urn:korvane-example-sms-rpc#sendSMS"
int ns__sendSMS(std::string FromName, std::string FromNumber, std::string ToNumber,
                std::string Message, std::string Culture, std::string &Result);
