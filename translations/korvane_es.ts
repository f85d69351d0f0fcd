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
        <translation>Uso: korvane [COMMAND [ARGUMENTS]]

Sin una orden, korvane abre su ventana.

Órdenes:
  send --to NAME|NUMBER [--country COUNTRY] [--user NAME [--password-stdin]]
       [--allow-unencrypted] MESSAGE|-
                        Envía un mensaje a un nombre de la agenda o a un
                        número; - lee el mensaje de la entrada estándar.
  contacts list [--json]
                        Muestra la agenda.
  contacts add NAME NUMBER
                        Añade un destinatario.
  contacts remove NAME  Quita un destinatario de la agenda.
  contacts import FILE [--country COUNTRY]
                        Añade los contactos de un archivo vCard o CSV.
  contacts export FILE  Escribe la agenda en un archivo .vcf o .csv.
  history [--json] [--limit N]
                        Muestra los mensajes enviados, del más reciente al
                        más antiguo.
  help [COMMAND]        Muestra esta ayuda, o la de una orden.

Opciones:
  -h, --help            Muestra esta ayuda.
  -v, --version         Muestra la versión.

Estado de salida: 0 hecho (send: enviado), 1 fallo (send: no enviado), 2 solo
en send: no se sabe si el mensaje se envió, 64 la línea de órdenes es errónea.
La página de manual korvane(1) da más detalles.
</translation>
    </message>
    <message>
        <source>There is no command &apos;%1&apos;.</source>
        <translation>No existe la orden «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command.</source>
        <translation>«%1» no es una orden.</translation>
    </message>
    <message>
        <source>Countries:</source>
        <extracomment>Starts the list of country names at the end of a command&apos;s help.</extracomment>
        <translation>Países:</translation>
    </message>
    <message>
        <source>The value of --%1 is not UTF-8 text.</source>
        <translation>El valor de --%1 no es texto UTF-8.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text.</source>
        <translation>«%1» no es texto UTF-8.</translation>
    </message>
    <message>
        <source>%1: %2 See &apos;%3&apos;.</source>
        <extracomment>%1 the command as typed (&quot;korvane send&quot;), %2 what is wrong with it (a whole sentence), %3 the command that shows its help (&quot;korvane send --help&quot;).</extracomment>
        <translation>%1: %2 Consulte «%3».</translation>
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
        <translation>Uso: korvane send --to NAME|NUMBER [--country COUNTRY]
                  [--user NAME [--password-stdin]] [--allow-unencrypted]
                  MESSAGE|-

Envía un mensaje a través del servicio de SMS de SendSMS.wsdl, con el nombre y
el número guardados en «Sus datos» de la ventana, y lo anota en el historial.

  --to NAME|NUMBER   Un nombre de la agenda (sin distinguir mayúsculas y
                     minúsculas) o un número que empiece por 00 y el código de
                     país, como 00447700900123: de 14 a 17 dígitos, o menos si
                     el plan de numeración de su país tiene números así.
  --country COUNTRY  El país que se envía con el mensaje: uno de los países de
                     abajo (UK si no se indica), o su código, como de-DE.
  MESSAGE            El mensaje, de 159 caracteres como máximo; uno más largo
                     se rechaza, nunca se recorta. Ponga -- delante de un
                     mensaje que empiece por un guion.
  -                  Lee el mensaje de la entrada estándar, como UTF-8; se
                     omite un único salto de línea al final del todo.
  --user NAME        Se identifica como NAME si el servicio lo pide, con la
                     contraseña en la variable de entorno KORVANE_PASSWORD.
  --password-stdin   Lee la contraseña de --user de la primera línea de la
                     entrada estándar; el mensaje es entonces un argumento.
  --allow-unencrypted
                     Envía la contraseña aunque vaya a viajar sin cifrar
                     (identificación Basic por http:// a otro equipo).
  -h, --help         Muestra esta ayuda.

Un servicio que pide identificarse recibe el nombre de usuario y la contraseña
de --user o, si no, los que la ventana guardó en el anillo de claves del
escritorio. La contraseña nunca se acepta como argumento y no se pregunta
nada: sin credenciales, o con unas rechazadas, el mensaje no se envía.

El resultado es una línea en la salida de error estándar. Estado de salida:
0 enviado, 1 no enviado, 2 no se sabe si se envió (compruébelo con el
destinatario antes de volver a enviarlo), 64 la línea de órdenes es errónea.

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
        <translation>Uso: korvane contacts list [--json]
     korvane contacts add NAME NUMBER
     korvane contacts remove NAME
     korvane contacts import FILE [--country COUNTRY]
     korvane contacts export FILE

  list      Muestra la agenda en columnas o, con --json, como una matriz JSON
            de objetos {&quot;name&quot;, &quot;number&quot;}, en el orden de la agenda.
  add       Añade un destinatario, como hace «Añadir» en la ventana: el número
            debe empezar por 00 y el código de país y tener de 14 a 17
            dígitos, o menos si el plan de numeración de su país tiene números
            así; el nombre tiene como máximo 255 caracteres, los saltos de
            línea y los tabuladores pasan a ser espacios, y se rechaza un
            nombre que ya esté en la agenda (sin distinguir mayúsculas).
  remove    Quita de la agenda al destinatario con este nombre (sin
            distinguir mayúsculas).
  import    Añade los contactos de un archivo vCard (.vcf) o CSV, con las
            reglas de add; los números escritos sin código de país se leen
            como números de --country (uno de los países de abajo, UK si no
            se indica, o un código como de-DE). Dice cuántos se importaron y
            cuáles se omitieron, y por qué.
  export    Escribe la agenda en FILE: vCard 4.0 si termina en .vcf o .vcard,
            CSV si termina en .csv.
  -h, --help  Muestra esta ayuda.

add, remove e import se niegan mientras la ventana de KORVANE esté abierta,
pues esta guardaría su propia copia de la agenda encima del cambio.
Estado de salida: 0 hecho, 1 fallo, 64 la línea de órdenes es errónea.

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
        <translation>Uso: korvane history [--json] [--limit N]

Muestra los mensajes enviados, desde la ventana y con korvane send, del más
reciente al más antiguo: cuándo, cómo terminó (Enviado, No enviado,
Desconocido, Enviando), a quién y qué.

  --json      Una matriz JSON de objetos con los campos id, time (UTC, ISO
              8601), sender_name, sender_number, recipient_name,
              recipient_number, message, culture, endpoint, state (&quot;sent&quot;,
              &quot;not sent&quot;, &quot;not known&quot; o &quot;sending&quot;), reason y duration_ms.
  --limit N   Solo los N mensajes más recientes.
  -h, --help  Muestra esta ayuda.

Estado de salida: 0 hecho, 1 fallo, 64 la línea de órdenes es errónea.
</translation>
    </message>
    <message>
        <source>The output could not be written: %1.</source>
        <translation>No se pudo escribir la salida: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLinePrompt</name>
    <message>
        <source>give your user name with --user NAME and your password in the environment variable KORVANE_PASSWORD or, with --password-stdin, on standard input</source>
        <translation>indique su nombre de usuario con --user NAME y su contraseña en la variable de entorno KORVANE_PASSWORD o, con --password-stdin, en la entrada estándar</translation>
    </message>
    <message>
        <source>the SMS service at %1</source>
        <translation>el servicio de SMS en %1</translation>
    </message>
    <message>
        <source>%1 asks you to sign in: %2</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 how to give a user name and password.</extracomment>
        <translation>%1 le pide que se identifique: %2</translation>
    </message>
    <message>
        <source>%1 asks you to sign in (%2): %3</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 the name it gives itself, %3 how to give a user name and password.</extracomment>
        <translation>%1 le pide que se identifique (%2): %3</translation>
    </message>
    <message>
        <source>%1 did not accept the user name and password given with --user</source>
        <translation>%1 no aceptó el nombre de usuario y la contraseña indicados con --user</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 asks for your password without encryption (http://), and it would travel unencrypted; give --allow-unencrypted to send it all the same</source>
        <translation>%1 pide su contraseña sin cifrado (http://) y esta viajaría sin cifrar; indique --allow-unencrypted para enviarla de todos modos</translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>%1 Remove it and try again.</source>
        <translation>%1 Elimínelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>No se pudo guardar la agenda. %1</translation>
    </message>
    <message>
        <source>Give %1.</source>
        <translation>Indique %1.</translation>
    </message>
    <message>
        <source>no arguments but --json</source>
        <translation>solo --json, sin otros argumentos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>the name and the number, such as: korvane contacts add Ann 00447700900123</source>
        <translation>el nombre y el número, por ejemplo: korvane contacts add Ann 00447700900123</translation>
    </message>
    <message>
        <source>The name is empty: give the recipient a name.</source>
        <translation>El nombre está vacío: dé un nombre al destinatario.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or add the contact there</source>
        <translation>La ventana de KORVANE está abierta; ciérrela o añada el contacto allí</translation>
    </message>
    <message>
        <source>The address book is full: it holds %1 recipients, the most it can keep.</source>
        <translation>La agenda está llena: contiene %1 destinatarios, el máximo que admite.</translation>
    </message>
    <message>
        <source>%1 is already in the address book.</source>
        <translation>%1 ya está en la agenda.</translation>
    </message>
    <message>
        <source>%1 is already in the address book, as %2.</source>
        <translation>%1 ya está en la agenda, como %2.</translation>
    </message>
    <message>
        <source>the name of the recipient to remove</source>
        <translation>el nombre del destinatario que quitar</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or remove the contact there</source>
        <translation>La ventana de KORVANE está abierta; ciérrela o quite el contacto allí</translation>
    </message>
    <message>
        <source>%1 is not in the address book.</source>
        <translation>%1 no está en la agenda.</translation>
    </message>
    <message>
        <source>the vCard or CSV file to import</source>
        <translation>el archivo vCard o CSV que importar</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Indique --country una sola vez.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>No existe el país «%1»: indique %2, o un código como de-DE.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or import the contacts there</source>
        <translation>La ventana de KORVANE está abierta; ciérrela o importe los contactos allí</translation>
    </message>
    <message>
        <source>the file to write, ending in .vcf or .csv</source>
        <translation>el archivo que escribir, terminado en .vcf o .csv</translation>
    </message>
    <message>
        <source>Say what to do: list, add, remove, import or export.</source>
        <translation>Indique qué hacer: list, add, remove, import o export.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contacts command: give list, add, remove, import or export.</source>
        <translation>«%1» no es una orden de contacts: indique list, add, remove, import o export.</translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a contacts file.</source>
        <translation>%1 es una carpeta, no un archivo de contactos.</translation>
    </message>
    <message>
        <source>%1 is not a file but a device, a pipe or a socket, so it is not read.</source>
        <translation>%1 no es un archivo sino un dispositivo, una tubería o un socket, así que no se lee.</translation>
    </message>
    <message>
        <source>%1 is too large for a contacts file (%2 MB; KORVANE reads files of up to %3 MB).</source>
        <translation>%1 es demasiado grande para ser un archivo de contactos (%2 MB; KORVANE lee archivos de hasta %3 MB).</translation>
    </message>
    <message>
        <source>%1 was not written: name the file .vcf for vCard or .csv for CSV.</source>
        <translation>%1 no se ha escrito: dé al archivo la extensión .vcf para vCard o .csv para CSV.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
</context>
<context>
    <name>ContactsImport</name>
    <message>
        <source>Card %1 (line %2)</source>
        <extracomment>Where a skipped contact is in the file: %1 which vCard, counted from 1, %2 the line it starts on.</extracomment>
        <translation>Tarjeta %1 (línea %2)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a contact was skipped, after its place and name (&quot;Line 4: Ann: ...&quot;): small letter, no full stop. %1 the details.</extracomment>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <source>has too long a name: %1</source>
        <translation>tiene un nombre demasiado largo: %1</translation>
    </message>
    <message>
        <source>is already in the address book</source>
        <translation>ya está en la agenda</translation>
    </message>
    <message>
        <source>was imported from earlier in the file</source>
        <translation>ya se importó antes en el mismo archivo</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>no tiene número de teléfono</translation>
    </message>
    <message>
        <source>has no valid phone number: %1</source>
        <translation>no tiene un número de teléfono válido: %1</translation>
    </message>
    <message>
        <source>did not fit: the address book is full</source>
        <translation>no cupo: la agenda está llena</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <extracomment>One part of &quot;N contacts were skipped: ...&quot;: %1 how many contacts.</extracomment>
        <translation>%1 por no poder leerse</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 sin nombre</translation>
    </message>
    <message>
        <source>%1 with too long a name</source>
        <translation>%1 con un nombre demasiado largo</translation>
    </message>
    <message>
        <source>%1 already in the address book</source>
        <translation>%1 por estar ya en la agenda</translation>
    </message>
    <message>
        <source>%1 named twice in the file</source>
        <translation>%1 por aparecer dos veces en el archivo</translation>
    </message>
    <message>
        <source>%1 without a phone number</source>
        <translation>%1 sin número de teléfono</translation>
    </message>
    <message>
        <source>%1 without a valid phone number</source>
        <translation>%1 sin un número de teléfono válido</translation>
    </message>
    <message>
        <source>%1 left out because the address book is full (it keeps %2 at most)</source>
        <extracomment>%1 how many contacts were left out, %2 how many the address book keeps.</extracomment>
        <translation>%1 porque la agenda está llena (admite %2 como máximo)</translation>
    </message>
    <message>
        <source>%1 is not a country that KORVANE knows.</source>
        <translation>%1 no es un país que KORVANE conozca.</translation>
    </message>
    <message>
        <source>The file holds no contacts.</source>
        <translation>El archivo no contiene ningún contacto.</translation>
    </message>
    <message>
        <source>Imported 1 recipient.</source>
        <translation>Se ha importado 1 destinatario.</translation>
    </message>
    <message>
        <source>Imported %1 recipients.</source>
        <translation>Se han importado %1 destinatarios.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last of the reasons contacts were skipped to those before it, which are joined by &quot;, &quot;: %1 those before, %2 the last.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source> 1 contact was skipped: %1.</source>
        <extracomment>Follows &quot;Imported N recipients.&quot; in the same paragraph: keep the space at the start.</extracomment>
        <translation> Se ha omitido 1 contacto: %1.</translation>
    </message>
    <message>
        <source> %1 contacts were skipped: %2.</source>
        <translation> Se han omitido %1 contactos: %2.</translation>
    </message>
    <message>
        <source> The file holds more than %1 contacts; the rest were not read.</source>
        <translation> El archivo contiene más de %1 contactos; el resto no se ha leído.</translation>
    </message>
</context>
<context>
    <name>ContactsTransfer</name>
    <message>
        <source>a contact</source>
        <translation>un contacto</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>Where a contact was in the file, who it is, and why it was left out: &quot;line 4: Ann has no phone number&quot;.</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Contacts files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Archivos de contactos (*.vcf *.vcard *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: the address book could not be saved. %1</source>
        <translation>No se ha importado nada: no se pudo guardar la agenda. %1</translation>
    </message>
    <message>
        <source>Export Address Book</source>
        <translation>Exportar agenda</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;CSV files (*.csv)</source>
        <translation>Archivos vCard (*.vcf);;Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The address book can be exported as a vCard file (.vcf) or a CSV file (.csv). Please choose a file name that ends in one of these.</source>
        <translation>La agenda se puede exportar como archivo vCard (.vcf) o CSV (.csv). Elija un nombre de archivo que termine en una de estas extensiones.</translation>
    </message>
    <message>
        <source>The address book could not be exported. %1</source>
        <translation>No se pudo exportar la agenda. %1</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>UK</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
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
        <translation>País: %1</translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>it did not answer as expected</source>
        <translation>no respondió como se esperaba</translation>
    </message>
    <message>
        <source>The desktop&apos;s secret store (keyring) cannot be used: %1. KORVANE keeps the passwords you give it only until it ends.</source>
        <translation>No se puede usar el depósito de secretos del escritorio (anillo de claves): %1. KORVANE solo guarda las contraseñas que usted le dé hasta que se cierre.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The first line of the file does not name the columns of a contacts file that KORVANE reads: a column of names and one of phone numbers, as in &quot;Name,Number&quot; or the contacts that Google Contacts, Outlook and Thunderbird export.</source>
        <translation>La primera línea del archivo no nombra las columnas de un archivo de contactos que KORVANE sepa leer: una columna de nombres y otra de números de teléfono, como en «Name,Number» o en los contactos que exportan Google Contacts, Outlook y Thunderbird.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>a quoted field begins on it and is never closed, so the rest of the file could not be read</source>
        <translation>en ella empieza un campo entre comillas que nunca se cierra, así que no se pudo leer el resto del archivo</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>its field in the column &quot;%1&quot; is longer than %2 bytes</source>
        <translation>su campo de la columna «%1» tiene más de %2 bytes</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>Completes &quot;it is %1&quot;: what is found where a file should be.</extracomment>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo que no es un archivo</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>It takes no arguments but --json and --limit N.</source>
        <translation>No admite más argumentos que --json y --limit N.</translation>
    </message>
    <message>
        <source>Give --limit once, with a whole number of messages, such as --limit 10.</source>
        <translation>Indique --limit una sola vez, con un número entero de mensajes, como --limit 10.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>What the history&apos;s file is instead of a file, as %2 of &quot;The history file %1 is %2, not a regular file&quot;.</extracomment>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo que no es un archivo</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>No se pudo crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The history file %1 could not be created: %2</source>
        <translation>No se pudo crear el archivo de historial %1: %2</translation>
    </message>
    <message>
        <source>Other users of this computer can read your history %1, and it could not be made private: %2.</source>
        <translation>Otros usuarios de este equipo pueden leer su historial %1, y no se pudo hacer privado: %2.</translation>
    </message>
    <message>
        <source>Other users of this computer could read your history %1. It is now readable by you alone.</source>
        <translation>Otros usuarios de este equipo podían leer su historial %1. Ahora solo usted puede leerlo.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>no se puede escribir en %1 (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>no se puede escribir en la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>the program ended during the send</source>
        <extracomment>Why a send is &quot;Not known&quot; when the program ended during it: small letter, no full stop.</extracomment>
        <translation>el programa terminó durante el envío</translation>
    </message>
    <message>
        <source>another program is keeping it busy</source>
        <extracomment>Why the history could not be used, after &quot;...: &quot;. &quot;it&quot; is the history.</extracomment>
        <translation>otro programa lo mantiene ocupado</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>it could not be read or written on the disk</source>
        <translation>no se pudo leer o escribir en el disco</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 what could not be done with the history, %2 why: &quot;The history ... could not be used: the disk is full&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The history %1 could not be used</source>
        <translation>No se pudo usar el historial %1</translation>
    </message>
    <message>
        <source>%1 is not a KORVANE history</source>
        <translation>%1 no es un historial de KORVANE</translation>
    </message>
    <message>
        <source>The history cannot be kept: Qt&apos;s SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>No se puede guardar el historial: el controlador SQLite de Qt (QSQLITE, paquete de Debian libqt6sql6-sqlite) no está instalado.</translation>
    </message>
    <message>
        <source>The history file %1 is %2, not a regular file; it was left as it is.</source>
        <translation>El archivo de historial %1 es %2, no un archivo normal; se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de historial %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is.</source>
        <translation>El archivo %1 no es un historial de KORVANE (no es una base de datos SQLite); se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The history %1 cannot be opened</source>
        <translation>No se puede abrir el historial %1</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is a database of something else); it was left as it is.</source>
        <translation>El archivo %1 no es un historial de KORVANE (es una base de datos de otra cosa); se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of KORVANE (history version %2; this version reads up to %3). It was left as it is.</source>
        <translation>El historial %1 lo escribió una versión más reciente de KORVANE (versión de historial %2; esta versión lee hasta la %3). Se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The history %1 %2, so it is not used. It was left as it is.</source>
        <extracomment>%1 the history&apos;s file name, %2 what is wrong with it, such as &quot;holds a table &quot;x&quot; that KORVANE did not create&quot;.</extracomment>
        <translation>El historial %1 %2, así que no se usa. Se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The history %1 cannot be prepared</source>
        <translation>No se puede preparar el historial %1</translation>
    </message>
    <message>
        <source>The history %1 could not be read</source>
        <translation>No se pudo leer el historial %1</translation>
    </message>
    <message>
        <source>The history %1 could not be searched</source>
        <translation>No se pudo buscar en el historial %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Follows &quot;The history FILE&quot; in &quot;The history FILE %1, so it is not used&quot;. In the others %1 is the kind of database object as SQLite names it (table, index, trigger, view: not translated), %2 its name.</extracomment>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that KORVANE did not create</source>
        <translation>contiene un objeto %1 «%2» que KORVANE no creó</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that another program changed</source>
        <translation>contiene un objeto %1 «%2» que otro programa modificó</translation>
    </message>
    <message>
        <source>lacks the %1 &quot;%2&quot; that KORVANE created</source>
        <translation>le falta el objeto %1 «%2» que KORVANE creó</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be used: %2</source>
        <translation>No se puede usar el archivo de bloqueo del historial %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>The column of whom a message went to.</extracomment>
        <translation>Para</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>HistoryRecord</name>
    <message>
        <source>Sending</source>
        <extracomment>How a send ended, in the History window&apos;s &quot;Outcome&quot; column and the table of &quot;korvane history&quot;.</extracomment>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The send could not be recorded in %1</source>
        <translation>No se pudo anotar el envío en %1</translation>
    </message>
    <message>
        <source>A send cannot finish in the state &quot;sending&quot;.</source>
        <translation>Un envío no puede terminar en el estado «enviando».</translation>
    </message>
    <message>
        <source>The outcome of send %1 could not be recorded: it is no longer being sent.</source>
        <translation>No se pudo anotar el resultado del envío %1: ya no se está enviando.</translation>
    </message>
    <message>
        <source>The messages could not be deleted from %1</source>
        <translation>No se pudieron eliminar los mensajes de %1</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared</source>
        <translation>No se pudo vaciar el historial %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>HttpPost</name>
    <message>
        <source>the service at %1</source>
        <translation>el servicio en %1</translation>
    </message>
    <message>
        <source>the service at %1 (through the proxy at %2)</source>
        <translation>el servicio en %1 (a través del proxy en %2)</translation>
    </message>
    <message>
        <source>the call was cancelled before the request was sent</source>
        <translation>la llamada se canceló antes de enviar la solicitud</translation>
    </message>
    <message>
        <source>the proxy at %1 refused to open a connection to the service at %2 (%3)</source>
        <translation>el proxy en %1 se negó a abrir una conexión con el servicio en %2 (%3)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: its certificate could not be verified (%2)</source>
        <translation>no se pudo establecer una conexión segura con %1: no se pudo verificar su certificado (%2)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: %2</source>
        <translation>no se pudo establecer una conexión segura con %1: %2</translation>
    </message>
    <message>
        <source>the proxy&apos;s computer %1 could not be found; check the network connection</source>
        <translation>no se encontró el equipo del proxy (%1); compruebe la conexión de red</translation>
    </message>
    <message>
        <source>the service&apos;s computer %1 could not be found; check the network connection</source>
        <translation>no se encontró el equipo del servicio (%1); compruebe la conexión de red</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the connection</source>
        <translation>el proxy en %1 rechazó la conexión</translation>
    </message>
    <message>
        <source>the proxy at %1 could not be reached</source>
        <translation>no se pudo contactar con el proxy en %1</translation>
    </message>
    <message>
        <source>the service at %1 refused the connection; it may not be running</source>
        <translation>el servicio en %1 rechazó la conexión; puede que no esté funcionando</translation>
    </message>
    <message>
        <source>the service at %1 could not be reached: %2</source>
        <translation>no se pudo contactar con el servicio en %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached within %2</source>
        <extracomment>%1 the service (&quot;the service at ...&quot;), %2 how long, such as &quot;30 seconds&quot;.</extracomment>
        <translation>no se pudo contactar con %1 en %2</translation>
    </message>
    <message>
        <source>the address %1 cannot be used: %2</source>
        <translation>no se puede usar la dirección %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2</source>
        <translation>no se pudo contactar con %1: %2</translation>
    </message>
    <message>
        <source>the call was cancelled after the request had been sent</source>
        <translation>la llamada se canceló después de enviar la solicitud</translation>
    </message>
    <message>
        <source>the head of the service&apos;s answer is larger than %1 KiB, too large to be an answer</source>
        <translation>la cabecera de la respuesta del servicio ocupa más de %1 KiB, demasiado para ser una respuesta</translation>
    </message>
    <message>
        <source>the service sent an answer too large to be a reply (over %1 KiB)</source>
        <translation>el servicio envió una respuesta demasiado grande para ser una contestación (más de %1 KiB)</translation>
    </message>
    <message>
        <source>%1 did not finish its answer within %2</source>
        <translation>%1 no terminó su respuesta en %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2</source>
        <translation>%1 no respondió en %2</translation>
    </message>
    <message>
        <source>%1 closed the connection without answering</source>
        <translation>%1 cerró la conexión sin responder</translation>
    </message>
    <message>
        <source>%1 closed the connection before its answer was complete</source>
        <translation>%1 cerró la conexión antes de completar su respuesta</translation>
    </message>
    <message>
        <source>the connection to %1 broke before its answer was complete</source>
        <translation>la conexión con %1 se cortó antes de completarse su respuesta</translation>
    </message>
    <message>
        <source>the connection to %1 broke while the request was being sent</source>
        <translation>la conexión con %1 se cortó mientras se enviaba la solicitud</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be decompressed (%1)</source>
        <translation>no se pudo descomprimir la respuesta del servicio (%1)</translation>
    </message>
    <message>
        <source>%1 answered with something that is not HTTP</source>
        <translation>%1 respondió con algo que no es HTTP</translation>
    </message>
    <message>
        <source>the answer of %1 could not be read: %2</source>
        <translation>no se pudo leer la respuesta de %1: %2</translation>
    </message>
    <message>
        <source>the connection to the service could not be prepared</source>
        <translation>no se pudo preparar la conexión con el servicio</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>KORVANE&apos;s HTTP transport is not available: %1</source>
        <translation>El transporte HTTP de KORVANE no está disponible: %1</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>it belongs to another user and cannot be read</source>
        <translation>pertenece a otro usuario y no se puede leer</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed</source>
        <translation>quedó abandonado y no se puede eliminar</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as it belongs to another user</source>
        <translation>quedó abandonado y no se puede eliminar, ya que pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as there is no permission to change its folder</source>
        <translation>quedó abandonado y no se puede eliminar, ya que no hay permiso para modificar su carpeta</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used: %2.</source>
        <extracomment>%2 says why: &quot;it belongs to another user and cannot be read&quot;.</extracomment>
        <translation>No se puede usar el archivo de bloqueo %1: %2.</translation>
    </message>
</context>
<context>
    <name>KeychainAccess</name>
    <message>
        <source>no secret store is available</source>
        <translation>no hay ningún depósito de secretos disponible</translation>
    </message>
    <message>
        <source>it did not let KORVANE keep or read passwords</source>
        <translation>no permitió a KORVANE guardar ni leer contraseñas</translation>
    </message>
    <message>
        <source>it has no &quot;%1&quot; keyring to keep passwords in</source>
        <translation>no tiene ningún anillo de claves «%1» donde guardar contraseñas</translation>
    </message>
    <message>
        <source>it did not answer as expected</source>
        <translation>no respondió como se esperaba</translation>
    </message>
    <message>
        <source>its module could not be loaded (%1)</source>
        <translation>no se pudo cargar su módulo (%1)</translation>
    </message>
    <message>
        <source>its module %1 is not KORVANE&apos;s</source>
        <translation>su módulo %1 no es el de KORVANE</translation>
    </message>
</context>
<context>
    <name>MessageSend</name>
    <message>
        <source>Your message was not sent. %1</source>
        <extracomment>%1 why, as a whole sentence.</extracomment>
        <translation>El mensaje no se ha enviado. %1</translation>
    </message>
    <message>
        <source>It is not known whether your message was sent: %1. Check with the recipient before you send it again.</source>
        <extracomment>%1 why, as a clause that starts with a small letter and has no full stop.</extracomment>
        <translation>No se sabe si el mensaje se ha enviado: %1. Compruébelo con el destinatario antes de volver a enviarlo.</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>HTTP status %1</source>
        <extracomment>%1 the HTTP status code, %2 the reason phrase the server sent with it, in its own words (often English).</extracomment>
        <translation>estado HTTP %1</translation>
    </message>
    <message>
        <source>HTTP status %1 (%2)</source>
        <translation>estado HTTP %1 (%2)</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>How long a wait was: %1 a number of seconds, possibly with a decimal point.</extracomment>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
</context>
<context>
    <name>NumberingPlans</name>
    <message>
        <source>The numbering plans of phone numbers are not available: %1.</source>
        <translation>Los planes de numeración telefónica no están disponibles: %1.</translation>
    </message>
</context>
<context>
    <name>PhoneNumbers</name>
    <message>
        <source>%1 has a country code that no country has, so its country is unknown</source>
        <extracomment>Why a contact&apos;s number cannot be imported; %1 the number as written in the file, in quotes. Each of these ends a longer sentence: small letter, no full stop.</extracomment>
        <translation>%1 tiene un código de país que no es de ningún país, así que se desconoce su país</translation>
    </message>
    <message>
        <source>%1 is too long</source>
        <translation>%1 es demasiado largo</translation>
    </message>
    <message>
        <source>%1 has letters or signs that are not part of a phone number</source>
        <translation>%1 tiene letras o signos que no forman parte de un número de teléfono</translation>
    </message>
    <message>
        <source>%1 is too short</source>
        <translation>%1 es demasiado corto</translation>
    </message>
    <message>
        <source>%1 is too long: %2 has more than the 15 digits of an international number</source>
        <extracomment>%1 the number as written in the file, in quotes; %2 the same number as the address book keeps it.</extracomment>
        <translation>%1 es demasiado largo: %2 tiene más de los 15 dígitos de un número internacional</translation>
    </message>
    <message>
        <source>%1 is too short for a phone number of its country (%2)</source>
        <translation>%1 es demasiado corto para un número de teléfono de su país (%2)</translation>
    </message>
    <message>
        <source>%1 is too long for a phone number of its country (%2)</source>
        <translation>%1 es demasiado largo para un número de teléfono de su país (%2)</translation>
    </message>
    <message>
        <source>%1 is not a phone number in the numbering plan of its country (%2)</source>
        <translation>%1 no es un número de teléfono del plan de numeración de su país (%2)</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>no tiene número de teléfono</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 no tiene dígitos</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 could not be loaded (%2)</source>
        <translation>no se pudo cargar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not KORVANE&apos;s</source>
        <translation>%1 no pertenece a KORVANE</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>ReplyContent</name>
    <message>
        <source>its multipart body has no part</source>
        <translation>su cuerpo multiparte no tiene ninguna parte</translation>
    </message>
    <message>
        <source>its multipart body is cut short</source>
        <translation>su cuerpo multiparte está cortado</translation>
    </message>
    <message>
        <source>a part of its multipart body has no end to its headers</source>
        <translation>una parte de su cuerpo multiparte no tiene fin de cabeceras</translation>
    </message>
    <message>
        <source>its multipart body has no part with the root&apos;s Content-ID</source>
        <translation>su cuerpo multiparte no tiene ninguna parte con el Content-ID de la raíz</translation>
    </message>
    <message>
        <source>it is a multipart answer without a boundary</source>
        <translation>es una respuesta multiparte sin delimitador (boundary)</translation>
    </message>
    <message>
        <source>it is written in the character set &quot;%1&quot;, which cannot be read</source>
        <translation>está escrita en el juego de caracteres «%1», que no se puede leer</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>no es texto %1 válido</translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>You have not selected who to send your message to</source>
        <translation>No ha elegido a quién enviar el mensaje</translation>
    </message>
    <message>
        <source>You have not entered your name and number</source>
        <translation>No ha introducido su nombre y su número</translation>
    </message>
    <message>
        <source>You have not entered a message to send</source>
        <translation>No ha escrito ningún mensaje que enviar</translation>
    </message>
    <message>
        <source>Your message was not sent: it is %1 characters long, and the most that can be sent is %2.</source>
        <translation>El mensaje no se ha enviado: tiene %1 caracteres, y lo máximo que se puede enviar son %2.</translation>
    </message>
    <message>
        <source>your name</source>
        <extracomment>Each names the text that holds a character that cannot be sent, as %1 of &quot;... %1 contains a character that cannot be sent ...&quot;.</extracomment>
        <translation>su nombre</translation>
    </message>
    <message>
        <source>your number</source>
        <translation>su número</translation>
    </message>
    <message>
        <source>the recipient&apos;s number</source>
        <translation>el número del destinatario</translation>
    </message>
    <message>
        <source>the message</source>
        <translation>el mensaje</translation>
    </message>
    <message>
        <source>the country code</source>
        <translation>el código de país</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 contains a character that cannot be sent (U+%2 at position %3). Please remove it and try again.</source>
        <extracomment>%1 which text (&quot;your name&quot;, &quot;the message&quot;...), %2 the character&apos;s code in four or more hex digits, %3 its place in that text, counted in characters from 1.</extracomment>
        <translation>El mensaje no se ha enviado: %1 contiene un carácter que no se puede enviar (U+%2 en la posición %3). Quítelo e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Your message was not sent: standard input could not be read: %1.</source>
        <translation>El mensaje no se ha enviado: no se pudo leer la entrada estándar: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds more than %1 bytes, and the most that can be sent is %2 characters.</source>
        <translation>El mensaje no se ha enviado: la entrada estándar contiene más de %1 bytes, y lo máximo que se puede enviar son %2 caracteres.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input is not UTF-8 text.</source>
        <translation>El mensaje no se ha enviado: la entrada estándar no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Your message was not sent: the message is not UTF-8 text.</source>
        <translation>El mensaje no se ha enviado: el mensaje no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password could not be read from standard input: %1.</source>
        <translation>El mensaje no se ha enviado: no se pudo leer la contraseña de la entrada estándar: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: the first line of standard input is too long for a password.</source>
        <translation>El mensaje no se ha enviado: la primera línea de la entrada estándar es demasiado larga para ser una contraseña.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds no password for --user.</source>
        <translation>El mensaje no se ha enviado: la entrada estándar no contiene ninguna contraseña para --user.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password on standard input is not UTF-8 text.</source>
        <translation>El mensaje no se ha enviado: la contraseña de la entrada estándar no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Give --user once.</source>
        <translation>Indique --user una sola vez.</translation>
    </message>
    <message>
        <source>Give the user name to sign in with: --user NAME.</source>
        <translation>Indique el nombre de usuario con el que identificarse: --user NAME.</translation>
    </message>
    <message>
        <source>--password-stdin reads the password of --user NAME; give --user too.</source>
        <translation>--password-stdin lee la contraseña de --user NAME; indique también --user.</translation>
    </message>
    <message>
        <source>With --password-stdin, standard input holds the password: give the message as an argument.</source>
        <translation>Con --password-stdin, la entrada estándar contiene la contraseña: indique el mensaje como argumento.</translation>
    </message>
    <message>
        <source>Give the password of --user in the environment variable KORVANE_PASSWORD, or on standard input with --password-stdin; never as an argument.</source>
        <translation>Indique la contraseña de --user en la variable de entorno KORVANE_PASSWORD, o en la entrada estándar con --password-stdin; nunca como argumento.</translation>
    </message>
    <message>
        <source>Say who the message goes to, with --to NAME or --to NUMBER.</source>
        <translation>Indique a quién va el mensaje, con --to NAME o --to NUMBER.</translation>
    </message>
    <message>
        <source>Give --to once: a message goes to one recipient.</source>
        <translation>Indique --to una sola vez: un mensaje va a un solo destinatario.</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Indique --country una sola vez.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>No existe el país «%1»: indique %2, o un código como de-DE.</translation>
    </message>
    <message>
        <source>Give the message as an argument, or - to read it from standard input.</source>
        <translation>Indique el mensaje como argumento, o - para leerlo de la entrada estándar.</translation>
    </message>
    <message>
        <source>Give the message as one argument, in quotes.</source>
        <translation>Indique el mensaje como un solo argumento, entre comillas.</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 is neither a name in the address book nor a valid phone number, which starts with 00 and the country code: 14 to 17 digits, or fewer where its country&apos;s numbers are shorter.</source>
        <translation>El mensaje no se ha enviado: %1 no es un nombre de la agenda ni un número de teléfono válido, que empieza por 00 y el código de país: de 14 a 17 dígitos, o menos si los números de su país son más cortos.</translation>
    </message>
    <message>
        <source>Your message was not sent. %1</source>
        <translation>El mensaje no se ha enviado. %1</translation>
    </message>
    <message>
        <source>This send is not in the history: %1</source>
        <translation>Este envío no está en el historial: %1</translation>
    </message>
    <message>
        <source>Your message was sent.</source>
        <translation>El mensaje se ha enviado.</translation>
    </message>
</context>
<context>
    <name>SendTracker</name>
    <message>
        <source>Sending to %1…</source>
        <extracomment>The status line while a message is on its way; %1 is the recipient.</extracomment>
        <translation>Enviando a %1…</translation>
    </message>
    <message>
        <source>Sent to %1 at %2</source>
        <translation>Enviado a %1 a las %2</translation>
    </message>
    <message>
        <source>Not sent to %1 at %2</source>
        <translation>No enviado a %1 a las %2</translation>
    </message>
    <message>
        <source>Not known whether sent to %1 at %2</source>
        <translation>No se sabe si se envió a %1 a las %2</translation>
    </message>
</context>
<context>
    <name>ServiceAddress</name>
    <message>
        <source>The service description gives no address for %1.</source>
        <translation>La descripción del servicio no da ninguna dirección para %1.</translation>
    </message>
</context>
<context>
    <name>ServiceInfo</name>
    <message>
        <source>Definitive terms and conditions are available at %1.</source>
        <translation>Los términos y condiciones definitivos están disponibles en %1.</translation>
    </message>
    <message>
        <source>Warning: Outgoing messages are free, users must be 16+ to use service. This is a non subscription service. Recipients may be charged according to the most recent rates published on %1</source>
        <translation>Aviso: enviar mensajes es gratis; solo para mayores de 16 años. Servicio sin suscripción. Al destinatario pueden cobrarle según las últimas tarifas publicadas en %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 cannot be used: it is %2, not a regular file.</source>
        <translation>No se puede usar el archivo de configuración %1: es %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is a file where a folder should be, so %2 cannot be written.</source>
        <translation>%1 es un archivo donde debería haber una carpeta, así que no se puede escribir %2.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>No hay permiso para escribir %1.</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder %1.</source>
        <translation>No hay permiso para escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>No se pudo escribir %1; puede que el disco esté lleno.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Why you are asked again</source>
        <translation>Por qué se le vuelve a preguntar</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember the user name and password</source>
        <translation>Recordar el nombre de usuario y la contraseña</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Recordar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in</source>
        <translation>El servicio de SMS en %1 le pide que se identifique</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in (%2)</source>
        <translation>El servicio de SMS en %1 le pide que se identifique (%2)</translation>
    </message>
</context>
<context>
    <name>SignInFlow</name>
    <message>
        <source>The user name or password in the service description was not accepted.</source>
        <translation>No se aceptó el nombre de usuario o la contraseña de la descripción del servicio.</translation>
    </message>
    <message>
        <source>The saved user name or password was not accepted.</source>
        <translation>No se aceptó el nombre de usuario o la contraseña guardados.</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>No se aceptó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password three times</source>
        <translation>el servicio de SMS en %1 rechazó tres veces el nombre de usuario y la contraseña</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password for %2 three times</source>
        <extracomment>%2 is the name the service gives the place it asks to sign in to (its realm).</extracomment>
        <translation>el servicio de SMS en %1 rechazó tres veces el nombre de usuario y la contraseña para %2</translation>
    </message>
    <message>
        <source>the SMS service asked you to sign in</source>
        <translation>el servicio de SMS le pidió que se identificara</translation>
    </message>
</context>
<context>
    <name>SignInPrompt</name>
    <message>
        <source>you chose not to send your password unencrypted to the SMS service at %1</source>
        <translation>ha elegido no enviar su contraseña sin cifrar al servicio de SMS en %1</translation>
    </message>
</context>
<context>
    <name>SmsLength</name>
    <message>
        <source>1 character left</source>
        <translation>Queda 1 carácter</translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>Queda %n carácter</numerusform>
            <numerusform>Quedan %n caracteres</numerusform>
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
        <translation>el servicio en %1 no aceptó el nombre de usuario y la contraseña</translation>
    </message>
    <message>
        <source>the service at %1 did not accept the user name and password (%2)</source>
        <translation>el servicio en %1 no aceptó el nombre de usuario y la contraseña (%2)</translation>
    </message>
</context>
<context>
    <name>SoapClient</name>
    <message>
        <source>Mapping files (WSML) are not supported.</source>
        <translation>No se admiten archivos de correspondencia (WSML).</translation>
    </message>
    <message>
        <source>The SOAP client has not been initialised.</source>
        <translation>El cliente SOAP no se ha inicializado.</translation>
    </message>
    <message>
        <source>the service&apos;s address in the description is no longer that of the service at %1, which asked you to sign in, so the password was not sent</source>
        <translation>la dirección del servicio en la descripción ya no es la del servicio en %1, que le pidió identificarse, así que no se envió la contraseña</translation>
    </message>
</context>
<context>
    <name>SoapReplyReader</name>
    <message>
        <source>the service description</source>
        <translation>la descripción del servicio</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>el archivo de descripción del servicio %1</translation>
    </message>
    <message>
        <source>the service answered with a redirect to %1 (%2), which usually means that it took the request and shows its result elsewhere</source>
        <translation>el servicio respondió con una redirección a %1 (%2), lo que suele significar que aceptó la solicitud y muestra su resultado en otro sitio</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>ninguna parte</translation>
    </message>
    <message>
        <source>the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its new address</source>
        <translation>el servicio respondió con una redirección (%1) sin decir adónde se ha trasladado; hay que actualizar %2 con su nueva dirección</translation>
    </message>
    <message>
        <source>the service answered that it moved to %1 (%2); %3 must be updated with its new address</source>
        <translation>el servicio respondió que se ha trasladado a %1 (%2); hay que actualizar %3 con su nueva dirección</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in</source>
        <translation>el servicio en %1 le pide que se identifique</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in (%2)</source>
        <translation>el servicio en %1 le pide que se identifique (%2)</translation>
    </message>
    <message>
        <source>the service refused the request without giving a reason</source>
        <translation>el servicio rechazó la solicitud sin dar ningún motivo</translation>
    </message>
    <message>
        <source>the service refused the request: %1</source>
        <translation>el servicio rechazó la solicitud: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) is a SOAP envelope without a body, though its description promises an answer</source>
        <translation>la respuesta del servicio (%1) es un sobre SOAP sin cuerpo, aunque su descripción promete una respuesta</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) has an empty SOAP body, though its description promises an answer</source>
        <translation>la respuesta del servicio (%1) tiene un cuerpo SOAP vacío, aunque su descripción promete una respuesta</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) does not hold the element &quot;%2&quot; that its description promises</source>
        <translation>la respuesta del servicio (%1) no contiene el elemento «%2» que promete su descripción</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) was empty, though its description promises a SOAP answer</source>
        <translation>la respuesta del servicio (%1) estaba vacía, aunque su descripción promete una respuesta SOAP</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be read: %1</source>
        <translation>no se pudo leer la respuesta del servicio: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not readable XML</source>
        <translation>la respuesta del servicio no es XML legible</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not a SOAP message</source>
        <translation>la respuesta del servicio no es un mensaje SOAP</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the request: it asks for a user name and password (%2)</source>
        <translation>el proxy en %1 rechazó la solicitud: pide un nombre de usuario y una contraseña (%2)</translation>
    </message>
    <message>
        <source>a gateway in front of the service</source>
        <translation>una pasarela situada delante del servicio</translation>
    </message>
    <message>
        <source>the proxy at %1 or a gateway behind it</source>
        <translation>el proxy en %1 o una pasarela situada detrás</translation>
    </message>
    <message>
        <source>%1 answered with %2, so the request may have reached the service</source>
        <translation>%1 respondió con %2, así que puede que la solicitud haya llegado al servicio</translation>
    </message>
    <message>
        <source>the service</source>
        <translation>el servicio</translation>
    </message>
    <message>
        <source>the service or the proxy at %1</source>
        <translation>el servicio o el proxy en %1</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 respondió con %2</translation>
    </message>
    <message>
        <source>%1 answered with %2 and no SOAP fault, which does not tell whether it took the request</source>
        <translation>%1 respondió con %2 y sin fallo SOAP, lo que no indica si aceptó la solicitud</translation>
    </message>
    <message>
        <source>the service answered with %1, which is not a final answer</source>
        <translation>el servicio respondió con %1, que no es una respuesta definitiva</translation>
    </message>
</context>
<context>
    <name>SoapRequestWriter</name>
    <message>
        <source>The operation &quot;%1&quot; takes %2 arguments, but %3 were given.</source>
        <translation>La operación «%1» recibe %2 argumentos, pero se dieron %3.</translation>
    </message>
    <message>
        <source>Argument %1 of &quot;%2&quot; holds a character that cannot be sent (U+%3 at position %4).</source>
        <translation>El argumento %1 de «%2» contiene un carácter que no se puede enviar (U+%3 en la posición %4).</translation>
    </message>
</context>
<context>
    <name>StoreChangeLock</name>
    <message>
        <source>The lock file %1 cannot be used: it is %2.</source>
        <translation>No se puede usar el archivo de bloqueo %1: es %2.</translation>
    </message>
</context>
<context>
    <name>TextInput</name>
    <message>
        <source>The file begins like UTF-16 text but is not.</source>
        <translation>El archivo empieza como texto UTF-16, pero no lo es.</translation>
    </message>
    <message>
        <source>The file is not a text file: line %1 holds a NUL byte.</source>
        <translation>El archivo no es un archivo de texto: la línea %1 contiene un byte NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: line %1 holds bytes that are not UTF-8. Save it as UTF-8 and import it again.</source>
        <translation>El archivo no es texto UTF-8: la línea %1 contiene bytes que no son UTF-8. Guárdelo como UTF-8 y vuelva a importarlo.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>The name has %1 characters; a recipient&apos;s name has %2 at most.</source>
        <translation>El nombre tiene %1 caracteres; el nombre de un destinatario tiene como máximo %2.</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please use a valid country code prefix</source>
        <translation>%1 no es un número de teléfono válido; use un prefijo de país válido</translation>
    </message>
</context>
<context>
    <name>VCard</name>
    <message>
        <source>the file ends before its END:VCARD</source>
        <translation>el archivo termina antes de su END:VCARD</translation>
    </message>
    <message>
        <source>The file holds no vCard: none of its lines says BEGIN:VCARD.</source>
        <translation>El archivo no contiene ninguna vCard: ninguna de sus líneas dice BEGIN:VCARD.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la línea %1 tiene más de %2 bytes</translation>
    </message>
    <message>
        <source>line %1 cannot be read: %2</source>
        <translation>no se puede leer la línea %1: %2</translation>
    </message>
    <message>
        <source>it has no END:VCARD before the card on line %1</source>
        <translation>no tiene END:VCARD antes de la tarjeta de la línea %1</translation>
    </message>
    <message>
        <source>its base64 text is damaged</source>
        <translation>su texto base64 está dañado</translation>
    </message>
    <message>
        <source>it holds a NUL character</source>
        <translation>contiene un carácter NUL</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>its character set %1 is not known</source>
        <translation>su juego de caracteres %1 es desconocido</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>no es texto %1 válido</translation>
    </message>
</context>
<context>
    <name>WidgetSignInPrompt</name>
    <message>
        <source>The SMS service at %1 asks for your user name and password without encryption (http://). They would travel unencrypted, and anyone on the network between you and the service could read them.

Send them anyway?</source>
        <translation>El servicio de SMS en %1 pide su nombre de usuario y su contraseña sin cifrado (http://). Viajarían sin cifrar, y cualquiera en la red entre usted y el servicio podría leerlos.

¿Enviarlos de todos modos?</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>KORVANE is already running.</source>
        <translation>KORVANE ya se está ejecutando.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Remove it and start KORVANE again.</source>
        <translation>KORVANE no puede iniciarse. %1 Elimínelo y vuelva a iniciar KORVANE.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Move it out of the way and start KORVANE again.</source>
        <translation>KORVANE no puede iniciarse. %1 Muévalo a otro sitio y vuelva a iniciar KORVANE.</translation>
    </message>
</context>
<context>
    <name>WindowSignIn</name>
    <message>
        <source>KORVANE cannot tell which SMS service to forget the password of. %1</source>
        <translation>KORVANE no sabe de qué servicio de SMS debe olvidar la contraseña. %1</translation>
    </message>
    <message>
        <source>KORVANE no longer keeps a password for the SMS service at %1. It asks for one the next time the service asks you to sign in.</source>
        <translation>KORVANE ya no guarda ninguna contraseña para el servicio de SMS en %1. Le pedirá una la próxima vez que el servicio le pida identificarse.</translation>
    </message>
</context>
<context>
    <name>WsdlReader</name>
    <message>
        <source>%1 does not define the input message of the operation %2.</source>
        <translation>%1 no define el mensaje de entrada de la operación %2.</translation>
    </message>
    <message>
        <source>The port %1 of %2 gives no SOAP address.</source>
        <translation>El puerto %1 de %2 no da ninguna dirección SOAP.</translation>
    </message>
    <message>
        <source>The SOAP address %1 of the port %2 in %3 is not an http or https address.</source>
        <translation>La dirección SOAP %1 del puerto %2 en %3 no es una dirección http ni https.</translation>
    </message>
    <message>
        <source>The binding %1 of %2 refers to the port type %3, which it does not define.</source>
        <translation>El enlace (binding) %1 de %2 remite al tipo de puerto %3, que no está definido.</translation>
    </message>
    <message>
        <source>%1 refers to the element %2, which its schema does not declare.</source>
        <translation>%1 remite al elemento %2, que su esquema no declara.</translation>
    </message>
    <message>
        <source>the service description</source>
        <translation>la descripción del servicio</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>el archivo de descripción del servicio %1</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file that can be read.</source>
        <translation>%1 es %2, no un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>%1 is too large to be a service description (over %2 MiB).</source>
        <translation>%1 es demasiado grande para ser una descripción de servicio (más de %2 MiB).</translation>
    </message>
    <message>
        <source>%1 is too large (over %2 MiB).</source>
        <translation>%1 es demasiado grande (más de %2 MiB).</translation>
    </message>
    <message>
        <source>%1 is not usable XML: %2.</source>
        <translation>%1 no es XML utilizable: %2.</translation>
    </message>
    <message>
        <source>%1 is not a WSDL 1.1 description (its root element is &quot;%2&quot;).</source>
        <translation>%1 no es una descripción WSDL 1.1 (su elemento raíz es «%2»).</translation>
    </message>
    <message>
        <source>No service description has been read.</source>
        <translation>No se ha leído ninguna descripción de servicio.</translation>
    </message>
    <message>
        <source>The port %1 of %2 refers to the binding %3, which it does not define.</source>
        <translation>El puerto %1 de %2 remite al enlace (binding) %3, que no está definido.</translation>
    </message>
    <message>
        <source>%1 has no service named %2.</source>
        <translation>%1 no tiene ningún servicio llamado %2.</translation>
    </message>
    <message>
        <source>%1 has no port named %2.</source>
        <translation>%1 no tiene ningún puerto llamado %2.</translation>
    </message>
    <message>
        <source>The service %1 of %2 has no port named %3.</source>
        <translation>El servicio %1 de %2 no tiene ningún puerto llamado %3.</translation>
    </message>
    <message>
        <source>%1 offers no SOAP 1.1 or SOAP 1.2 port.</source>
        <translation>%1 no ofrece ningún puerto SOAP 1.1 ni SOAP 1.2.</translation>
    </message>
    <message>
        <source>The port %1 of %2 is not a SOAP port.</source>
        <translation>El puerto %1 de %2 no es un puerto SOAP.</translation>
    </message>
    <message>
        <source>%1 offers no operation %2.</source>
        <translation>%1 no ofrece la operación %2.</translation>
    </message>
</context>
<context>
    <name>XmlElement</name>
    <message>
        <source>one of its elements has more than %1 attributes</source>
        <translation>uno de sus elementos tiene más de %1 atributos</translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not accepted</source>
        <translation>contiene una declaración de tipo de documento, que no se acepta</translation>
    </message>
    <message>
        <source>it refers to the undeclared entity &quot;%1&quot; at line %2</source>
        <translation>remite a la entidad no declarada «%1» en la línea %2</translation>
    </message>
    <message>
        <source>its elements nest more than %1 levels deep</source>
        <translation>sus elementos se anidan a más de %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation>%1 en la línea %2, columna %3</translation>
    </message>
    <message>
        <source>it is empty or holds no element</source>
        <translation>no tiene contenido o no contiene ningún elemento</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KORVANE</source>
        <translation>Acerca de KORVANE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmFinishing</name>
    <message>
        <source>Finishing the send…</source>
        <translation>Terminando el envío…</translation>
    </message>
    <message>
        <source>If you close KORVANE now, it will not be known whether your message was sent.</source>
        <translation>Si cierra KORVANE ahora, no se sabrá si el mensaje se ha enviado.</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Cerrar ya</translation>
    </message>
    <message>
        <source>KORVANE closes as soon as the service has answered, within 1 second.</source>
        <translation>KORVANE se cerrará en cuanto el servicio responda, en 1 segundo como máximo.</translation>
    </message>
    <message numerus="yes">
        <source>KORVANE closes as soon as the service has answered, within %n seconds.</source>
        <translation>
            <numerusform>KORVANE se cerrará en cuanto el servicio responda, en %n segundo como máximo.</numerusform>
            <numerusform>KORVANE se cerrará en cuanto el servicio responda, en %n segundos como máximo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>KORVANE History</source>
        <translation>Historial de KORVANE</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Name, number or text</source>
        <translation>Nombre, número o texto</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Service:</source>
        <translation>Servicio:</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Reenviar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Vaciar historial</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A name and, in brackets, its phone number.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 after %2 s</source>
        <extracomment>An outcome and how long the send took: &quot;Sent after 1.3 s&quot;.</extracomment>
        <translation>%1 tras %2 s</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>An outcome followed by the sentence that says why.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The history cannot be shown. %1</source>
        <translation>No se puede mostrar el historial. %1</translation>
    </message>
    <message>
        <source>The history could not be read. %1</source>
        <translation>No se pudo leer el historial. %1</translation>
    </message>
    <message>
        <source>Do you want to delete the selected message from the history?</source>
        <translation>¿Quiere eliminar del historial el mensaje seleccionado?</translation>
    </message>
    <message>
        <source>The message still being sent stays until its outcome is known.</source>
        <translation>El mensaje que aún se está enviando permanece hasta que se sepa su resultado.</translation>
    </message>
    <message>
        <source>The messages could not be deleted. %1</source>
        <translation>No se pudieron eliminar los mensajes. %1</translation>
    </message>
    <message>
        <source>A message is being sent. The history can be cleared once its outcome is known.</source>
        <translation>Se está enviando un mensaje. El historial se podrá vaciar cuando se sepa su resultado.</translation>
    </message>
    <message>
        <source>Do you want to delete every message in the history? This cannot be undone.</source>
        <translation>¿Quiere eliminar todos los mensajes del historial? No se puede deshacer.</translation>
    </message>
    <message>
        <source>The history could not be cleared. %1</source>
        <translation>No se pudo vaciar el historial. %1</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be exported. %1</source>
        <translation>No se pudo exportar el historial. %1</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete the %n selected messages from the history?</source>
        <translation>
            <numerusform>¿Quiere eliminar del historial %n mensaje seleccionado?</numerusform>
            <numerusform>¿Quiere eliminar del historial los %n mensajes seleccionados?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n messages still being sent stay until their outcomes are known.</source>
        <translation>
            <numerusform>%n mensaje que aún se está enviando permanece hasta que se sepa su resultado.</numerusform>
            <numerusform>Los %n mensajes que aún se están enviando permanecen hasta que se sepan sus resultados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSMS</name>
    <message>
        <source>Address Book</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>Para: </translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>&lt;Select from Address Book&gt;</source>
        <translation>&lt;Elegir de la agenda&gt;</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>&lt;Change&gt;</source>
        <translation>&lt;Cambiar&gt;</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Use your real name, not a &apos;screen name&apos; otherwise the recipient may not recognise who the message is from. Please use a country-code prefix on your number (0044 for UK)</source>
        <translation>Use su nombre real, no un alias, o el destinatario quizá no sepa de quién es el mensaje. Ponga el prefijo de país en su número (0044 para Reino Unido)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Forget the saved password</source>
        <translation>Olvidar la contraseña guardada</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Your name should be between 3 and 11 charachters long</source>
        <translation>Su nombre debe tener entre 3 y 11 caracteres</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please include a country-code prefix</source>
        <translation>%1 no es un número de teléfono válido; incluya el prefijo de país</translation>
    </message>
    <message>
        <source>Your details could not be saved. %1</source>
        <translation>No se pudieron guardar sus datos. %1</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>No se pudo guardar la agenda. %1</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation>¿Quiere quitar a %1 de la agenda?</translation>
    </message>
    <message>
        <source>KORVANE cannot keep a history of your messages. %1 Your messages are still sent.</source>
        <translation>KORVANE no puede guardar un historial de sus mensajes. %1 Los mensajes se siguen enviando.</translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation>
            <numerusform>La agenda está llena: contiene %n destinatario, el máximo que admite.</numerusform>
            <numerusform>La agenda está llena: contiene %n destinatarios, el máximo que admite.</numerusform>
        </translation>
    </message>
</context>
</TS>
