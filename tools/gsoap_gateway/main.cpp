// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An rpc/encoded SOAP 1.1 peer for KORVANE's interop tests: it takes
// sendSMS(FromName, FromNumber, ToNumber, Message, Culture) as gSOAP decodes
// it and writes the five texts as one JSON line per request to stdout.
//
//     gsoap_gateway PORT [--fault TEXT]
//
// PORT 0 picks a free port; the first line printed is the port in use.
// With --fault every call is answered with a SOAP fault carrying TEXT.

#include "SendSMSRpc.nsmap"
#include "soapH.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<std::string> s_faultText;

// Texts arrive as UTF-8 (SOAP_C_UTFSTRING); only quotes, backslashes and
// control characters need escaping in JSON.
std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

int boundPort(const soap *service)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (getsockname(service->master, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return -1;
    return ntohs(address.sin_port);
}

} // namespace

int ns__sendSMS(soap *service, std::string FromName, std::string FromNumber, std::string ToNumber,
                std::string Message, std::string Culture, std::string &Result)
{
    if (s_faultText)
        return soap_receiver_fault(service, s_faultText->c_str(), nullptr);
    std::cout << "{\"from_name\":" << jsonString(FromName)
              << ",\"from_number\":" << jsonString(FromNumber)
              << ",\"to_number\":" << jsonString(ToNumber)
              << ",\"message\":" << jsonString(Message)
              << ",\"culture\":" << jsonString(Culture) << "}" << std::endl;
    Result = "OK";
    return SOAP_OK;
}

int main(int argc, char *argv[])
{
    if (argc != 2 && !(argc == 4 && std::string_view(argv[2]) == "--fault")) {
        std::cerr << "usage: " << argv[0] << " PORT [--fault TEXT]\n";
        return 2;
    }
    const int port = std::atoi(argv[1]);
    if (argc == 4)
        s_faultText = argv[3];

    soap *service = soap_new1(SOAP_C_UTFSTRING);
    service->bind_flags = SO_REUSEADDR;
    if (!soap_valid_socket(soap_bind(service, "127.0.0.1", port, 16))) {
        soap_print_fault(service, stderr);
        soap_free(service);
        return 1;
    }
    std::cout << boundPort(service) << std::endl;

    for (;;) {
        if (!soap_valid_socket(soap_accept(service))) {
            soap_print_fault(service, stderr);
            break;
        }
        // A malformed request gets its fault from soap_serve(); the peer goes on.
        if (soap_serve(service) != SOAP_OK)
            soap_print_fault(service, stderr);
        soap_destroy(service);
        soap_end(service);
    }
    soap_destroy(service);
    soap_end(service);
    soap_free(service);
    return 1;
}
