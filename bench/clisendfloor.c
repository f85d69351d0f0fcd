/* SPDX-FileCopyrightText: 2026 The KORVANE developers
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * The floor of `korvane send`: the least a program can do for a send that is
 * recorded durably. It commits a row "sending" to an SQLite file in WAL mode
 * with synchronous=FULL, posts the request bytes with libcurl (a fresh
 * connection, no redirects, the same headers), and commits the outcome.
 *   clisendfloor <history file> <url> <request file> <content type> [<SOAPAction>]
 * Exits 0 when the service answered 200 and both commits were made.
 */

#include <curl/curl.h>
#include <sqlite3.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static size_t discard(char *data, size_t size, size_t count, void *user)
{
    (void)data;
    (void)user;
    return size * count;
}

static int run(sqlite3 *db, const char *sql)
{
    char *error = NULL;
    if (sqlite3_exec(db, sql, NULL, NULL, &error) != SQLITE_OK) {
        fprintf(stderr, "clisendfloor: %s\n", error ? error : "SQLite failed");
        sqlite3_free(error);
        return 0;
    }
    return 1;
}

static char *readFile(const char *name, long *length)
{
    FILE *file = fopen(name, "rb");
    if (!file)
        return NULL;
    char *data = NULL;
    if (fseek(file, 0, SEEK_END) == 0 && (*length = ftell(file)) >= 0 && fseek(file, 0, SEEK_SET) == 0) {
        data = malloc((size_t)*length + 1);
        if (data && fread(data, 1, (size_t)*length, file) != (size_t)*length) {
            free(data);
            data = NULL;
        }
    }
    fclose(file);
    return data;
}

/* The request as the program sends it; the HTTP status, or 0 when none came. */
static long post(const char *url, const char *body, long length, const char *contentType, const char *soapAction)
{
    char contentHeader[512];
    char actionHeader[1024];
    snprintf(contentHeader, sizeof contentHeader, "Content-Type: %s", contentType);
    struct curl_slist *headers = curl_slist_append(NULL, contentHeader);
    headers = curl_slist_append(headers, "Expect:");
    if (soapAction) {
        snprintf(actionHeader, sizeof actionHeader, "SOAPAction: %s", soapAction);
        headers = curl_slist_append(headers, actionHeader);
    }
    CURL *curl = curl_easy_init();
    long status = 0;
    if (curl) {
        curl_easy_setopt(curl, CURLOPT_URL, url);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, (curl_off_t)length);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
        curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
        if (curl_easy_perform(curl) == CURLE_OK)
            curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_cleanup(curl);
    }
    curl_slist_free_all(headers);
    return status;
}

int main(int argc, char **argv)
{
    if (argc < 5 || argc > 6) {
        fprintf(stderr, "usage: clisendfloor <history file> <url> <request file> <content type> [<SOAPAction>]\n");
        return 2;
    }
    long length = 0;
    char *body = readFile(argv[3], &length);
    if (!body) {
        fprintf(stderr, "clisendfloor: %s cannot be read\n", argv[3]);
        return 2;
    }
    sqlite3 *db = NULL;
    int ok = sqlite3_open(argv[1], &db) == SQLITE_OK && run(db, "PRAGMA journal_mode=WAL")
        && run(db, "PRAGMA synchronous=FULL")
        && run(db, "CREATE TABLE IF NOT EXISTS messages (id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL,"
                   " recipient_number TEXT NOT NULL, message TEXT NOT NULL, state TEXT NOT NULL,"
                   " reason TEXT NOT NULL DEFAULT '')");
    sqlite3_int64 id = 0;
    if (ok) {
        sqlite3_stmt *insert = NULL;
        ok = sqlite3_prepare_v2(db,
                                "INSERT INTO messages (time, recipient_number, message, state)"
                                " VALUES (strftime('%Y-%m-%dT%H:%M:%fZ', 'now'), '0044', ?, 'sending')",
                                -1, &insert, NULL) == SQLITE_OK
            && sqlite3_bind_text(insert, 1, body, (int)length, SQLITE_STATIC) == SQLITE_OK
            && sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_finalize(insert);
        id = sqlite3_last_insert_rowid(db);
    }
    long status = 0;
    if (ok) {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        status = post(argv[2], body, length, argv[4], argc == 6 ? argv[5] : NULL);
        curl_global_cleanup();
        sqlite3_stmt *update = NULL;
        ok = sqlite3_prepare_v2(db, "UPDATE messages SET state = ?, reason = '' WHERE id = ?", -1, &update, NULL)
                == SQLITE_OK
            && sqlite3_bind_text(update, 1, status == 200 ? "sent" : "not sent", -1, SQLITE_STATIC) == SQLITE_OK
            && sqlite3_bind_int64(update, 2, id) == SQLITE_OK && sqlite3_step(update) == SQLITE_DONE;
        sqlite3_finalize(update);
    }
    sqlite3_close(db);
    free(body);
    return ok && status == 200 ? 0 : 1;
}
