<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: korvane [COMMAND [ARGUMENTS]]

Ohne Befehl öffnet korvane sein Fenster.

Befehle:
  send --to NAME|NUMBER [--country COUNTRY] [--user NAME [--password-stdin]]
       [--allow-unencrypted] MESSAGE|-
                        Sendet eine Nachricht an einen Namen aus dem
                        Adressbuch oder an eine Nummer; - liest die Nachricht
                        von der Standardeingabe.
  contacts list [--json]
                        Zeigt das Adressbuch an.
  contacts add NAME NUMBER
                        Fügt einen Empfänger hinzu.
  contacts remove NAME  Nimmt einen Empfänger aus dem Adressbuch.
  contacts import FILE [--country COUNTRY]
                        Fügt die Kontakte einer vCard- oder CSV-Datei hinzu.
  contacts export FILE  Schreibt das Adressbuch in eine .vcf- oder .csv-Datei.
  history [--json] [--limit N]
                        Zeigt die gesendeten Nachrichten, neueste zuerst.
  help [COMMAND]        Zeigt diese Hilfe oder die Hilfe eines Befehls an.

Optionen:
  -h, --help            Zeigt diese Hilfe an.
  -v, --version         Zeigt die Version an.

Rückgabewert: 0 erledigt (send: gesendet), 1 fehlgeschlagen (send: nicht
gesendet), 2 nur bei send: ungewiss, ob die Nachricht gesendet wurde, 64 die
Befehlszeile ist fehlerhaft.
Mehr steht in der Handbuchseite korvane(1).
</translation>
    </message>
    <message>
        <source>There is no command &apos;%1&apos;.</source>
        <translation>Es gibt keinen Befehl „%1“.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command.</source>
        <translation>„%1“ ist kein Befehl.</translation>
    </message>
    <message>
        <source>Countries:</source>
        <extracomment>Starts the list of country names at the end of a command&apos;s help.</extracomment>
        <translation>Länder:</translation>
    </message>
    <message>
        <source>The value of --%1 is not UTF-8 text.</source>
        <translation>Der Wert von --%1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text.</source>
        <translation>„%1“ ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>%1: %2 See &apos;%3&apos;.</source>
        <extracomment>%1 the command as typed (&quot;korvane send&quot;), %2 what is wrong with it (a whole sentence), %3 the command that shows its help (&quot;korvane send --help&quot;).</extracomment>
        <translation>%1: %2 Siehe „%3“.</translation>
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
        <translation>Aufruf: korvane send --to NAME|NUMBER [--country COUNTRY]
                     [--user NAME [--password-stdin]] [--allow-unencrypted]
                     MESSAGE|-

Sendet eine Nachricht über den SMS-Dienst aus SendSMS.wsdl, mit dem Namen und
der Nummer aus „Ihre Daten“ im Fenster, und trägt sie in den Verlauf ein.

  --to NAME|NUMBER   Ein Name aus dem Adressbuch (Groß-/Kleinschreibung egal)
                     oder eine Nummer, die mit 00 und der Ländervorwahl
                     beginnt, etwa 00447700900123: 14 bis 17 Ziffern, oder
                     weniger, wo der Rufnummernplan ihres Landes solche
                     Nummern vorsieht.
  --country COUNTRY  Das Land, das mit der Nachricht gesendet wird: eines der
                     Länder unten (ohne Angabe UK) oder sein Code wie de-DE.
  MESSAGE            Die Nachricht, höchstens 159 Zeichen; eine längere wird
                     abgelehnt, nie gekürzt. Setzen Sie -- vor eine
                     Nachricht, die mit einem Bindestrich beginnt.
  -                  Liest die Nachricht als UTF-8 von der Standardeingabe;
                     ein Zeilenende ganz am Schluss wird weggelassen.
  --user NAME        Meldet sich als NAME an, wo der Dienst es verlangt, mit
                     dem Passwort in der Umgebungsvariable KORVANE_PASSWORD.
  --password-stdin   Liest das Passwort für --user stattdessen aus der ersten
                     Zeile der Standardeingabe; die Nachricht ist dann ein
                     Argument.
  --allow-unencrypted
                     Sendet das Passwort auch dann, wenn es unverschlüsselt
                     übertragen würde (Basic-Anmeldung über http:// an einen
                     anderen Rechner).
  -h, --help         Zeigt diese Hilfe an.

Ein Dienst, der eine Anmeldung verlangt, erhält Benutzername und Passwort von
--user, sonst die, die das Fenster im Schlüsselbund der Arbeitsumgebung
gespeichert hat. Ein Passwort wird nie als Argument angenommen, und es wird
nichts abgefragt: ohne Zugangsdaten oder mit abgelehnten wird die Nachricht
nicht gesendet.

Das Ergebnis steht in einer Zeile auf der Standardfehlerausgabe. Rückgabewert:
0 gesendet, 1 nicht gesendet, 2 ungewiss, ob gesendet (fragen Sie beim
Empfänger nach, bevor Sie erneut senden), 64 die Befehlszeile ist fehlerhaft.

</translation>
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
        <translation>Aufruf: korvane contacts list [--json]
        korvane contacts add NAME NUMBER
        korvane contacts remove NAME
        korvane contacts import FILE [--country COUNTRY]
        korvane contacts export FILE

  list      Zeigt das Adressbuch in Spalten an, oder mit --json als JSON-Array
            von {&quot;name&quot;, &quot;number&quot;}-Objekten, in der Reihenfolge des Buchs.
  add       Fügt einen Empfänger hinzu, wie „Hinzufügen“ im Fenster: die
            Nummer muss mit 00 und der Ländervorwahl beginnen und 14 bis 17
            Ziffern haben, oder weniger, wo der Rufnummernplan ihres Landes
            solche Nummern vorsieht; der Name hat höchstens 255 Zeichen,
            Zeilenumbrüche und Tabulatoren werden zu Leerzeichen, und ein
            Name, der schon im Buch steht (Groß-/Kleinschreibung egal), wird
            abgelehnt.
  remove    Nimmt den Empfänger dieses Namens heraus (Groß-/Kleinschreibung
            egal).
  import    Fügt die Kontakte einer vCard- (.vcf) oder CSV-Datei nach den
            Regeln von add hinzu; Nummern ohne Ländervorwahl gelten als
            Nummern von --country (eines der Länder unten, ohne Angabe UK,
            oder ein Code wie de-DE). Nennt, wie viele importiert und welche
            übersprungen wurden, und warum.
  export    Schreibt das Adressbuch in FILE: vCard 4.0, wenn der Name auf .vcf
            oder .vcard endet, CSV, wenn er auf .csv endet.
  -h, --help  Zeigt diese Hilfe an.

add, remove und import verweigern die Arbeit, solange das Fenster von KORVANE
geöffnet ist, das sonst seine eigene Kopie des Buchs über die Änderung
speichern würde.
Rückgabewert: 0 erledigt, 1 fehlgeschlagen, 64 die Befehlszeile ist fehlerhaft.

</translation>
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
        <translation>Aufruf: korvane history [--json] [--limit N]

Zeigt die gesendeten Nachrichten aus dem Fenster und von korvane send, neueste
zuerst: wann, wie es ausging (Gesendet, Nicht gesendet, Ungewiss, Wird
gesendet), an wen und was.

  --json      Ein JSON-Array von Objekten mit den Feldern id, time (UTC, ISO
              8601), sender_name, sender_number, recipient_name,
              recipient_number, message, culture, endpoint, state (&quot;sent&quot;,
              &quot;not sent&quot;, &quot;not known&quot; oder &quot;sending&quot;), reason und duration_ms.
  --limit N   Nur die neuesten N Nachrichten.
  -h, --help  Zeigt diese Hilfe an.

Rückgabewert: 0 erledigt, 1 fehlgeschlagen, 64 die Befehlszeile ist fehlerhaft.
</translation>
    </message>
    <message>
        <source>The output could not be written: %1.</source>
        <translation>Die Ausgabe konnte nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLinePrompt</name>
    <message>
        <source>give your user name with --user NAME and your password in the environment variable KORVANE_PASSWORD or, with --password-stdin, on standard input</source>
        <translation>geben Sie Ihren Benutzernamen mit --user NAME an und Ihr Passwort in der Umgebungsvariable KORVANE_PASSWORD oder, mit --password-stdin, auf der Standardeingabe</translation>
    </message>
    <message>
        <source>the SMS service at %1</source>
        <translation>der SMS-Dienst unter %1</translation>
    </message>
    <message>
        <source>%1 asks you to sign in: %2</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 how to give a user name and password.</extracomment>
        <translation>%1 verlangt eine Anmeldung: %2</translation>
    </message>
    <message>
        <source>%1 asks you to sign in (%2): %3</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 the name it gives itself, %3 how to give a user name and password.</extracomment>
        <translation>%1 verlangt eine Anmeldung (%2): %3</translation>
    </message>
    <message>
        <source>%1 did not accept the user name and password given with --user</source>
        <translation>%1 hat den mit --user angegebenen Benutzernamen und das Passwort nicht akzeptiert</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 asks for your password without encryption (http://), and it would travel unencrypted; give --allow-unencrypted to send it all the same</source>
        <translation>%1 verlangt Ihr Passwort ohne Verschlüsselung (http://), es würde also unverschlüsselt übertragen; geben Sie --allow-unencrypted an, um es trotzdem zu senden</translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>%1 Remove it and try again.</source>
        <translation>%1 Entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>Das Adressbuch konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Give %1.</source>
        <translation>Bitte nennen Sie %1.</translation>
    </message>
    <message>
        <source>no arguments but --json</source>
        <translation>keine Argumente außer --json</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>the name and the number, such as: korvane contacts add Ann 00447700900123</source>
        <translation>den Namen und die Nummer, etwa: korvane contacts add Ann 00447700900123</translation>
    </message>
    <message>
        <source>The name is empty: give the recipient a name.</source>
        <translation>Der Name ist leer: geben Sie dem Empfänger einen Namen.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or add the contact there</source>
        <translation>Das Fenster von KORVANE ist geöffnet; schließen Sie es oder fügen Sie den Kontakt dort hinzu</translation>
    </message>
    <message>
        <source>The address book is full: it holds %1 recipients, the most it can keep.</source>
        <translation>Das Adressbuch ist voll: es enthält %1 Empfänger, mehr kann es nicht aufnehmen.</translation>
    </message>
    <message>
        <source>%1 is already in the address book.</source>
        <translation>%1 ist bereits im Adressbuch.</translation>
    </message>
    <message>
        <source>%1 is already in the address book, as %2.</source>
        <translation>%1 ist bereits im Adressbuch, als %2.</translation>
    </message>
    <message>
        <source>the name of the recipient to remove</source>
        <translation>den Namen des Empfängers, der entfernt werden soll</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or remove the contact there</source>
        <translation>Das Fenster von KORVANE ist geöffnet; schließen Sie es oder entfernen Sie den Kontakt dort</translation>
    </message>
    <message>
        <source>%1 is not in the address book.</source>
        <translation>%1 ist nicht im Adressbuch.</translation>
    </message>
    <message>
        <source>the vCard or CSV file to import</source>
        <translation>die vCard- oder CSV-Datei, die importiert werden soll</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Geben Sie --country nur einmal an.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>Es gibt kein Land „%1“: geben Sie %2 oder einen Code wie de-DE an.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or import the contacts there</source>
        <translation>Das Fenster von KORVANE ist geöffnet; schließen Sie es oder importieren Sie die Kontakte dort</translation>
    </message>
    <message>
        <source>the file to write, ending in .vcf or .csv</source>
        <translation>die Datei, die geschrieben werden soll, mit der Endung .vcf oder .csv</translation>
    </message>
    <message>
        <source>Say what to do: list, add, remove, import or export.</source>
        <translation>Geben Sie an, was zu tun ist: list, add, remove, import oder export.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contacts command: give list, add, remove, import or export.</source>
        <translation>„%1“ ist kein Befehl für Kontakte: geben Sie list, add, remove, import oder export an.</translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a contacts file.</source>
        <translation>%1 ist ein Ordner, keine Kontaktdatei.</translation>
    </message>
    <message>
        <source>%1 is not a file but a device, a pipe or a socket, so it is not read.</source>
        <translation>%1 ist keine Datei, sondern ein Gerät, eine Pipe oder ein Socket, und wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is too large for a contacts file (%2 MB; KORVANE reads files of up to %3 MB).</source>
        <translation>%1 ist zu groß für eine Kontaktdatei (%2 MB; KORVANE liest Dateien bis %3 MB).</translation>
    </message>
    <message>
        <source>%1 was not written: name the file .vcf for vCard or .csv for CSV.</source>
        <translation>%1 wurde nicht geschrieben: geben Sie der Datei die Endung .vcf für vCard oder .csv für CSV.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ContactsImport</name>
    <message>
        <source>Card %1 (line %2)</source>
        <extracomment>Where a skipped contact is in the file: %1 which vCard, counted from 1, %2 the line it starts on.</extracomment>
        <translation>Karte %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a contact was skipped, after its place and name (&quot;Line 4: Ann: ...&quot;): small letter, no full stop. %1 the details.</extracomment>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>hat keinen Namen</translation>
    </message>
    <message>
        <source>has too long a name: %1</source>
        <translation>hat einen zu langen Namen: %1</translation>
    </message>
    <message>
        <source>is already in the address book</source>
        <translation>ist bereits im Adressbuch</translation>
    </message>
    <message>
        <source>was imported from earlier in the file</source>
        <translation>wurde schon weiter oben in der Datei importiert</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>hat keine Telefonnummer</translation>
    </message>
    <message>
        <source>has no valid phone number: %1</source>
        <translation>hat keine gültige Telefonnummer: %1</translation>
    </message>
    <message>
        <source>did not fit: the address book is full</source>
        <translation>passte nicht mehr hinein: das Adressbuch ist voll</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <extracomment>One part of &quot;N contacts were skipped: ...&quot;: %1 how many contacts.</extracomment>
        <translation>%1 nicht lesbar</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 ohne Namen</translation>
    </message>
    <message>
        <source>%1 with too long a name</source>
        <translation>%1 mit zu langem Namen</translation>
    </message>
    <message>
        <source>%1 already in the address book</source>
        <translation>%1 bereits im Adressbuch</translation>
    </message>
    <message>
        <source>%1 named twice in the file</source>
        <translation>%1 doppelt in der Datei</translation>
    </message>
    <message>
        <source>%1 without a phone number</source>
        <translation>%1 ohne Telefonnummer</translation>
    </message>
    <message>
        <source>%1 without a valid phone number</source>
        <translation>%1 ohne gültige Telefonnummer</translation>
    </message>
    <message>
        <source>%1 left out because the address book is full (it keeps %2 at most)</source>
        <extracomment>%1 how many contacts were left out, %2 how many the address book keeps.</extracomment>
        <translation>%1 ausgelassen, weil das Adressbuch voll ist (es fasst höchstens %2)</translation>
    </message>
    <message>
        <source>%1 is not a country that KORVANE knows.</source>
        <translation>%1 ist kein Land, das KORVANE kennt.</translation>
    </message>
    <message>
        <source>The file holds no contacts.</source>
        <translation>Die Datei enthält keine Kontakte.</translation>
    </message>
    <message>
        <source>Imported 1 recipient.</source>
        <translation>1 Empfänger importiert.</translation>
    </message>
    <message>
        <source>Imported %1 recipients.</source>
        <translation>%1 Empfänger importiert.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last of the reasons contacts were skipped to those before it, which are joined by &quot;, &quot;: %1 those before, %2 the last.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source> 1 contact was skipped: %1.</source>
        <extracomment>Follows &quot;Imported N recipients.&quot; in the same paragraph: keep the space at the start.</extracomment>
        <translation> 1 Kontakt wurde übersprungen: %1.</translation>
    </message>
    <message>
        <source> %1 contacts were skipped: %2.</source>
        <translation> %1 Kontakte wurden übersprungen: %2.</translation>
    </message>
    <message>
        <source> The file holds more than %1 contacts; the rest were not read.</source>
        <translation> Die Datei enthält mehr als %1 Kontakte; der Rest wurde nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>ContactsTransfer</name>
    <message>
        <source>a contact</source>
        <translation>ein Kontakt</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>Where a contact was in the file, who it is, and why it was left out: &quot;line 4: Ann has no phone number&quot;.</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Contacts files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Kontaktdateien (*.vcf *.vcard *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: the address book could not be saved. %1</source>
        <translation>Es wurde nichts importiert: das Adressbuch konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Export Address Book</source>
        <translation>Adressbuch exportieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;CSV files (*.csv)</source>
        <translation>vCard-Dateien (*.vcf);;CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The address book can be exported as a vCard file (.vcf) or a CSV file (.csv). Please choose a file name that ends in one of these.</source>
        <translation>Das Adressbuch kann als vCard-Datei (.vcf) oder als CSV-Datei (.csv) exportiert werden. Bitte wählen Sie einen Dateinamen mit einer dieser Endungen.</translation>
    </message>
    <message>
        <source>The address book could not be exported. %1</source>
        <translation>Das Adressbuch konnte nicht exportiert werden. %1</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>UK</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
</context>
<context>
    <name>CountryMenu</name>
    <message>
        <source>Country: %1</source>
        <translation>Land: %1</translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>it did not answer as expected</source>
        <translation>er hat nicht wie erwartet geantwortet</translation>
    </message>
    <message>
        <source>The desktop&apos;s secret store (keyring) cannot be used: %1. KORVANE keeps the passwords you give it only until it ends.</source>
        <translation>Der Passwortspeicher der Arbeitsumgebung (Schlüsselbund) kann nicht verwendet werden: %1. KORVANE behält die eingegebenen Passwörter nur, bis es beendet wird.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The first line of the file does not name the columns of a contacts file that KORVANE reads: a column of names and one of phone numbers, as in &quot;Name,Number&quot; or the contacts that Google Contacts, Outlook and Thunderbird export.</source>
        <translation>Die erste Zeile der Datei nennt nicht die Spalten einer Kontaktdatei, die KORVANE liest: eine Spalte mit Namen und eine mit Telefonnummern, wie in „Name,Number“ oder in den Kontakten, die Google Contacts, Outlook und Thunderbird exportieren.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>a quoted field begins on it and is never closed, so the rest of the file could not be read</source>
        <translation>hier beginnt ein Feld in Anführungszeichen, das nie geschlossen wird, daher konnte der Rest der Datei nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>its field in the column &quot;%1&quot; is longer than %2 bytes</source>
        <translation>das Feld in der Spalte „%1“ ist länger als %2 Bytes</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>Completes &quot;it is %1&quot;: what is found where a file should be.</extracomment>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>etwas anderes als eine Datei</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>It takes no arguments but --json and --limit N.</source>
        <translation>Außer --json und --limit N sind keine Argumente möglich.</translation>
    </message>
    <message>
        <source>Give --limit once, with a whole number of messages, such as --limit 10.</source>
        <translation>Geben Sie --limit einmal an, mit einer ganzen Zahl von Nachrichten, etwa --limit 10.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>What the history&apos;s file is instead of a file, as %2 of &quot;The history file %1 is %2, not a regular file&quot;.</extracomment>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The history file %1 could not be created: %2</source>
        <translation>Die Verlaufsdatei %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Other users of this computer can read your history %1, and it could not be made private: %2.</source>
        <translation>Andere Benutzer dieses Rechners können Ihren Verlauf %1 lesen, und er konnte nicht privat gemacht werden: %2.</translation>
    </message>
    <message>
        <source>Other users of this computer could read your history %1. It is now readable by you alone.</source>
        <translation>Andere Benutzer dieses Rechners konnten Ihren Verlauf %1 lesen. Jetzt können nur noch Sie ihn lesen.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the program ended during the send</source>
        <extracomment>Why a send is &quot;Not known&quot; when the program ended during it: small letter, no full stop.</extracomment>
        <translation>das Programm wurde während des Versands beendet</translation>
    </message>
    <message>
        <source>another program is keeping it busy</source>
        <extracomment>Why the history could not be used, after &quot;...: &quot;. &quot;it&quot; is the history.</extracomment>
        <translation>ein anderes Programm belegt die Datei</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Arbeitsspeicher frei</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it could not be read or written on the disk</source>
        <translation>die Datei konnte auf dem Datenträger nicht gelesen oder geschrieben werden</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 what could not be done with the history, %2 why: &quot;The history ... could not be used: the disk is full&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The history %1 could not be used</source>
        <translation>Der Verlauf %1 konnte nicht verwendet werden</translation>
    </message>
    <message>
        <source>%1 is not a KORVANE history</source>
        <translation>%1 ist kein KORVANE-Verlauf</translation>
    </message>
    <message>
        <source>The history cannot be kept: Qt&apos;s SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>Der Verlauf kann nicht geführt werden: der SQLite-Treiber von Qt (QSQLITE, Debian-Paket libqt6sql6-sqlite) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The history file %1 is %2, not a regular file; it was left as it is.</source>
        <translation>Die Verlaufsdatei %1 ist %2, keine reguläre Datei; sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2</source>
        <translation>Die Verlaufsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is.</source>
        <translation>Die Datei %1 ist kein KORVANE-Verlauf (sie ist keine SQLite-Datenbank); sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The history %1 cannot be opened</source>
        <translation>Der Verlauf %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is a database of something else); it was left as it is.</source>
        <translation>Die Datei %1 ist kein KORVANE-Verlauf (sie ist eine Datenbank für etwas anderes); sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of KORVANE (history version %2; this version reads up to %3). It was left as it is.</source>
        <translation>Der Verlauf %1 wurde von einer neueren Version von KORVANE geschrieben (Verlaufsversion %2; diese Version liest bis %3). Er wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The history %1 %2, so it is not used. It was left as it is.</source>
        <extracomment>%1 the history&apos;s file name, %2 what is wrong with it, such as &quot;holds a table &quot;x&quot; that KORVANE did not create&quot;.</extracomment>
        <translation>Der Verlauf %1 %2, daher wird er nicht verwendet. Er wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The history %1 cannot be prepared</source>
        <translation>Der Verlauf %1 kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>The history %1 could not be read</source>
        <translation>Der Verlauf %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The history %1 could not be searched</source>
        <translation>Der Verlauf %1 konnte nicht durchsucht werden</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Follows &quot;The history FILE&quot; in &quot;The history FILE %1, so it is not used&quot;. In the others %1 is the kind of database object as SQLite names it (table, index, trigger, view: not translated), %2 its name.</extracomment>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that KORVANE did not create</source>
        <translation>enthält ein Objekt „%2“ vom Typ %1, das KORVANE nicht angelegt hat</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that another program changed</source>
        <translation>enthält ein Objekt „%2“ vom Typ %1, das ein anderes Programm geändert hat</translation>
    </message>
    <message>
        <source>lacks the %1 &quot;%2&quot; that KORVANE created</source>
        <translation>hat das von KORVANE angelegte Objekt „%2“ vom Typ %1 nicht mehr</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be used: %2</source>
        <translation>Die Sperrdatei %1 des Verlaufs kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>The column of whom a message went to.</extracomment>
        <translation>An</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>HistoryRecord</name>
    <message>
        <source>Sending</source>
        <extracomment>How a send ended, in the History window&apos;s &quot;Outcome&quot; column and the table of &quot;korvane history&quot;.</extracomment>
        <translation>Wird gesendet</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Nicht gesendet</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Ungewiss</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The send could not be recorded in %1</source>
        <translation>Der Versand konnte nicht in %1 eingetragen werden</translation>
    </message>
    <message>
        <source>A send cannot finish in the state &quot;sending&quot;.</source>
        <translation>Ein Versand kann nicht im Zustand „sending“ enden.</translation>
    </message>
    <message>
        <source>The outcome of send %1 could not be recorded: it is no longer being sent.</source>
        <translation>Das Ergebnis von Versand %1 konnte nicht eingetragen werden: er läuft nicht mehr.</translation>
    </message>
    <message>
        <source>The messages could not be deleted from %1</source>
        <translation>Die Nachrichten konnten nicht aus %1 gelöscht werden</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared</source>
        <translation>Der Verlauf %1 konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>HttpPost</name>
    <message>
        <source>the service at %1</source>
        <translation>der Dienst unter %1</translation>
    </message>
    <message>
        <source>the service at %1 (through the proxy at %2)</source>
        <translation>der Dienst unter %1 (über den Proxy unter %2)</translation>
    </message>
    <message>
        <source>the call was cancelled before the request was sent</source>
        <translation>der Aufruf wurde abgebrochen, bevor die Anfrage gesendet wurde</translation>
    </message>
    <message>
        <source>the proxy at %1 refused to open a connection to the service at %2 (%3)</source>
        <translation>der Proxy unter %1 hat es abgelehnt, eine Verbindung zum Dienst unter %2 zu öffnen (%3)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: its certificate could not be verified (%2)</source>
        <translation>eine sichere Verbindung konnte nicht hergestellt werden (%1): das Zertifikat konnte nicht überprüft werden (%2)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: %2</source>
        <translation>eine sichere Verbindung konnte nicht hergestellt werden (%1): %2</translation>
    </message>
    <message>
        <source>the proxy&apos;s computer %1 could not be found; check the network connection</source>
        <translation>der Rechner %1 des Proxys wurde nicht gefunden; prüfen Sie die Netzwerkverbindung</translation>
    </message>
    <message>
        <source>the service&apos;s computer %1 could not be found; check the network connection</source>
        <translation>der Rechner %1 des Dienstes wurde nicht gefunden; prüfen Sie die Netzwerkverbindung</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the connection</source>
        <translation>der Proxy unter %1 hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>the proxy at %1 could not be reached</source>
        <translation>der Proxy unter %1 war nicht erreichbar</translation>
    </message>
    <message>
        <source>the service at %1 refused the connection; it may not be running</source>
        <translation>der Dienst unter %1 hat die Verbindung abgelehnt; vielleicht läuft er nicht</translation>
    </message>
    <message>
        <source>the service at %1 could not be reached: %2</source>
        <translation>der Dienst unter %1 war nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached within %2</source>
        <extracomment>%1 the service (&quot;the service at ...&quot;), %2 how long, such as &quot;30 seconds&quot;.</extracomment>
        <translation>%1 war innerhalb von %2 nicht erreichbar</translation>
    </message>
    <message>
        <source>the address %1 cannot be used: %2</source>
        <translation>die Adresse %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2</source>
        <translation>%1 war nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>the call was cancelled after the request had been sent</source>
        <translation>der Aufruf wurde abgebrochen, nachdem die Anfrage gesendet worden war</translation>
    </message>
    <message>
        <source>the head of the service&apos;s answer is larger than %1 KiB, too large to be an answer</source>
        <translation>der Kopf der Antwort des Dienstes ist größer als %1 KiB, zu groß für eine Antwort</translation>
    </message>
    <message>
        <source>the service sent an answer too large to be a reply (over %1 KiB)</source>
        <translation>der Dienst hat eine Antwort gesendet, die zu groß für eine Antwort ist (über %1 KiB)</translation>
    </message>
    <message>
        <source>%1 did not finish its answer within %2</source>
        <translation>%1 hat seine Antwort nicht innerhalb von %2 beendet</translation>
    </message>
    <message>
        <source>%1 did not answer within %2</source>
        <translation>%1 hat nicht innerhalb von %2 geantwortet</translation>
    </message>
    <message>
        <source>%1 closed the connection without answering</source>
        <translation>%1 hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>%1 closed the connection before its answer was complete</source>
        <translation>%1 hat die Verbindung geschlossen, bevor seine Antwort vollständig war</translation>
    </message>
    <message>
        <source>the connection to %1 broke before its answer was complete</source>
        <translation>die Verbindung brach ab, bevor die Antwort vollständig war (%1)</translation>
    </message>
    <message>
        <source>the connection to %1 broke while the request was being sent</source>
        <translation>die Verbindung brach ab, während die Anfrage gesendet wurde (%1)</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be decompressed (%1)</source>
        <translation>die Antwort des Dienstes konnte nicht entpackt werden (%1)</translation>
    </message>
    <message>
        <source>%1 answered with something that is not HTTP</source>
        <translation>%1 hat mit etwas geantwortet, das kein HTTP ist</translation>
    </message>
    <message>
        <source>the answer of %1 could not be read: %2</source>
        <translation>die Antwort konnte nicht gelesen werden (%1): %2</translation>
    </message>
    <message>
        <source>the connection to the service could not be prepared</source>
        <translation>die Verbindung zum Dienst konnte nicht vorbereitet werden</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>KORVANE&apos;s HTTP transport is not available: %1</source>
        <translation>Der HTTP-Transport von KORVANE ist nicht verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>it is %1</source>
        <translation>sie ist %1</translation>
    </message>
    <message>
        <source>it belongs to another user and cannot be read</source>
        <translation>sie gehört einem anderen Benutzer und kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed</source>
        <translation>sie ist übrig geblieben und kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as it belongs to another user</source>
        <translation>sie ist übrig geblieben und kann nicht entfernt werden, da sie einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as there is no permission to change its folder</source>
        <translation>sie ist übrig geblieben und kann nicht entfernt werden, da die Berechtigung fehlt, ihren Ordner zu ändern</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used: %2.</source>
        <extracomment>%2 says why: &quot;it belongs to another user and cannot be read&quot;.</extracomment>
        <translation>Die Sperrdatei %1 kann nicht verwendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>KeychainAccess</name>
    <message>
        <source>no secret store is available</source>
        <translation>es ist kein Passwortspeicher verfügbar</translation>
    </message>
    <message>
        <source>it did not let KORVANE keep or read passwords</source>
        <translation>er hat KORVANE nicht erlaubt, Passwörter zu speichern oder zu lesen</translation>
    </message>
    <message>
        <source>it has no &quot;%1&quot; keyring to keep passwords in</source>
        <translation>er hat keinen Schlüsselbund „%1“, in dem Passwörter gespeichert werden können</translation>
    </message>
    <message>
        <source>it did not answer as expected</source>
        <translation>er hat nicht wie erwartet geantwortet</translation>
    </message>
    <message>
        <source>its module could not be loaded (%1)</source>
        <translation>sein Modul konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>its module %1 is not KORVANE&apos;s</source>
        <translation>sein Modul %1 gehört nicht zu KORVANE</translation>
    </message>
</context>
<context>
    <name>MessageSend</name>
    <message>
        <source>Your message was not sent. %1</source>
        <extracomment>%1 why, as a whole sentence.</extracomment>
        <translation>Ihre Nachricht wurde nicht gesendet. %1</translation>
    </message>
    <message>
        <source>It is not known whether your message was sent: %1. Check with the recipient before you send it again.</source>
        <extracomment>%1 why, as a clause that starts with a small letter and has no full stop.</extracomment>
        <translation>Es ist ungewiss, ob Ihre Nachricht gesendet wurde: %1. Fragen Sie beim Empfänger nach, bevor Sie sie erneut senden.</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>HTTP status %1</source>
        <extracomment>%1 the HTTP status code, %2 the reason phrase the server sent with it, in its own words (often English).</extracomment>
        <translation>HTTP-Status %1</translation>
    </message>
    <message>
        <source>HTTP status %1 (%2)</source>
        <translation>HTTP-Status %1 (%2)</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>How long a wait was: %1 a number of seconds, possibly with a decimal point.</extracomment>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>NumberingPlans</name>
    <message>
        <source>The numbering plans of phone numbers are not available: %1.</source>
        <translation>Die Rufnummernpläne sind nicht verfügbar: %1.</translation>
    </message>
</context>
<context>
    <name>PhoneNumbers</name>
    <message>
        <source>%1 has a country code that no country has, so its country is unknown</source>
        <extracomment>Why a contact&apos;s number cannot be imported; %1 the number as written in the file, in quotes. Each of these ends a longer sentence: small letter, no full stop.</extracomment>
        <translation>%1 hat eine Ländervorwahl, die kein Land hat, daher ist ihr Land unbekannt</translation>
    </message>
    <message>
        <source>%1 is too long</source>
        <translation>%1 ist zu lang</translation>
    </message>
    <message>
        <source>%1 has letters or signs that are not part of a phone number</source>
        <translation>%1 enthält Buchstaben oder Zeichen, die nicht zu einer Telefonnummer gehören</translation>
    </message>
    <message>
        <source>%1 is too short</source>
        <translation>%1 ist zu kurz</translation>
    </message>
    <message>
        <source>%1 is too long: %2 has more than the 15 digits of an international number</source>
        <extracomment>%1 the number as written in the file, in quotes; %2 the same number as the address book keeps it.</extracomment>
        <translation>%1 ist zu lang: %2 hat mehr als die 15 Ziffern einer internationalen Nummer</translation>
    </message>
    <message>
        <source>%1 is too short for a phone number of its country (%2)</source>
        <translation>%1 ist zu kurz für eine Telefonnummer ihres Landes (%2)</translation>
    </message>
    <message>
        <source>%1 is too long for a phone number of its country (%2)</source>
        <translation>%1 ist zu lang für eine Telefonnummer ihres Landes (%2)</translation>
    </message>
    <message>
        <source>%1 is not a phone number in the numbering plan of its country (%2)</source>
        <translation>%1 ist keine Telefonnummer im Rufnummernplan ihres Landes (%2)</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>hat keine Telefonnummer</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 enthält keine Ziffern</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 could not be loaded (%2)</source>
        <translation>%1 konnte nicht geladen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not KORVANE&apos;s</source>
        <translation>%1 gehört nicht zu KORVANE</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>ReplyContent</name>
    <message>
        <source>its multipart body has no part</source>
        <translation>ihr Multipart-Inhalt hat keinen Teil</translation>
    </message>
    <message>
        <source>its multipart body is cut short</source>
        <translation>ihr Multipart-Inhalt ist abgeschnitten</translation>
    </message>
    <message>
        <source>a part of its multipart body has no end to its headers</source>
        <translation>bei einem Teil ihres Multipart-Inhalts enden die Kopfzeilen nicht</translation>
    </message>
    <message>
        <source>its multipart body has no part with the root&apos;s Content-ID</source>
        <translation>ihr Multipart-Inhalt hat keinen Teil mit der Content-ID des Wurzelteils</translation>
    </message>
    <message>
        <source>it is a multipart answer without a boundary</source>
        <translation>sie ist eine Multipart-Antwort ohne Boundary</translation>
    </message>
    <message>
        <source>it is written in the character set &quot;%1&quot;, which cannot be read</source>
        <translation>sie ist im Zeichensatz „%1“ geschrieben, der nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>sie ist kein gültiger %1-Text</translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>You have not selected who to send your message to</source>
        <translation>Sie haben nicht ausgewählt, an wen Ihre Nachricht gehen soll</translation>
    </message>
    <message>
        <source>You have not entered your name and number</source>
        <translation>Sie haben Ihren Namen und Ihre Nummer nicht eingegeben</translation>
    </message>
    <message>
        <source>You have not entered a message to send</source>
        <translation>Sie haben keine Nachricht zum Senden eingegeben</translation>
    </message>
    <message>
        <source>Your message was not sent: it is %1 characters long, and the most that can be sent is %2.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: sie ist %1 Zeichen lang, gesendet werden können höchstens %2.</translation>
    </message>
    <message>
        <source>your name</source>
        <extracomment>Each names the text that holds a character that cannot be sent, as %1 of &quot;... %1 contains a character that cannot be sent ...&quot;.</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>your number</source>
        <translation>Ihre Nummer</translation>
    </message>
    <message>
        <source>the recipient&apos;s number</source>
        <translation>die Nummer des Empfängers</translation>
    </message>
    <message>
        <source>the message</source>
        <translation>die Nachricht</translation>
    </message>
    <message>
        <source>the country code</source>
        <translation>der Ländercode</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 contains a character that cannot be sent (U+%2 at position %3). Please remove it and try again.</source>
        <extracomment>%1 which text (&quot;your name&quot;, &quot;the message&quot;...), %2 the character&apos;s code in four or more hex digits, %3 its place in that text, counted in characters from 1.</extracomment>
        <translation>Ihre Nachricht wurde nicht gesendet: %1 enthält ein Zeichen, das nicht gesendet werden kann (U+%2 an Position %3). Bitte entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Your message was not sent: standard input could not be read: %1.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: die Standardeingabe konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds more than %1 bytes, and the most that can be sent is %2 characters.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: die Standardeingabe enthält mehr als %1 Bytes, gesendet werden können höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input is not UTF-8 text.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: die Standardeingabe ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Your message was not sent: the message is not UTF-8 text.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: die Nachricht ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password could not be read from standard input: %1.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: das Passwort konnte nicht von der Standardeingabe gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: the first line of standard input is too long for a password.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: die erste Zeile der Standardeingabe ist zu lang für ein Passwort.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds no password for --user.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: die Standardeingabe enthält kein Passwort für --user.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password on standard input is not UTF-8 text.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: das Passwort auf der Standardeingabe ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Give --user once.</source>
        <translation>Geben Sie --user nur einmal an.</translation>
    </message>
    <message>
        <source>Give the user name to sign in with: --user NAME.</source>
        <translation>Geben Sie den Benutzernamen für die Anmeldung an: --user NAME.</translation>
    </message>
    <message>
        <source>--password-stdin reads the password of --user NAME; give --user too.</source>
        <translation>--password-stdin liest das Passwort für --user NAME; geben Sie auch --user an.</translation>
    </message>
    <message>
        <source>With --password-stdin, standard input holds the password: give the message as an argument.</source>
        <translation>Mit --password-stdin enthält die Standardeingabe das Passwort: geben Sie die Nachricht als Argument an.</translation>
    </message>
    <message>
        <source>Give the password of --user in the environment variable KORVANE_PASSWORD, or on standard input with --password-stdin; never as an argument.</source>
        <translation>Geben Sie das Passwort für --user in der Umgebungsvariable KORVANE_PASSWORD an oder mit --password-stdin auf der Standardeingabe, niemals als Argument.</translation>
    </message>
    <message>
        <source>Say who the message goes to, with --to NAME or --to NUMBER.</source>
        <translation>Geben Sie mit --to NAME oder --to NUMBER an, an wen die Nachricht geht.</translation>
    </message>
    <message>
        <source>Give --to once: a message goes to one recipient.</source>
        <translation>Geben Sie --to nur einmal an: eine Nachricht geht an einen Empfänger.</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Geben Sie --country nur einmal an.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>Es gibt kein Land „%1“: geben Sie %2 oder einen Code wie de-DE an.</translation>
    </message>
    <message>
        <source>Give the message as an argument, or - to read it from standard input.</source>
        <translation>Geben Sie die Nachricht als Argument an, oder -, um sie von der Standardeingabe zu lesen.</translation>
    </message>
    <message>
        <source>Give the message as one argument, in quotes.</source>
        <translation>Geben Sie die Nachricht als ein einziges Argument in Anführungszeichen an.</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 is neither a name in the address book nor a valid phone number, which starts with 00 and the country code: 14 to 17 digits, or fewer where its country&apos;s numbers are shorter.</source>
        <translation>Ihre Nachricht wurde nicht gesendet: %1 ist weder ein Name im Adressbuch noch eine gültige Telefonnummer, die mit 00 und der Ländervorwahl beginnt: 14 bis 17 Ziffern, oder weniger, wo die Nummern ihres Landes kürzer sind.</translation>
    </message>
    <message>
        <source>Your message was not sent. %1</source>
        <translation>Ihre Nachricht wurde nicht gesendet. %1</translation>
    </message>
    <message>
        <source>This send is not in the history: %1</source>
        <translation>Dieser Versand steht nicht im Verlauf: %1</translation>
    </message>
    <message>
        <source>Your message was sent.</source>
        <translation>Ihre Nachricht wurde gesendet.</translation>
    </message>
</context>
<context>
    <name>SendTracker</name>
    <message>
        <source>Sending to %1…</source>
        <extracomment>The status line while a message is on its way; %1 is the recipient.</extracomment>
        <translation>Wird an %1 gesendet …</translation>
    </message>
    <message>
        <source>Sent to %1 at %2</source>
        <translation>Um %2 an %1 gesendet</translation>
    </message>
    <message>
        <source>Not sent to %1 at %2</source>
        <translation>Um %2 nicht an %1 gesendet</translation>
    </message>
    <message>
        <source>Not known whether sent to %1 at %2</source>
        <translation>Ungewiss, ob um %2 an %1 gesendet</translation>
    </message>
</context>
<context>
    <name>ServiceAddress</name>
    <message>
        <source>The service description gives no address for %1.</source>
        <translation>Die Dienstbeschreibung nennt keine Adresse für %1.</translation>
    </message>
</context>
<context>
    <name>ServiceInfo</name>
    <message>
        <source>Definitive terms and conditions are available at %1.</source>
        <translation>Die verbindlichen Geschäftsbedingungen finden Sie unter %1.</translation>
    </message>
    <message>
        <source>Warning: Outgoing messages are free, users must be 16+ to use service. This is a non subscription service. Recipients may be charged according to the most recent rates published on %1</source>
        <translation>Warnung: Ausgehende Nachrichten sind kostenlos, Nutzung ab 16 Jahren. Dies ist kein Abodienst. Empfängern können Kosten nach den aktuellen Tarifen auf %1 entstehen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 cannot be used: it is %2, not a regular file.</source>
        <translation>Die Einstellungsdatei %1 kann nicht verwendet werden: sie ist %2, keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is a file where a folder should be, so %2 cannot be written.</source>
        <translation>%1 ist eine Datei, wo ein Ordner sein sollte, daher kann %2 nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>Es fehlt die Berechtigung, %1 zu schreiben.</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder %1.</source>
        <translation>Es fehlt die Berechtigung, in den Ordner %1 zu schreiben.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>%1 konnte nicht geschrieben werden; der Datenträger ist vielleicht voll.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Why you are asked again</source>
        <translation>Warum Sie erneut gefragt werden</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember the user name and password</source>
        <translation>Benutzername und Passwort merken</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Merken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in</source>
        <translation>Der SMS-Dienst unter %1 verlangt eine Anmeldung</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in (%2)</source>
        <translation>Der SMS-Dienst unter %1 verlangt eine Anmeldung (%2)</translation>
    </message>
</context>
<context>
    <name>SignInFlow</name>
    <message>
        <source>The user name or password in the service description was not accepted.</source>
        <translation>Der Benutzername oder das Passwort aus der Dienstbeschreibung wurde nicht akzeptiert.</translation>
    </message>
    <message>
        <source>The saved user name or password was not accepted.</source>
        <translation>Der gespeicherte Benutzername oder das gespeicherte Passwort wurde nicht akzeptiert.</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>Der Benutzername oder das Passwort wurde nicht akzeptiert.</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password three times</source>
        <translation>der SMS-Dienst unter %1 hat Benutzername und Passwort dreimal nicht akzeptiert</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password for %2 three times</source>
        <extracomment>%2 is the name the service gives the place it asks to sign in to (its realm).</extracomment>
        <translation>der SMS-Dienst unter %1 hat Benutzername und Passwort für %2 dreimal nicht akzeptiert</translation>
    </message>
    <message>
        <source>the SMS service asked you to sign in</source>
        <translation>der SMS-Dienst hat eine Anmeldung verlangt</translation>
    </message>
</context>
<context>
    <name>SignInPrompt</name>
    <message>
        <source>you chose not to send your password unencrypted to the SMS service at %1</source>
        <translation>das Passwort wurde auf Ihren Wunsch nicht unverschlüsselt an den SMS-Dienst unter %1 gesendet</translation>
    </message>
</context>
<context>
    <name>SmsLength</name>
    <message>
        <source>1 character left</source>
        <translation>Noch 1 Zeichen</translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>Noch %n Zeichen</numerusform>
            <numerusform>Noch %n Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2 SMS</source>
        <extracomment>%1 is the characters left (&quot;140 characters left&quot;), %2 how many SMS the message takes.</extracomment>
        <translation>%1 · %2 SMS</translation>
    </message>
</context>
<context>
    <name>SoapCall</name>
    <message>
        <source>the service at %1 did not accept the user name and password</source>
        <translation>der Dienst unter %1 hat Benutzername und Passwort nicht akzeptiert</translation>
    </message>
    <message>
        <source>the service at %1 did not accept the user name and password (%2)</source>
        <translation>der Dienst unter %1 hat Benutzername und Passwort nicht akzeptiert (%2)</translation>
    </message>
</context>
<context>
    <name>SoapClient</name>
    <message>
        <source>Mapping files (WSML) are not supported.</source>
        <translation>WSML-Mapping-Dateien werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>The SOAP client has not been initialised.</source>
        <translation>Der SOAP-Client wurde nicht initialisiert.</translation>
    </message>
    <message>
        <source>the service&apos;s address in the description is no longer that of the service at %1, which asked you to sign in, so the password was not sent</source>
        <translation>die Adresse des Dienstes in der Beschreibung ist nicht mehr die des Dienstes unter %1, der eine Anmeldung verlangt hat, daher wurde das Passwort nicht gesendet</translation>
    </message>
</context>
<context>
    <name>SoapReplyReader</name>
    <message>
        <source>the service description</source>
        <translation>die Dienstbeschreibung</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>die Dienstbeschreibungsdatei %1</translation>
    </message>
    <message>
        <source>the service answered with a redirect to %1 (%2), which usually means that it took the request and shows its result elsewhere</source>
        <translation>der Dienst hat mit einer Umleitung nach %1 geantwortet (%2), was meist bedeutet, dass er die Anfrage angenommen hat und ihr Ergebnis anderswo zeigt</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nirgendwo</translation>
    </message>
    <message>
        <source>the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its new address</source>
        <translation>der Dienst hat mit einer Umleitung geantwortet (%1), ohne zu sagen, wohin er umgezogen ist; %2 muss mit seiner neuen Adresse aktualisiert werden</translation>
    </message>
    <message>
        <source>the service answered that it moved to %1 (%2); %3 must be updated with its new address</source>
        <translation>der Dienst hat geantwortet, dass er nach %1 umgezogen ist (%2); %3 muss mit seiner neuen Adresse aktualisiert werden</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in</source>
        <translation>der Dienst unter %1 verlangt eine Anmeldung</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in (%2)</source>
        <translation>der Dienst unter %1 verlangt eine Anmeldung (%2)</translation>
    </message>
    <message>
        <source>the service refused the request without giving a reason</source>
        <translation>der Dienst hat die Anfrage ohne Angabe von Gründen abgelehnt</translation>
    </message>
    <message>
        <source>the service refused the request: %1</source>
        <translation>der Dienst hat die Anfrage abgelehnt: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) is a SOAP envelope without a body, though its description promises an answer</source>
        <translation>die Antwort des Dienstes (%1) ist ein SOAP-Envelope ohne Body, obwohl seine Beschreibung eine Antwort verspricht</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) has an empty SOAP body, though its description promises an answer</source>
        <translation>die Antwort des Dienstes (%1) hat einen leeren SOAP-Body, obwohl seine Beschreibung eine Antwort verspricht</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) does not hold the element &quot;%2&quot; that its description promises</source>
        <translation>die Antwort des Dienstes (%1) enthält nicht das Element „%2“, das seine Beschreibung verspricht</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) was empty, though its description promises a SOAP answer</source>
        <translation>die Antwort des Dienstes (%1) war leer, obwohl seine Beschreibung eine SOAP-Antwort verspricht</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be read: %1</source>
        <translation>die Antwort des Dienstes konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not readable XML</source>
        <translation>die Antwort des Dienstes ist kein lesbares XML</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not a SOAP message</source>
        <translation>die Antwort des Dienstes ist keine SOAP-Nachricht</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the request: it asks for a user name and password (%2)</source>
        <translation>der Proxy unter %1 hat die Anfrage abgelehnt: er verlangt Benutzername und Passwort (%2)</translation>
    </message>
    <message>
        <source>a gateway in front of the service</source>
        <translation>ein Gateway vor dem Dienst</translation>
    </message>
    <message>
        <source>the proxy at %1 or a gateway behind it</source>
        <translation>der Proxy unter %1 oder ein Gateway dahinter</translation>
    </message>
    <message>
        <source>%1 answered with %2, so the request may have reached the service</source>
        <translation>%1 hat mit %2 geantwortet, die Anfrage hat den Dienst also vielleicht erreicht</translation>
    </message>
    <message>
        <source>the service</source>
        <translation>der Dienst</translation>
    </message>
    <message>
        <source>the service or the proxy at %1</source>
        <translation>der Dienst oder der Proxy unter %1</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 hat mit %2 geantwortet</translation>
    </message>
    <message>
        <source>%1 answered with %2 and no SOAP fault, which does not tell whether it took the request</source>
        <translation>%1 hat mit %2 und ohne SOAP-Fault geantwortet, was offenlässt, ob die Anfrage angenommen wurde</translation>
    </message>
    <message>
        <source>the service answered with %1, which is not a final answer</source>
        <translation>der Dienst hat mit %1 geantwortet, was keine endgültige Antwort ist</translation>
    </message>
</context>
<context>
    <name>SoapRequestWriter</name>
    <message>
        <source>The operation &quot;%1&quot; takes %2 arguments, but %3 were given.</source>
        <translation>Die Operation „%1“ erwartet %2 Argumente, angegeben wurden aber %3.</translation>
    </message>
    <message>
        <source>Argument %1 of &quot;%2&quot; holds a character that cannot be sent (U+%3 at position %4).</source>
        <translation>Das Argument %1 von „%2“ enthält ein Zeichen, das nicht gesendet werden kann (U+%3 an Position %4).</translation>
    </message>
</context>
<context>
    <name>StoreChangeLock</name>
    <message>
        <source>The lock file %1 cannot be used: it is %2.</source>
        <translation>Die Sperrdatei %1 kann nicht verwendet werden: sie ist %2.</translation>
    </message>
</context>
<context>
    <name>TextInput</name>
    <message>
        <source>The file begins like UTF-16 text but is not.</source>
        <translation>Die Datei beginnt wie UTF-16-Text, ist aber keiner.</translation>
    </message>
    <message>
        <source>The file is not a text file: line %1 holds a NUL byte.</source>
        <translation>Die Datei ist keine Textdatei: Zeile %1 enthält ein NUL-Byte.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: line %1 holds bytes that are not UTF-8. Save it as UTF-8 and import it again.</source>
        <translation>Die Datei ist kein UTF-8-Text: Zeile %1 enthält Bytes, die kein UTF-8 sind. Speichern Sie die Datei als UTF-8 und importieren Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>The name has %1 characters; a recipient&apos;s name has %2 at most.</source>
        <translation>Der Name hat %1 Zeichen; der Name eines Empfängers hat höchstens %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please use a valid country code prefix</source>
        <translation>%1 ist keine gültige Telefonnummer, bitte verwenden Sie eine gültige Ländervorwahl</translation>
    </message>
</context>
<context>
    <name>VCard</name>
    <message>
        <source>the file ends before its END:VCARD</source>
        <translation>die Datei endet vor dem END:VCARD der Karte</translation>
    </message>
    <message>
        <source>The file holds no vCard: none of its lines says BEGIN:VCARD.</source>
        <translation>Die Datei enthält keine vCard: keine ihrer Zeilen lautet BEGIN:VCARD.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>Zeile %1 ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>line %1 cannot be read: %2</source>
        <translation>Zeile %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it has no END:VCARD before the card on line %1</source>
        <translation>vor der Karte in Zeile %1 fehlt das END:VCARD</translation>
    </message>
    <message>
        <source>its base64 text is damaged</source>
        <translation>der Base64-Text ist beschädigt</translation>
    </message>
    <message>
        <source>it holds a NUL character</source>
        <translation>sie enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>its character set %1 is not known</source>
        <translation>ihr Zeichensatz %1 ist unbekannt</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>sie ist kein gültiger %1-Text</translation>
    </message>
</context>
<context>
    <name>WidgetSignInPrompt</name>
    <message>
        <source>The SMS service at %1 asks for your user name and password without encryption (http://). They would travel unencrypted, and anyone on the network between you and the service could read them.

Send them anyway?</source>
        <translation>Der SMS-Dienst unter %1 verlangt Ihren Benutzernamen und Ihr Passwort ohne Verschlüsselung (http://). Beides würde unverschlüsselt übertragen, und jeder im Netzwerk zwischen Ihnen und dem Dienst könnte es mitlesen.

Trotzdem senden?</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>KORVANE is already running.</source>
        <translation>KORVANE läuft bereits.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Remove it and start KORVANE again.</source>
        <translation>KORVANE kann nicht starten. %1 Entfernen Sie sie und starten Sie KORVANE erneut.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Move it out of the way and start KORVANE again.</source>
        <translation>KORVANE kann nicht starten. %1 Verschieben Sie sie an einen anderen Ort und starten Sie KORVANE erneut.</translation>
    </message>
</context>
<context>
    <name>WindowSignIn</name>
    <message>
        <source>KORVANE cannot tell which SMS service to forget the password of. %1</source>
        <translation>KORVANE kann nicht feststellen, für welchen SMS-Dienst das Passwort vergessen werden soll. %1</translation>
    </message>
    <message>
        <source>KORVANE no longer keeps a password for the SMS service at %1. It asks for one the next time the service asks you to sign in.</source>
        <translation>KORVANE speichert kein Passwort mehr für den SMS-Dienst unter %1. KORVANE fragt erneut danach, wenn der Dienst das nächste Mal eine Anmeldung verlangt.</translation>
    </message>
</context>
<context>
    <name>WsdlReader</name>
    <message>
        <source>%1 does not define the input message of the operation %2.</source>
        <translation>%1 definiert die Eingabenachricht der Operation %2 nicht.</translation>
    </message>
    <message>
        <source>The port %1 of %2 gives no SOAP address.</source>
        <translation>Der Port %1 nennt keine SOAP-Adresse (%2).</translation>
    </message>
    <message>
        <source>The SOAP address %1 of the port %2 in %3 is not an http or https address.</source>
        <translation>Die SOAP-Adresse %1 des Ports %2 ist keine http- oder https-Adresse (%3).</translation>
    </message>
    <message>
        <source>The binding %1 of %2 refers to the port type %3, which it does not define.</source>
        <translation>Das Binding %1 verweist auf den Porttyp %3, der nicht definiert ist (%2).</translation>
    </message>
    <message>
        <source>%1 refers to the element %2, which its schema does not declare.</source>
        <translation>%1 verweist auf das Element %2, das ihr Schema nicht deklariert.</translation>
    </message>
    <message>
        <source>the service description</source>
        <translation>die Dienstbeschreibung</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>die Dienstbeschreibungsdatei %1</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file that can be read.</source>
        <translation>%1 ist %2, keine lesbare Datei.</translation>
    </message>
    <message>
        <source>%1 is too large to be a service description (over %2 MiB).</source>
        <translation>%1 ist zu groß für eine Dienstbeschreibung (über %2 MiB).</translation>
    </message>
    <message>
        <source>%1 is too large (over %2 MiB).</source>
        <translation>%1 ist zu groß (über %2 MiB).</translation>
    </message>
    <message>
        <source>%1 is not usable XML: %2.</source>
        <translation>%1 ist kein verwendbares XML: %2.</translation>
    </message>
    <message>
        <source>%1 is not a WSDL 1.1 description (its root element is &quot;%2&quot;).</source>
        <translation>%1 ist keine WSDL-1.1-Beschreibung (ihr Wurzelelement ist „%2“).</translation>
    </message>
    <message>
        <source>No service description has been read.</source>
        <translation>Es wurde keine Dienstbeschreibung gelesen.</translation>
    </message>
    <message>
        <source>The port %1 of %2 refers to the binding %3, which it does not define.</source>
        <translation>Der Port %1 verweist auf das Binding %3, das nicht definiert ist (%2).</translation>
    </message>
    <message>
        <source>%1 has no service named %2.</source>
        <translation>%1 hat keinen Dienst namens %2.</translation>
    </message>
    <message>
        <source>%1 has no port named %2.</source>
        <translation>%1 hat keinen Port namens %2.</translation>
    </message>
    <message>
        <source>The service %1 of %2 has no port named %3.</source>
        <translation>Der Dienst %1 hat keinen Port namens %3 (%2).</translation>
    </message>
    <message>
        <source>%1 offers no SOAP 1.1 or SOAP 1.2 port.</source>
        <translation>%1 bietet keinen SOAP-1.1- oder SOAP-1.2-Port.</translation>
    </message>
    <message>
        <source>The port %1 of %2 is not a SOAP port.</source>
        <translation>Der Port %1 ist kein SOAP-Port (%2).</translation>
    </message>
    <message>
        <source>%1 offers no operation %2.</source>
        <translation>%1 bietet keine Operation %2.</translation>
    </message>
</context>
<context>
    <name>XmlElement</name>
    <message>
        <source>one of its elements has more than %1 attributes</source>
        <translation>eines ihrer Elemente hat mehr als %1 Attribute</translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not accepted</source>
        <translation>sie enthält eine Dokumenttyp-Deklaration, die nicht akzeptiert wird</translation>
    </message>
    <message>
        <source>it refers to the undeclared entity &quot;%1&quot; at line %2</source>
        <translation>sie verweist in Zeile %2 auf die nicht deklarierte Entität „%1“</translation>
    </message>
    <message>
        <source>its elements nest more than %1 levels deep</source>
        <translation>ihre Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation>%1 in Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>it is empty or holds no element</source>
        <translation>sie ist leer oder enthält kein Element</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KORVANE</source>
        <translation>Über KORVANE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmFinishing</name>
    <message>
        <source>Finishing the send…</source>
        <translation>Versand wird abgeschlossen …</translation>
    </message>
    <message>
        <source>If you close KORVANE now, it will not be known whether your message was sent.</source>
        <translation>Wenn Sie KORVANE jetzt schließen, bleibt ungewiss, ob Ihre Nachricht gesendet wurde.</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Jetzt schließen</translation>
    </message>
    <message>
        <source>KORVANE closes as soon as the service has answered, within 1 second.</source>
        <translation>KORVANE wird beendet, sobald der Dienst geantwortet hat, spätestens in 1 Sekunde.</translation>
    </message>
    <message numerus="yes">
        <source>KORVANE closes as soon as the service has answered, within %n seconds.</source>
        <translation>
            <numerusform>KORVANE wird beendet, sobald der Dienst geantwortet hat, spätestens in %n Sekunde.</numerusform>
            <numerusform>KORVANE wird beendet, sobald der Dienst geantwortet hat, spätestens in %n Sekunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>KORVANE History</source>
        <translation>KORVANE-Verlauf</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name, number or text</source>
        <translation>Name, Nummer oder Text</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Service:</source>
        <translation>Dienst:</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Erneut senden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A name and, in brackets, its phone number.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 after %2 s</source>
        <extracomment>An outcome and how long the send took: &quot;Sent after 1.3 s&quot;.</extracomment>
        <translation>%1 nach %2 s</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>An outcome followed by the sentence that says why.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The history cannot be shown. %1</source>
        <translation>Der Verlauf kann nicht angezeigt werden. %1</translation>
    </message>
    <message>
        <source>The history could not be read. %1</source>
        <translation>Der Verlauf konnte nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>Do you want to delete the selected message from the history?</source>
        <translation>Möchten Sie die ausgewählte Nachricht aus dem Verlauf löschen?</translation>
    </message>
    <message>
        <source>The message still being sent stays until its outcome is known.</source>
        <translation>Die Nachricht, die noch gesendet wird, bleibt, bis ihr Ergebnis feststeht.</translation>
    </message>
    <message>
        <source>The messages could not be deleted. %1</source>
        <translation>Die Nachrichten konnten nicht gelöscht werden. %1</translation>
    </message>
    <message>
        <source>A message is being sent. The history can be cleared once its outcome is known.</source>
        <translation>Eine Nachricht wird gerade gesendet. Der Verlauf kann geleert werden, sobald ihr Ergebnis feststeht.</translation>
    </message>
    <message>
        <source>Do you want to delete every message in the history? This cannot be undone.</source>
        <translation>Möchten Sie alle Nachrichten im Verlauf löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The history could not be cleared. %1</source>
        <translation>Der Verlauf konnte nicht geleert werden. %1</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be exported. %1</source>
        <translation>Der Verlauf konnte nicht exportiert werden. %1</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete the %n selected messages from the history?</source>
        <translation>
            <numerusform>Möchten Sie die %n ausgewählte Nachricht aus dem Verlauf löschen?</numerusform>
            <numerusform>Möchten Sie die %n ausgewählten Nachrichten aus dem Verlauf löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n messages still being sent stay until their outcomes are known.</source>
        <translation>
            <numerusform>Die %n Nachricht, die noch gesendet wird, bleibt, bis ihr Ergebnis feststeht.</numerusform>
            <numerusform>Die %n Nachrichten, die noch gesendet werden, bleiben, bis ihre Ergebnisse feststehen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSMS</name>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>An: </translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>&lt;Select from Address Book&gt;</source>
        <translation>&lt;Aus Adressbuch wählen&gt;</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>&lt;Change&gt;</source>
        <translation>&lt;Ändern&gt;</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Use your real name, not a &apos;screen name&apos; otherwise the recipient may not recognise who the message is from. Please use a country-code prefix on your number (0044 for UK)</source>
        <translation>Verwenden Sie Ihren echten Namen, keinen „Nickname“, sonst weiß der Empfänger womöglich nicht, von wem die Nachricht ist. Nummer bitte mit Ländervorwahl (0044 für UK)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Forget the saved password</source>
        <translation>Gespeichertes Passwort vergessen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren …</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Your name should be between 3 and 11 charachters long</source>
        <translation>Ihr Name sollte zwischen 3 und 11 Zeichen lang sein</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please include a country-code prefix</source>
        <translation>%1 ist keine gültige Telefonnummer, bitte geben Sie eine Ländervorwahl mit an</translation>
    </message>
    <message>
        <source>Your details could not be saved. %1</source>
        <translation>Ihre Daten konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>Das Adressbuch konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation>Möchten Sie %1 aus dem Adressbuch entfernen?</translation>
    </message>
    <message>
        <source>KORVANE cannot keep a history of your messages. %1 Your messages are still sent.</source>
        <translation>KORVANE kann keinen Verlauf Ihrer Nachrichten führen. %1 Ihre Nachrichten werden trotzdem gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation>
            <numerusform>Das Adressbuch ist voll: es enthält %n Empfänger, mehr kann es nicht aufnehmen.</numerusform>
            <numerusform>Das Adressbuch ist voll: es enthält %n Empfänger, mehr kann es nicht aufnehmen.</numerusform>
        </translation>
    </message>
</context>
</TS>
