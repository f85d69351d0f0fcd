<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: korvane [COMMAND [ARGUMENTS]]

Without a command, korvane opens its window.

Commands:
  send --to NAME|NUMBER [--country COUNTRY] [--user NAME [--password-stdin]]
       [--allow-unencrypted] MESSAGE|-
                        Send a message to a name of the address book or to a
                        number; - reads the message from standard input.
  contacts list [--json]
                        Show the address book.
  contacts add NAME NUMBER
                        Add a recipient.
  contacts remove NAME  Take a recipient out of the address book.
  contacts import FILE [--country COUNTRY]
                        Add the contacts of a vCard or CSV file.
  contacts export FILE  Write the address book to a .vcf or .csv file.
  history [--json] [--limit N]
                        Show the messages sent, newest first.
  help [COMMAND]        Show this help, or a command&apos;s.

Options:
  -h, --help            Show this help.
  -v, --version         Show the version.

Exit status: 0 done (send: sent), 1 failed (send: not sent), 2 send only:
not known whether the message was sent, 64 the command line is wrong.
The manual page korvane(1) tells more.
</source>
        <extracomment>The whole of &quot;korvane --help&quot;. Command names, option names and the words in capitals that stand for values (COMMAND, NAME, NUMBER, COUNTRY, MESSAGE, FILE, N) are typed as they are: keep them. Keep the layout: at most 79 characters a line, descriptions starting in column 25.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no command &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countries:</source>
        <extracomment>Starts the list of country names at the end of a command&apos;s help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of --%1 is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 See &apos;%3&apos;.</source>
        <extracomment>%1 the command as typed (&quot;korvane send&quot;), %2 what is wrong with it (a whole sentence), %3 the command that shows its help (&quot;korvane send --help&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: korvane send --to NAME|NUMBER [--country COUNTRY]
                    [--user NAME [--password-stdin]] [--allow-unencrypted] MESSAGE|-

Sends one message through the SMS service of SendSMS.wsdl, from the name and
number saved in the window&apos;s &quot;Your Details&quot;, and records it in the history.

  --to NAME|NUMBER   A name of the address book (letter case does not count)
                     or a number that starts with 00 and the country code,
                     such as 00447700900123: 14 to 17 digits, or fewer where
                     its country&apos;s numbering plan has such a number.
  --country COUNTRY  The country sent with the message: one of the countries
                     below (UK unless given), or its code such as de-DE.
  MESSAGE            The message, 159 characters at most; a longer one is
                     refused, never cut. Put -- before a message that starts
                     with a dash.
  -                  Read the message from standard input, as UTF-8; one line
                     end at its very end is left out.
  --user NAME        Sign in as NAME where the service asks to, with the
                     password in the environment variable KORVANE_PASSWORD.
  --password-stdin   Read the password of --user from the first line of
                     standard input instead; the message is then an argument.
  --allow-unencrypted
                     Send the password even where it would travel unencrypted
                     (Basic sign-in over http:// to another computer).
  -h, --help         Show this help.

A service that asks to sign in gets the user name and password of --user, or
else those the window saved in the desktop&apos;s keyring. A password is never
taken as an argument, and nothing is asked: without credentials, or with
refused ones, the message is not sent.

The outcome is one line on standard error. Exit status: 0 sent, 1 not sent,
2 not known whether sent (check with the recipient before sending again),
64 the command line is wrong.

</source>
        <extracomment>The whole of &quot;korvane send --help&quot;. Keep command and option names, the words in capitals that stand for values, and field names and values in quotes as they are; at most 79 characters a line. &quot;Your Details&quot; is the window&apos;s panel of that name: write it as the window&apos;s translation does.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: korvane contacts list [--json]
       korvane contacts add NAME NUMBER
       korvane contacts remove NAME
       korvane contacts import FILE [--country COUNTRY]
       korvane contacts export FILE

  list      Show the address book in columns, or with --json as a JSON array
            of {&quot;name&quot;, &quot;number&quot;} objects, in the book&apos;s order.
  add       Add a recipient, as the window&apos;s &quot;Add&quot; does: the number must
            start with 00 and the country code and have 14 to 17 digits, or
            fewer where its country&apos;s numbering plan has such a number; the
            name has at most 255 characters, line breaks and tabs become
            spaces, and a name already in the book (letter case aside) is
            refused.
  remove    Take the recipient of this name (letter case aside) out.
  import    Add the contacts of a vCard (.vcf) or CSV file, under the rules
            of add; numbers written without a country code are read as
            numbers of --country (one of the countries below, UK unless
            given, or a code such as de-DE). Says how many were imported
            and which were skipped, and why.
  export    Write the address book to FILE: vCard 4.0 when it ends in .vcf
            or .vcard, CSV when it ends in .csv.
  -h, --help  Show this help.

add, remove and import refuse while KORVANE&apos;s window is open, which would
otherwise save its own copy of the book over the change.
Exit status: 0 done, 1 failed, 64 the command line is wrong.

</source>
        <extracomment>The whole of &quot;korvane contacts --help&quot;. Keep command and option names, the words in capitals that stand for values, and field names and values in quotes as they are; at most 79 characters a line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: korvane history [--json] [--limit N]

Shows the messages sent, from the window and from korvane send, newest first:
when, how it ended (Sent, Not sent, Not known, Sending), to whom and what.

  --json      One JSON array of objects with the fields id, time (UTC, ISO
              8601), sender_name, sender_number, recipient_name,
              recipient_number, message, culture, endpoint, state (&quot;sent&quot;,
              &quot;not sent&quot;, &quot;not known&quot; or &quot;sending&quot;), reason and duration_ms.
  --limit N   The newest N messages only.
  -h, --help  Show this help.

Exit status: 0 done, 1 failed, 64 the command line is wrong.
</source>
        <extracomment>The whole of &quot;korvane history --help&quot;. Keep command and option names, the words in capitals that stand for values, and field names and values in quotes as they are; at most 79 characters a line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLinePrompt</name>
    <message>
        <source>give your user name with --user NAME and your password in the environment variable KORVANE_PASSWORD or, with --password-stdin, on standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SMS service at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 asks you to sign in: %2</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 how to give a user name and password.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 asks you to sign in (%2): %3</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 the name it gives itself, %3 how to give a user name and password.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not accept the user name and password given with --user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 asks for your password without encryption (http://), and it would travel unencrypted; give --allow-unencrypted to send it all the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>%1 Remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no arguments but --json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name and the number, such as: korvane contacts add Ann 00447700900123</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is empty: give the recipient a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or add the contact there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book is full: it holds %1 recipients, the most it can keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in the address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in the address book, as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of the recipient to remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or remove the contact there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in the address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vCard or CSV file to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or import the contacts there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file to write, ending in .vcf or .csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say what to do: list, add, remove, import or export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contacts command: give list, add, remove, import or export.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a contacts file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file but a device, a pipe or a socket, so it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a contacts file (%2 MB; KORVANE reads files of up to %3 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not written: name the file .vcf for vCard or .csv for CSV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsImport</name>
    <message>
        <source>Card %1 (line %2)</source>
        <extracomment>Where a skipped contact is in the file: %1 which vCard, counted from 1, %2 the line it starts on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a contact was skipped, after its place and name (&quot;Line 4: Ann: ...&quot;): small letter, no full stop. %1 the details.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has too long a name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is already in the address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was imported from earlier in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no valid phone number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>did not fit: the address book is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <extracomment>One part of &quot;N contacts were skipped: ...&quot;: %1 how many contacts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with too long a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already in the address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 named twice in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 without a phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 without a valid phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left out because the address book is full (it keeps %2 at most)</source>
        <extracomment>%1 how many contacts were left out, %2 how many the address book keeps.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a country that KORVANE knows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no contacts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported 1 recipient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 recipients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last of the reasons contacts were skipped to those before it, which are joined by &quot;, &quot;: %1 those before, %2 the last.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 contact was skipped: %1.</source>
        <extracomment>Follows &quot;Imported N recipients.&quot; in the same paragraph: keep the space at the start.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 contacts were skipped: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The file holds more than %1 contacts; the rest were not read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactsTransfer</name>
    <message>
        <source>a contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>Where a contact was in the file, who it is, and why it was left out: &quot;line 4: Ann has no phone number&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: the address book could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book can be exported as a vCard file (.vcf) or a CSV file (.csv). Please choose a file name that ends in one of these.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book could not be exported. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>UK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountryMenu</name>
    <message>
        <source>Country: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>it did not answer as expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s secret store (keyring) cannot be used: %1. KORVANE keeps the passwords you give it only until it ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The first line of the file does not name the columns of a contacts file that KORVANE reads: a column of names and one of phone numbers, as in &quot;Name,Number&quot; or the contacts that Google Contacts, Outlook and Thunderbird export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field begins on it and is never closed, so the rest of the file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>its field in the column &quot;%1&quot; is longer than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>Completes &quot;it is %1&quot;: what is found where a file should be.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>It takes no arguments but --json and --limit N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --limit once, with a whole number of messages, such as --limit 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>What the history&apos;s file is instead of a file, as %2 of &quot;The history file %1 is %2, not a regular file&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file %1 could not be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other users of this computer can read your history %1, and it could not be made private: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other users of this computer could read your history %1. It is now readable by you alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program ended during the send</source>
        <extracomment>Why a send is &quot;Not known&quot; when the program ended during it: small letter, no full stop.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is keeping it busy</source>
        <extracomment>Why the history could not be used, after &quot;...: &quot;. &quot;it&quot; is the history.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read or written on the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 what could not be done with the history, %2 why: &quot;The history ... could not be used: the disk is full&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 could not be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a KORVANE history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history cannot be kept: Qt&apos;s SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file %1 is %2, not a regular file; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is a database of something else); it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of KORVANE (history version %2; this version reads up to %3). It was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 %2, so it is not used. It was left as it is.</source>
        <extracomment>%1 the history&apos;s file name, %2 what is wrong with it, such as &quot;holds a table &quot;x&quot; that KORVANE did not create&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 cannot be prepared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 could not be searched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Follows &quot;The history FILE&quot; in &quot;The history FILE %1, so it is not used&quot;. In the others %1 is the kind of database object as SQLite names it (table, index, trigger, view: not translated), %2 its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that KORVANE did not create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that another program changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lacks the %1 &quot;%2&quot; that KORVANE created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>The column of whom a message went to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryRecord</name>
    <message>
        <source>Sending</source>
        <extracomment>How a send ended, in the History window&apos;s &quot;Outcome&quot; column and the table of &quot;korvane history&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not known</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The send could not be recorded in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A send cannot finish in the state &quot;sending&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The outcome of send %1 could not be recorded: it is no longer being sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The messages could not be deleted from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history %1 could not be cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpPost</name>
    <message>
        <source>the service at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service at %1 (through the proxy at %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the call was cancelled before the request was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy at %1 refused to open a connection to the service at %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: its certificate could not be verified (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy&apos;s computer %1 could not be found; check the network connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s computer %1 could not be found; check the network connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy at %1 refused the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy at %1 could not be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service at %1 refused the connection; it may not be running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service at %1 could not be reached: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be reached within %2</source>
        <extracomment>%1 the service (&quot;the service at ...&quot;), %2 how long, such as &quot;30 seconds&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be reached: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the call was cancelled after the request had been sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the head of the service&apos;s answer is larger than %1 KiB, too large to be an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service sent an answer too large to be a reply (over %1 KiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not finish its answer within %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer within %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the connection without answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the connection before its answer was complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 broke before its answer was complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 broke while the request was being sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be decompressed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered with something that is not HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer of %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to the service could not be prepared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>it is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user and cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as there is no permission to change its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used: %2.</source>
        <extracomment>%2 says why: &quot;it belongs to another user and cannot be read&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeychainAccess</name>
    <message>
        <source>no secret store is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it did not let KORVANE keep or read passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no &quot;%1&quot; keyring to keep passwords in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it did not answer as expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its module could not be loaded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its module %1 is not KORVANE&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageSend</name>
    <message>
        <source>Your message was not sent. %1</source>
        <extracomment>%1 why, as a whole sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not known whether your message was sent: %1. Check with the recipient before you send it again.</source>
        <extracomment>%1 why, as a clause that starts with a small letter and has no full stop.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>HTTP status %1</source>
        <extracomment>%1 the HTTP status code, %2 the reason phrase the server sent with it, in its own words (often English).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP status %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>How long a wait was: %1 a number of seconds, possibly with a decimal point.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhoneNumbers</name>
    <message>
        <source>%1 has a country code that no country has, so its country is unknown</source>
        <extracomment>Why a contact&apos;s number cannot be imported; %1 the number as written in the file, in quotes. Each of these ends a longer sentence: small letter, no full stop.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has letters or signs that are not part of a phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long: %2 has more than the 15 digits of an international number</source>
        <extracomment>%1 the number as written in the file, in quotes; %2 the same number as the address book keeps it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too short for a phone number of its country (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long for a phone number of its country (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a phone number in the numbering plan of its country (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplyContent</name>
    <message>
        <source>its multipart body has no part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its multipart body is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of its multipart body has no end to its headers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its multipart body has no part with the root&apos;s Content-ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a multipart answer without a boundary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is written in the character set &quot;%1&quot;, which cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>You have not selected who to send your message to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not entered your name and number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not entered a message to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: it is %1 characters long, and the most that can be sent is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your name</source>
        <extracomment>Each names the text that holds a character that cannot be sent, as %1 of &quot;... %1 contains a character that cannot be sent ...&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the recipient&apos;s number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the country code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: %1 contains a character that cannot be sent (U+%2 at position %3). Please remove it and try again.</source>
        <extracomment>%1 which text (&quot;your name&quot;, &quot;the message&quot;...), %2 the character&apos;s code in four or more hex digits, %3 its place in that text, counted in characters from 1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Your message was not sent: standard input could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds more than %1 bytes, and the most that can be sent is %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: standard input is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: the message is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: the password could not be read from standard input: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: the first line of standard input is too long for a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds no password for --user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: the password on standard input is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --user once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the user name to sign in with: --user NAME.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password-stdin reads the password of --user NAME; give --user too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --password-stdin, standard input holds the password: give the message as an argument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the password of --user in the environment variable KORVANE_PASSWORD, or on standard input with --password-stdin; never as an argument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say who the message goes to, with --to NAME or --to NUMBER.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --to once: a message goes to one recipient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the message as an argument, or - to read it from standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the message as one argument, in quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent: %1 is neither a name in the address book nor a valid phone number, which starts with 00 and the country code: 14 to 17 digits, or fewer where its country&apos;s numbers are shorter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was not sent. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This send is not in the history: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message was sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendTracker</name>
    <message>
        <source>Sending to %1…</source>
        <extracomment>The status line while a message is on its way; %1 is the recipient.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent to %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent to %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not known whether sent to %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceAddress</name>
    <message>
        <source>The service description gives no address for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceInfo</name>
    <message>
        <source>Definitive terms and conditions are available at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Outgoing messages are free, users must be 16+ to use service. This is a non subscription service. Recipients may be charged according to the most recent rates published on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 cannot be used: it is %2, not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file where a folder should be, so %2 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no permission to write in the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Why you are asked again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember the user name and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInFlow</name>
    <message>
        <source>The user name or password in the service description was not accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved user name or password was not accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password three times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password for %2 three times</source>
        <extracomment>%2 is the name the service gives the place it asks to sign in to (its realm).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SMS service asked you to sign in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInPrompt</name>
    <message>
        <source>you chose not to send your password unencrypted to the SMS service at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsLength</name>
    <message>
        <source>1 character left</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2 SMS</source>
        <extracomment>%1 is the characters left (&quot;140 characters left&quot;), %2 how many SMS the message takes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoapCall</name>
    <message>
        <source>the service at %1 did not accept the user name and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service at %1 did not accept the user name and password (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoapClient</name>
    <message>
        <source>Mapping files (WSML) are not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SOAP client has not been initialised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s address in the description is no longer that of the service at %1, which asked you to sign in, so the password was not sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoapReplyReader</name>
    <message>
        <source>the service description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service answered with a redirect to %1 (%2), which usually means that it took the request and shows its result elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its new address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service answered that it moved to %1 (%2); %3 must be updated with its new address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service refused the request without giving a reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service refused the request: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) is a SOAP envelope without a body, though its description promises an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) has an empty SOAP body, though its description promises an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) does not hold the element &quot;%2&quot; that its description promises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) was empty, though its description promises a SOAP answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer is not readable XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service&apos;s answer is not a SOAP message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy at %1 refused the request: it asks for a user name and password (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a gateway in front of the service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the proxy at %1 or a gateway behind it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered with %2, so the request may have reached the service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service or the proxy at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered with %2 and no SOAP fault, which does not tell whether it took the request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service answered with %1, which is not a final answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoapRequestWriter</name>
    <message>
        <source>The operation &quot;%1&quot; takes %2 arguments, but %3 were given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argument %1 of &quot;%2&quot; holds a character that cannot be sent (U+%3 at position %4).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreChangeLock</name>
    <message>
        <source>The lock file %1 cannot be used: it is %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextInput</name>
    <message>
        <source>The file begins like UTF-16 text but is not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a text file: line %1 holds a NUL byte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: line %1 holds bytes that are not UTF-8. Save it as UTF-8 and import it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>The name has %1 characters; a recipient&apos;s name has %2 at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please use a valid country code prefix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCard</name>
    <message>
        <source>the file ends before its END:VCARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no vCard: none of its lines says BEGIN:VCARD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no END:VCARD before the card on line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its base64 text is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a NUL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its character set %1 is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetSignInPrompt</name>
    <message>
        <source>The SMS service at %1 asks for your user name and password without encryption (http://). They would travel unencrypted, and anyone on the network between you and the service could read them.

Send them anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>KORVANE is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Remove it and start KORVANE again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Move it out of the way and start KORVANE again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowSignIn</name>
    <message>
        <source>KORVANE cannot tell which SMS service to forget the password of. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE no longer keeps a password for the SMS service at %1. It asks for one the next time the service asks you to sign in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WsdlReader</name>
    <message>
        <source>%1 does not define the input message of the operation %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 of %2 gives no SOAP address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SOAP address %1 of the port %2 in %3 is not an http or https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The binding %1 of %2 refers to the port type %3, which it does not define.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refers to the element %2, which its schema does not declare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a service description (over %2 MiB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large (over %2 MiB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not usable XML: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a WSDL 1.1 description (its root element is &quot;%2&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No service description has been read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 of %2 refers to the binding %3, which it does not define.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no service named %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no port named %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service %1 of %2 has no port named %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers no SOAP 1.1 or SOAP 1.2 port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 of %2 is not a SOAP port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers no operation %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XmlElement</name>
    <message>
        <source>one of its elements has more than %1 attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it refers to the undeclared entity &quot;%1&quot; at line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its elements nest more than %1 levels deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty or holds no element</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KORVANE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFinishing</name>
    <message>
        <source>Finishing the send…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you close KORVANE now, it will not be known whether your message was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE closes as soon as the service has answered, within 1 second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>KORVANE closes as soon as the service has answered, within %n seconds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>KORVANE History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, number or text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A name and, in brackets, its phone number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 after %2 s</source>
        <extracomment>An outcome and how long the send took: &quot;Sent after 1.3 s&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>An outcome followed by the sentence that says why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history cannot be shown. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be read. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the selected message from the history?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message still being sent stays until its outcome is known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The messages could not be deleted. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message is being sent. The history can be cleared once its outcome is known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete every message in the history? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be cleared. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be exported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete the %n selected messages from the history?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n messages still being sent stay until their outcomes are known.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSMS</name>
    <message>
        <source>Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Select from Address Book&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Change&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your real name, not a &apos;screen name&apos; otherwise the recipient may not recognise who the message is from. Please use a country-code prefix on your number (0044 for UK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the saved password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name should be between 3 and 11 charachters long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please include a country-code prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your details could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KORVANE cannot keep a history of your messages. %1 Your messages are still sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
