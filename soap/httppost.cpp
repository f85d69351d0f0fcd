// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soap/httppost.h"

#include "soap/messagetext.h"
#include "soap/responsehead.h"
#include "soap/soapreplyreader.h"

#include <QCoreApplication>

#include <curl/curl.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

void initialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What the callbacks learn during one transfer.
struct Transfer
{
    const std::atomic<bool> *cancelled = nullptr;
    // Some byte of the request itself (not of a proxy's CONNECT) was handed to the connection.
    bool requestLeft = false;
    bool bodyTooLarge = false;
    ResponseHead head;
    QByteArray body;
};

// libcurl refuses a single line longer than its own limit, which is larger than ours, before
// it reaches this function; see the mapping of its error below.
size_t onHeader(char *data, size_t size, size_t count, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    const size_t length = size * count;
    return t->head.read(QByteArrayView(data, qsizetype(length)), t->requestLeft) ? length : 0;
}

size_t onBody(char *data, size_t size, size_t count, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    const size_t length = size * count;
    if (t->body.size() + qint64(length) > SoapReplyReader::MaximumReplySize) {
        t->bodyTooLarge = true;
        return 0;
    }
    t->body.append(data, qsizetype(length));
    return length;
}

// When did the request leave? libcurl hands the debug function the request's head as
// CURLINFO_HEADER_OUT (and body bytes as CURLINFO_DATA_OUT) only after the connection has
// taken them: over TLS once the handshake is done and the bytes were encrypted into it. So
// before the first such call nothing of the request can have reached anyone, and a failure
// then is "not sent"; from that call on the service may have it, and only a complete answer
// can say what became of it. A proxy's CONNECT request carries nothing of ours and is not
// counted.
int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    if (type == CURLINFO_HEADER_OUT) {
        if (!(size >= 8 && std::memcmp(data, "CONNECT ", 8) == 0))
            t->requestLeft = true;
    } else if (type == CURLINFO_DATA_OUT) {
        t->requestLeft = true;
    }
    return 0;
}

int onProgress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer *>(user)->cancelled->load() ? 1 : 0;
}

struct CurlDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

bool isTlsFailure(CURLcode code)
{
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

// libcurl's own refusal of an over-long header line: out of memory before 8.6, too large after.
bool isOversizedHeader(CURLcode code)
{
#if LIBCURL_VERSION_NUM >= 0x080600
    if (code == CURLE_TOO_LARGE)
        return true;
#endif
    return code == CURLE_OUT_OF_MEMORY;
}

// libcurl's own words, which may quote an address as it was given.
QString detailOf(CURLcode code, const char *errorBuffer)
{
    QString detail = QString::fromUtf8(errorBuffer).trimmed();
    if (detail.isEmpty())
        detail = QString::fromUtf8(curl_easy_strerror(code));
    return MessageText::quoted(detail);
}

class Describer
{
public:
    Describer(const HttpPostRequest &request, const Transfer &transfer)
        : m_request(request), m_transfer(transfer), m_where(MessageText::hostAndPort(request.url)),
          m_service(request.proxy.isDirect()
                        //: Names the service in the reasons below, as their %1; %1 here its host and port.
                        ? QCoreApplication::translate("HttpPost", "the service at %1").arg(m_where)
                        : QCoreApplication::translate("HttpPost", "the service at %1 (through the proxy at %2)")
                              .arg(m_where, request.proxy.where))
    {
    }

    QString beforeSending(CURLcode code, long connectCode, const char *errorBuffer, long osError) const
    {
        const QString &proxy = m_request.proxy.where;
        if (code == CURLE_ABORTED_BY_CALLBACK)
            return QCoreApplication::translate("HttpPost", "the call was cancelled before the request was sent");
        if (connectCode >= 300)
            return QCoreApplication::translate("HttpPost",
                                               "the proxy at %1 refused to open a connection to the service at %2 (%3)")
                .arg(proxy, m_where, MessageText::httpStatus(int(connectCode), m_transfer.head.reasonPhrase()));
        if (code == CURLE_PEER_FAILED_VERIFICATION)
            return QCoreApplication::translate(
                       "HttpPost",
                       "a secure connection to %1 could not be established: its certificate could not be verified "
                       "(%2)")
                .arg(m_service, detailOf(code, errorBuffer));
        if (isTlsFailure(code))
            return QCoreApplication::translate("HttpPost", "a secure connection to %1 could not be established: %2")
                .arg(m_service, detailOf(code, errorBuffer));
        switch (code) {
        case CURLE_COULDNT_RESOLVE_PROXY:
            return QCoreApplication::translate(
                       "HttpPost", "the proxy's computer %1 could not be found; check the network connection")
                .arg(proxy);
        case CURLE_COULDNT_RESOLVE_HOST:
            return QCoreApplication::translate(
                       "HttpPost", "the service's computer %1 could not be found; check the network connection")
                .arg(MessageText::hostAndPort(QUrl(u"//"_s + m_request.url.host())));
        case CURLE_COULDNT_CONNECT:
            if (!m_request.proxy.isDirect())
                return osError == ECONNREFUSED
                    ? QCoreApplication::translate("HttpPost", "the proxy at %1 refused the connection").arg(proxy)
                    : QCoreApplication::translate("HttpPost", "the proxy at %1 could not be reached").arg(proxy);
            return osError == ECONNREFUSED
                ? QCoreApplication::translate("HttpPost",
                                              "the service at %1 refused the connection; it may not be running")
                      .arg(m_where)
                : QCoreApplication::translate("HttpPost", "the service at %1 could not be reached: %2")
                      .arg(m_where, detailOf(code, errorBuffer));
        case CURLE_OPERATION_TIMEDOUT:
            //: %1 the service ("the service at ..."), %2 how long, such as "30 seconds".
            return QCoreApplication::translate("HttpPost", "%1 could not be reached within %2")
                .arg(m_service, MessageText::duration(m_request.timeout));
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            return QCoreApplication::translate("HttpPost", "the address %1 cannot be used: %2")
                .arg(MessageText::address(m_request.url), QString::fromUtf8(curl_easy_strerror(code)));
        default:
            return QCoreApplication::translate("HttpPost", "%1 could not be reached: %2")
                .arg(m_service, detailOf(code, errorBuffer));
        }
    }

    QString afterSending(CURLcode code, const char *errorBuffer) const
    {
        if (code == CURLE_ABORTED_BY_CALLBACK)
            return QCoreApplication::translate("HttpPost", "the call was cancelled after the request had been sent");
        if (m_transfer.head.isTooLarge() || (!m_transfer.head.isComplete() && isOversizedHeader(code)))
            return QCoreApplication::translate(
                       "HttpPost", "the head of the service's answer is larger than %1 KiB, too large to be an answer")
                .arg(SoapReplyReader::MaximumHeadSize / 1024);
        if (m_transfer.bodyTooLarge || code == CURLE_FILESIZE_EXCEEDED)
            return QCoreApplication::translate("HttpPost",
                                               "the service sent an answer too large to be a reply (over %1 KiB)")
                .arg(SoapReplyReader::MaximumReplySize / 1024);
        switch (code) {
        case CURLE_OPERATION_TIMEDOUT:
            return m_transfer.head.isComplete()
                ? QCoreApplication::translate("HttpPost", "%1 did not finish its answer within %2")
                      .arg(m_service, MessageText::duration(m_request.timeout))
                : QCoreApplication::translate("HttpPost", "%1 did not answer within %2")
                      .arg(m_service, MessageText::duration(m_request.timeout));
        case CURLE_GOT_NOTHING:
            return QCoreApplication::translate("HttpPost", "%1 closed the connection without answering").arg(m_service);
        case CURLE_PARTIAL_FILE:
            return QCoreApplication::translate("HttpPost", "%1 closed the connection before its answer was complete")
                .arg(m_service);
        case CURLE_RECV_ERROR:
            return QCoreApplication::translate("HttpPost", "the connection to %1 broke before its answer was complete")
                .arg(m_service);
        case CURLE_SEND_ERROR:
            return QCoreApplication::translate("HttpPost",
                                               "the connection to %1 broke while the request was being sent")
                .arg(m_service);
        case CURLE_BAD_CONTENT_ENCODING:
            return QCoreApplication::translate("HttpPost", "the service's answer could not be decompressed (%1)")
                .arg(detailOf(code, errorBuffer));
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_UNSUPPORTED_PROTOCOL:
            return QCoreApplication::translate("HttpPost", "%1 answered with something that is not HTTP")
                .arg(m_service);
        default:
            return QCoreApplication::translate("HttpPost", "the answer of %1 could not be read: %2")
                .arg(m_service, detailOf(code, errorBuffer));
        }
    }

private:
    const HttpPostRequest &m_request;
    const Transfer &m_transfer;
    QString m_where;
    QString m_service;
};

} // namespace

HttpPostResult HttpPost::run(const HttpPostRequest &request, const std::atomic<bool> &cancelled)
{
    HttpPostResult result;
    if (cancelled.load()) {
        result.reason = QCoreApplication::translate("HttpPost", "the call was cancelled before the request was sent");
        return result;
    }
    initialiseCurlOnce();
    Transfer transfer;
    transfer.cancelled = &cancelled;

    std::unique_ptr<CURL, CurlDeleter> handle(curl_easy_init());
    if (!handle) {
        result.reason = QCoreApplication::translate("HttpPost", "the connection to the service could not be prepared");
        return result;
    }
    CURL *curl = handle.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_slist *headers = nullptr;
    headers = curl_slist_append(headers, QByteArray("Content-Type: " + request.contentType).constData());
    if (!request.soapAction.isEmpty())
        headers = curl_slist_append(headers, QByteArray("SOAPAction: " + request.soapAction).constData());
    // No "Expect: 100-continue" and its wait for a go-ahead that many services never send.
    headers = curl_slist_append(headers, "Expect:");
    if (!request.authorization.isEmpty())
        headers = curl_slist_append(headers, QByteArray("Authorization: " + request.authorization).constData());
    std::unique_ptr<curl_slist, CurlDeleter> headerList(headers);

    // Credentials that answer a challenge replace those in the address, which libcurl would
    // otherwise send as well.
    const QByteArray url = request.authorization.isEmpty() ? request.url.toEncoded()
                                                           : request.url.toEncoded(QUrl::RemoveUserInfo);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.constData());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    // One connection per request, closed after it: libcurl re-sends a request only when it
    // went out on a reused connection that turned out dead, which can then never happen.
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    // libcurl answers no challenge itself: the schemes it does in several rounds would send
    // the request again behind our back. It sends Basic only, at once, for a user name in the
    // address or the proxy's; a Digest (or Basic) challenge of the service is answered by the
    // caller, with a second request built from the first 401's nonce (see SoapClient).
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
    // A Digest response covers the request target: it must go out exactly as it was hashed.
    if (!request.authorization.isEmpty())
        curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(curl, CURLOPT_PROXYAUTH, long(CURLAUTH_BASIC));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    // The proxy was chosen from the environment beforehand; the empty string means none.
    curl_easy_setopt(curl, CURLOPT_PROXY, request.proxy.proxy.constData());
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(request.timeout.count()));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(SoapReplyReader::MaximumReplySize));
    // Every encoding this libcurl can decode is offered; the body cap applies after decoding.
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    // The debug function is what tells when the request left (see onDebug); libcurl calls
    // it only in verbose mode, and it prints nothing.
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &transfer);

    const CURLcode code = curl_easy_perform(curl);

    long connectCode = 0;
    curl_easy_getinfo(curl, CURLINFO_HTTP_CONNECTCODE, &connectCode);
    long osError = 0;
    curl_easy_getinfo(curl, CURLINFO_OS_ERRNO, &osError);
    const Describer describe(request, transfer);

    if (code == CURLE_OK && transfer.requestLeft) {
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        result.stage = HttpPostResult::Stage::Answered;
        result.answer.status = int(status);
        result.answer.reasonPhrase = transfer.head.reasonPhrase();
        result.answer.contentType = transfer.head.contentType();
        result.answer.location = transfer.head.location();
        result.answer.authenticate = transfer.head.authenticate();
        result.answer.body = std::move(transfer.body);
        if (request.proxy.forwardsRequests)
            result.answer.proxy = request.proxy.where;
        return result;
    }
    if (!transfer.requestLeft) {
        result.stage = HttpPostResult::Stage::NotSent;
        result.reason = describe.beforeSending(code, connectCode, errorBuffer, osError);
        return result;
    }
    result.stage = HttpPostResult::Stage::Unanswered;
    result.reason = describe.afterSending(code, errorBuffer);
    return result;
}
