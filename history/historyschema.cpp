// SPDX-FileCopyrightText: 2026 The KORVANE developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyschema.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct SchemaObject
{
    QString type;
    QString name;
    QString table;
    QString sql;
};

struct Schema
{
    QList<SchemaObject> objects;   // in the order of their type and name
    QHash<QString, qsizetype> at;  // position in objects by keyOf()
    QSet<QString> written;         // tables a module writes (FTS5's shadow tables)
};

QString keyOf(const SchemaObject &object)
{
    return object.type + u'\n' + object.name;
}

const QString objectsQuery = u"SELECT type, name, tbl_name, sql FROM sqlite_master"
                              " WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, name"_s;

SchemaObject objectAt(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString()};
}

std::optional<Schema> schemaOf(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(objectsQuery))
        return std::nullopt;
    Schema schema;
    while (query.next()) {
        schema.objects.append(objectAt(query));
        schema.at.insert(keyOf(schema.objects.constLast()), schema.objects.size() - 1);
    }
    return query.lastError().isValid() ? std::nullopt : std::optional(schema);
}

bool sameObject(const SchemaObject &object, const SchemaObject &own, const Schema &expected)
{
    return object.type == own.type && object.name == own.name && object.table == own.table
        && (expected.written.contains(own.name) || object.sql == own.sql);
}

// The check of every open, in one pass over both lists in the same order;
// the words for a difference are looked for only when there is one.
bool sameSchema(const QSqlDatabase &db, const Schema &expected)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(objectsQuery))
        return false;
    qsizetype i = 0;
    while (query.next()) {
        if (i == expected.objects.size() || !sameObject(objectAt(query), expected.objects.at(i), expected))
            return false;
        ++i;
    }
    return i == expected.objects.size() && !query.lastError().isValid();
}

// What the migrations up to `version` create, as a new database holds it.
// The text of a shadow table is the module's and may differ in another
// SQLite release, so only its name is compared.
std::optional<Schema> createdSchema(int version)
{
    const QString connection = u"korvane-history-schema"_s;
    std::optional<Schema> schema;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(u":memory:"_s);
        bool created = db.open();
        const QList<QStringList> &steps = HistorySchema::migrations();
        for (int step = 0; created && step < version && step < steps.size(); ++step) {
            for (const QString &statement : steps.at(step))
                created = created && QSqlQuery(db).exec(statement);
        }
        if (created)
            schema = schemaOf(db);
        QSqlQuery shadows(db);
        if (schema && shadows.exec(u"SELECT name FROM pragma_table_list WHERE type = 'shadow'"_s)) {
            while (shadows.next())
                schema->written.insert(shadows.value(0).toString());
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return schema;
}

// Built once per version and process: a few statements in memory.
std::optional<Schema> expectedSchema(int version)
{
    static QMutex s_mutex;
    static QHash<int, Schema> s_schemas;
    const QMutexLocker lock(&s_mutex);
    if (const auto it = s_schemas.constFind(version); it != s_schemas.cend())
        return *it;
    std::optional<Schema> schema = createdSchema(version);
    if (schema)
        s_schemas.insert(version, *schema);
    return schema;
}

} // namespace

namespace HistorySchema {

const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps{
        // Version 1: the sends, and the folded text that the search reads
        // (recipient name, number and message), indexed by trigrams.
        {
            u"CREATE TABLE messages ("
            "id INTEGER PRIMARY KEY AUTOINCREMENT,"
            "time TEXT NOT NULL," // UTC, ISO 8601 with milliseconds and Z: sorts as text
            "sender_name TEXT NOT NULL,"
            "sender_number TEXT NOT NULL,"
            "recipient_name TEXT NOT NULL,"
            "recipient_number TEXT NOT NULL,"
            "message TEXT NOT NULL,"
            "culture TEXT NOT NULL,"
            "endpoint TEXT NOT NULL,"
            "state TEXT NOT NULL CHECK (state IN ('sending', 'sent', 'not sent', 'not known')),"
            "reason TEXT NOT NULL DEFAULT '',"
            "duration_ms INTEGER,"
            "owner INTEGER)"_s, // the lock byte of the store sending it, while "sending"
            u"CREATE INDEX messages_in_flight ON messages (owner) WHERE state = 'sending'"_s,
            u"CREATE TABLE message_search (id INTEGER PRIMARY KEY, text TEXT NOT NULL)"_s,
            u"CREATE VIRTUAL TABLE message_search_index USING fts5(text, content='message_search',"
            " content_rowid='id', tokenize='trigram case_sensitive 1')"_s,
            // The index holds the rows of message_search up to this id; the
            // newer ones are added in batches (HistoryStore::indexNewRows()).
            u"CREATE TABLE search_index (indexed_through INTEGER NOT NULL)"_s,
            u"INSERT INTO search_index (indexed_through) VALUES (0)"_s,
        },
    };
    return steps;
}

QString strangerIn(const QSqlDatabase &db, int version)
{
    const std::optional<Schema> expected = expectedSchema(version);
    if (expected && sameSchema(db, *expected))
        return QString();
    const std::optional<Schema> found = schemaOf(db);
    if (!expected || !found)
        //: Follows "The history FILE" in "The history FILE %1, so it is not used". In the others %1 is the
        //: kind of database object as SQLite names it (table, index, trigger, view: not translated), %2 its name.
        return QCoreApplication::translate("HistoryFile", "cannot be read");
    for (const SchemaObject &object : found->objects) {
        const auto it = expected->at.constFind(keyOf(object));
        if (it == expected->at.cend())
            return QCoreApplication::translate("HistoryFile", "holds a %1 \"%2\" that KORVANE did not create")
                .arg(object.type, object.name);
        if (!sameObject(object, expected->objects.at(*it), *expected))
            return QCoreApplication::translate("HistoryFile", "holds a %1 \"%2\" that another program changed")
                .arg(object.type, object.name);
    }
    for (const SchemaObject &own : expected->objects) {
        if (!found->at.contains(keyOf(own)))
            return QCoreApplication::translate("HistoryFile", "lacks the %1 \"%2\" that KORVANE created")
                .arg(own.type, own.name);
    }
    return QString();
}

} // namespace HistorySchema
