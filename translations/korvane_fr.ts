<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Usage&#xa0;: korvane [COMMAND [ARGUMENTS]]

Sans commande, korvane ouvre sa fenêtre.

Commandes&#xa0;:
  send --to NAME|NUMBER [--country COUNTRY] [--user NAME [--password-stdin]]
       [--allow-unencrypted] MESSAGE|-
                        Envoie un message à un nom du carnet d&apos;adresses ou à
                        un numéro&#xa0;; - lit le message sur l&apos;entrée standard.
  contacts list [--json]
                        Affiche le carnet d&apos;adresses.
  contacts add NAME NUMBER
                        Ajoute un destinataire.
  contacts remove NAME  Retire un destinataire du carnet d&apos;adresses.
  contacts import FILE [--country COUNTRY]
                        Ajoute les contacts d&apos;un fichier vCard ou CSV.
  contacts export FILE  Écrit le carnet d&apos;adresses dans un fichier .vcf ou
                        .csv.
  history [--json] [--limit N]
                        Affiche les messages envoyés, du plus récent au plus
                        ancien.
  help [COMMAND]        Affiche cette aide, ou celle d&apos;une commande.

Options&#xa0;:
  -h, --help            Affiche cette aide.
  -v, --version         Affiche la version.

Code de sortie&#xa0;: 0 réussi (send&#xa0;: envoyé), 1 échec (send&#xa0;: non envoyé),
2 (send seulement) on ne sait pas si le message a été envoyé, 64 la ligne de
commande est incorrecte. La page de manuel korvane(1) en dit plus.
</translation>
    </message>
    <message>
        <source>There is no command &apos;%1&apos;.</source>
        <translation>Il n&apos;y a pas de commande «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une commande.</translation>
    </message>
    <message>
        <source>Countries:</source>
        <extracomment>Starts the list of country names at the end of a command&apos;s help.</extracomment>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>The value of --%1 is not UTF-8 text.</source>
        <translation>La valeur de --%1 n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>%1: %2 See &apos;%3&apos;.</source>
        <extracomment>%1 the command as typed (&quot;korvane send&quot;), %2 what is wrong with it (a whole sentence), %3 the command that shows its help (&quot;korvane send --help&quot;).</extracomment>
        <translation>%1&#xa0;: %2 Voir «&#xa0;%3&#xa0;».</translation>
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
        <translation>Usage&#xa0;: korvane send --to NAME|NUMBER [--country COUNTRY]
                     [--user NAME [--password-stdin]] [--allow-unencrypted]
                     MESSAGE|-

Envoie un message par le service SMS de SendSMS.wsdl, avec le nom et le numéro
enregistrés dans le panneau «&#xa0;Vos coordonnées&#xa0;» de la fenêtre, et l&apos;inscrit
dans l&apos;historique.

  --to NAME|NUMBER   Un nom du carnet d&apos;adresses (sans tenir compte de la
                     casse) ou un numéro qui commence par 00 et l&apos;indicatif
                     du pays, tel que 00447700900123&#xa0;: 14 à 17 chiffres, ou
                     moins si le plan de numérotation de son pays prévoit un
                     tel numéro.
  --country COUNTRY  Le pays envoyé avec le message&#xa0;: l&apos;un des pays
                     ci-dessous (UK par défaut), ou son code, tel que de-DE.
  MESSAGE            Le message, 159 caractères au plus&#xa0;; un message plus
                     long est refusé, jamais tronqué. Mettez -- devant un
                     message qui commence par un tiret.
  -                  Lit le message sur l&apos;entrée standard, en UTF-8&#xa0;; une
                     fin de ligne tout à la fin est ignorée.
  --user NAME        S&apos;identifie en tant que NAME si le service le demande,
                     avec le mot de passe de la variable d&apos;environnement
                     KORVANE_PASSWORD.
  --password-stdin   Lit plutôt le mot de passe de --user sur la première
                     ligne de l&apos;entrée standard&#xa0;; le message est alors un
                     argument.
  --allow-unencrypted
                     Envoie le mot de passe même s&apos;il circulerait en clair
                     (identification Basic en http:// vers un autre
                     ordinateur).
  -h, --help         Affiche cette aide.

Un service qui demande une identification reçoit le nom d&apos;utilisateur et le
mot de passe de --user, ou à défaut ceux que la fenêtre a enregistrés dans le
trousseau du bureau. Un mot de passe n&apos;est jamais pris en argument, et rien
n&apos;est demandé&#xa0;: sans identifiants, ou s&apos;ils sont refusés, le message n&apos;est
pas envoyé.

Le résultat tient en une ligne sur la sortie d&apos;erreur. Code de sortie&#xa0;:
0 envoyé, 1 non envoyé, 2 on ne sait pas s&apos;il a été envoyé (vérifiez auprès
du destinataire avant de le renvoyer), 64 la ligne de commande est incorrecte.

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
        <translation>Usage&#xa0;: korvane contacts list [--json]
        korvane contacts add NAME NUMBER
        korvane contacts remove NAME
        korvane contacts import FILE [--country COUNTRY]
        korvane contacts export FILE

  list      Affiche le carnet d&apos;adresses en colonnes, ou avec --json sous
            forme de tableau JSON d&apos;objets {&quot;name&quot;, &quot;number&quot;}, dans l&apos;ordre
            du carnet.
  add       Ajoute un destinataire, comme le bouton «&#xa0;Ajouter&#xa0;» de la
            fenêtre&#xa0;: le numéro doit commencer par 00 et l&apos;indicatif du pays
            et avoir 14 à 17 chiffres, ou moins si le plan de numérotation
            de son pays prévoit un tel numéro&#xa0;; le nom a 255 caractères au
            plus, les sauts de ligne et tabulations deviennent des espaces,
            et un nom déjà dans le carnet (sans tenir compte de la casse)
            est refusé.
  remove    Retire le destinataire de ce nom (sans tenir compte de la
            casse).
  import    Ajoute les contacts d&apos;un fichier vCard (.vcf) ou CSV, selon les
            règles de add&#xa0;; les numéros écrits sans indicatif de pays sont
            lus comme des numéros de --country (l&apos;un des pays ci-dessous, UK
            par défaut, ou un code tel que de-DE). Indique combien ont été
            importés, lesquels ont été ignorés, et pourquoi.
  export    Écrit le carnet d&apos;adresses dans FILE&#xa0;: vCard 4.0 s&apos;il se termine
            par .vcf ou .vcard, CSV s&apos;il se termine par .csv.
  -h, --help  Affiche cette aide.

add, remove et import refusent d&apos;agir tant que la fenêtre de KORVANE est
ouverte, car elle enregistrerait sinon sa propre copie du carnet par-dessus
la modification.
Code de sortie&#xa0;: 0 réussi, 1 échec, 64 la ligne de commande est incorrecte.

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
        <translation>Usage&#xa0;: korvane history [--json] [--limit N]

Affiche les messages envoyés, depuis la fenêtre et par korvane send, du plus
récent au plus ancien&#xa0;: quand, comment cela s&apos;est terminé (Envoyé, Non envoyé,
Inconnu, Envoi en cours), à qui et quoi.

  --json      Un tableau JSON d&apos;objets avec les champs id, time (UTC, ISO
              8601), sender_name, sender_number, recipient_name,
              recipient_number, message, culture, endpoint, state (&quot;sent&quot;,
              &quot;not sent&quot;, &quot;not known&quot; ou &quot;sending&quot;), reason et duration_ms.
  --limit N   Les N messages les plus récents seulement.
  -h, --help  Affiche cette aide.

Code de sortie&#xa0;: 0 réussi, 1 échec, 64 la ligne de commande est incorrecte.
</translation>
    </message>
    <message>
        <source>The output could not be written: %1.</source>
        <translation>La sortie n&apos;a pas pu être écrite&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLinePrompt</name>
    <message>
        <source>give your user name with --user NAME and your password in the environment variable KORVANE_PASSWORD or, with --password-stdin, on standard input</source>
        <translation>indiquez votre nom d&apos;utilisateur avec --user NAME et votre mot de passe dans la variable d&apos;environnement KORVANE_PASSWORD ou, avec --password-stdin, sur l&apos;entrée standard</translation>
    </message>
    <message>
        <source>the SMS service at %1</source>
        <translation>le service SMS de %1</translation>
    </message>
    <message>
        <source>%1 asks you to sign in: %2</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 how to give a user name and password.</extracomment>
        <translation>%1 demande une identification&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 asks you to sign in (%2): %3</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 the name it gives itself, %3 how to give a user name and password.</extracomment>
        <translation>%1 demande une identification (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 did not accept the user name and password given with --user</source>
        <translation>%1 n&apos;a pas accepté le nom d&apos;utilisateur et le mot de passe donnés avec --user</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 asks for your password without encryption (http://), and it would travel unencrypted; give --allow-unencrypted to send it all the same</source>
        <translation>%1 demande votre mot de passe sans chiffrement (http://), et il circulerait en clair&#xa0;; ajoutez --allow-unencrypted pour l&apos;envoyer malgré tout</translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>%1 Remove it and try again.</source>
        <translation>%1 Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>Give %1.</source>
        <translation>Indiquez %1.</translation>
    </message>
    <message>
        <source>no arguments but --json</source>
        <translation>au plus --json, sans autre argument</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>the name and the number, such as: korvane contacts add Ann 00447700900123</source>
        <translation>le nom et le numéro, par exemple&#xa0;: korvane contacts add Ann 00447700900123</translation>
    </message>
    <message>
        <source>The name is empty: give the recipient a name.</source>
        <translation>Le nom est vide&#xa0;: donnez un nom au destinataire.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or add the contact there</source>
        <translation>La fenêtre de KORVANE est ouverte&#xa0;; fermez-la ou ajoutez-y le contact</translation>
    </message>
    <message>
        <source>The address book is full: it holds %1 recipients, the most it can keep.</source>
        <translation>Le carnet d&apos;adresses est plein&#xa0;: il contient %1 destinataires, le maximum possible.</translation>
    </message>
    <message>
        <source>%1 is already in the address book.</source>
        <translation>%1 est déjà dans le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>%1 is already in the address book, as %2.</source>
        <translation>%1 est déjà dans le carnet d&apos;adresses, sous le nom %2.</translation>
    </message>
    <message>
        <source>the name of the recipient to remove</source>
        <translation>le nom du destinataire à retirer</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or remove the contact there</source>
        <translation>La fenêtre de KORVANE est ouverte&#xa0;; fermez-la ou retirez-y le contact</translation>
    </message>
    <message>
        <source>%1 is not in the address book.</source>
        <translation>%1 n&apos;est pas dans le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>the vCard or CSV file to import</source>
        <translation>le fichier vCard ou CSV à importer</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Indiquez --country une seule fois.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>Il n&apos;y a pas de pays «&#xa0;%1&#xa0;»&#xa0;: indiquez %2, ou un code tel que de-DE.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or import the contacts there</source>
        <translation>La fenêtre de KORVANE est ouverte&#xa0;; fermez-la ou importez-y les contacts</translation>
    </message>
    <message>
        <source>the file to write, ending in .vcf or .csv</source>
        <translation>le fichier à écrire, se terminant par .vcf ou .csv</translation>
    </message>
    <message>
        <source>Say what to do: list, add, remove, import or export.</source>
        <translation>Indiquez quoi faire&#xa0;: list, add, remove, import ou export.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contacts command: give list, add, remove, import or export.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une commande de contacts&#xa0;: indiquez list, add, remove, import ou export.</translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 n&apos;a pas pu être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a contacts file.</source>
        <translation>%1 est un dossier, pas un fichier de contacts.</translation>
    </message>
    <message>
        <source>%1 is not a file but a device, a pipe or a socket, so it is not read.</source>
        <translation>%1 n&apos;est pas un fichier mais un périphérique, un tube ou un socket&#xa0;; il n&apos;est donc pas lu.</translation>
    </message>
    <message>
        <source>%1 is too large for a contacts file (%2 MB; KORVANE reads files of up to %3 MB).</source>
        <translation>%1 est trop volumineux pour un fichier de contacts (%2 Mo&#xa0;; KORVANE lit les fichiers jusqu&apos;à %3 Mo).</translation>
    </message>
    <message>
        <source>%1 was not written: name the file .vcf for vCard or .csv for CSV.</source>
        <translation>%1 n&apos;a pas été écrit&#xa0;: nommez le fichier .vcf pour vCard ou .csv pour CSV.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ContactsImport</name>
    <message>
        <source>Card %1 (line %2)</source>
        <extracomment>Where a skipped contact is in the file: %1 which vCard, counted from 1, %2 the line it starts on.</extracomment>
        <translation>Carte %1 (ligne %2)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a contact was skipped, after its place and name (&quot;Line 4: Ann: ...&quot;): small letter, no full stop. %1 the details.</extracomment>
        <translation>n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>has too long a name: %1</source>
        <translation>a un nom trop long&#xa0;: %1</translation>
    </message>
    <message>
        <source>is already in the address book</source>
        <translation>est déjà dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>was imported from earlier in the file</source>
        <translation>a déjà été importé plus haut dans le fichier</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>n&apos;a pas de numéro de téléphone</translation>
    </message>
    <message>
        <source>has no valid phone number: %1</source>
        <translation>n&apos;a pas de numéro de téléphone valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>did not fit: the address book is full</source>
        <translation>n&apos;a pas pu être ajouté&#xa0;: le carnet d&apos;adresses est plein</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <extracomment>One part of &quot;N contacts were skipped: ...&quot;: %1 how many contacts.</extracomment>
        <translation>%1 illisible(s)</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 sans nom</translation>
    </message>
    <message>
        <source>%1 with too long a name</source>
        <translation>%1 avec un nom trop long</translation>
    </message>
    <message>
        <source>%1 already in the address book</source>
        <translation>%1 déjà dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>%1 named twice in the file</source>
        <translation>%1 en double dans le fichier</translation>
    </message>
    <message>
        <source>%1 without a phone number</source>
        <translation>%1 sans numéro de téléphone</translation>
    </message>
    <message>
        <source>%1 without a valid phone number</source>
        <translation>%1 sans numéro de téléphone valide</translation>
    </message>
    <message>
        <source>%1 left out because the address book is full (it keeps %2 at most)</source>
        <extracomment>%1 how many contacts were left out, %2 how many the address book keeps.</extracomment>
        <translation>%1 en trop car le carnet d&apos;adresses est plein (il en contient %2 au plus)</translation>
    </message>
    <message>
        <source>%1 is not a country that KORVANE knows.</source>
        <translation>%1 n&apos;est pas un pays que KORVANE connaît.</translation>
    </message>
    <message>
        <source>The file holds no contacts.</source>
        <translation>Le fichier ne contient aucun contact.</translation>
    </message>
    <message>
        <source>Imported 1 recipient.</source>
        <translation>1 destinataire importé.</translation>
    </message>
    <message>
        <source>Imported %1 recipients.</source>
        <translation>%1 destinataires importés.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last of the reasons contacts were skipped to those before it, which are joined by &quot;, &quot;: %1 those before, %2 the last.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source> 1 contact was skipped: %1.</source>
        <extracomment>Follows &quot;Imported N recipients.&quot; in the same paragraph: keep the space at the start.</extracomment>
        <translation> 1 contact a été ignoré&#xa0;: %1.</translation>
    </message>
    <message>
        <source> %1 contacts were skipped: %2.</source>
        <translation> %1 contacts ont été ignorés&#xa0;: %2.</translation>
    </message>
    <message>
        <source> The file holds more than %1 contacts; the rest were not read.</source>
        <translation> Le fichier contient plus de %1 contacts&#xa0;; les autres n&apos;ont pas été lus.</translation>
    </message>
</context>
<context>
    <name>ContactsTransfer</name>
    <message>
        <source>a contact</source>
        <translation>un contact</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>Where a contact was in the file, who it is, and why it was left out: &quot;line 4: Ann has no phone number&quot;.</extracomment>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Contacts files (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Fichiers de contacts (*.vcf *.vcard *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: the address book could not be saved. %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: le carnet d&apos;adresses n&apos;a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>Export Address Book</source>
        <translation>Exporter le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;CSV files (*.csv)</source>
        <translation>Fichiers vCard (*.vcf);;Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The address book can be exported as a vCard file (.vcf) or a CSV file (.csv). Please choose a file name that ends in one of these.</source>
        <translation>Le carnet d&apos;adresses peut être exporté en fichier vCard (.vcf) ou en fichier CSV (.csv). Veuillez choisir un nom de fichier qui se termine par l&apos;une de ces extensions.</translation>
    </message>
    <message>
        <source>The address book could not be exported. %1</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être exporté. %1</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
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
        <translation>Pays&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CredentialStore</name>
    <message>
        <source>it did not answer as expected</source>
        <translation>il n&apos;a pas répondu comme prévu</translation>
    </message>
    <message>
        <source>The desktop&apos;s secret store (keyring) cannot be used: %1. KORVANE keeps the passwords you give it only until it ends.</source>
        <translation>Le stockage des secrets du bureau (trousseau) ne peut pas être utilisé&#xa0;: %1. KORVANE conserve les mots de passe que vous lui donnez seulement jusqu&apos;à sa fermeture.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The first line of the file does not name the columns of a contacts file that KORVANE reads: a column of names and one of phone numbers, as in &quot;Name,Number&quot; or the contacts that Google Contacts, Outlook and Thunderbird export.</source>
        <translation>La première ligne du fichier ne nomme pas les colonnes d&apos;un fichier de contacts que KORVANE sait lire&#xa0;: une colonne de noms et une de numéros de téléphone, comme dans «&#xa0;Name,Number&#xa0;» ou dans les contacts qu&apos;exportent Google Contacts, Outlook et Thunderbird.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>a quoted field begins on it and is never closed, so the rest of the file could not be read</source>
        <translation>un champ entre guillemets y commence et n&apos;est jamais fermé&#xa0;; le reste du fichier n&apos;a donc pas pu être lu</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>its field in the column &quot;%1&quot; is longer than %2 bytes</source>
        <translation>son champ dans la colonne «&#xa0;%1&#xa0;» dépasse %2 octets</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>Completes &quot;it is %1&quot;: what is found where a file should be.</extracomment>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>autre chose qu&apos;un fichier</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>It takes no arguments but --json and --limit N.</source>
        <translation>Elle n&apos;accepte aucun argument à part --json et --limit N.</translation>
    </message>
    <message>
        <source>Give --limit once, with a whole number of messages, such as --limit 10.</source>
        <translation>Indiquez --limit une seule fois, avec un nombre entier de messages, par exemple --limit 10.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>What the history&apos;s file is instead of a file, as %2 of &quot;The history file %1 is %2, not a regular file&quot;.</extracomment>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>autre chose qu&apos;un fichier</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The history file %1 could not be created: %2</source>
        <translation>Le fichier d&apos;historique %1 n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Other users of this computer can read your history %1, and it could not be made private: %2.</source>
        <translation>D&apos;autres utilisateurs de cet ordinateur peuvent lire votre historique %1, et il n&apos;a pas pu être rendu privé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Other users of this computer could read your history %1. It is now readable by you alone.</source>
        <translation>D&apos;autres utilisateurs de cet ordinateur pouvaient lire votre historique %1. Désormais, vous seul pouvez le lire.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture (%2)</translation>
    </message>
    <message>
        <source>the program ended during the send</source>
        <extracomment>Why a send is &quot;Not known&quot; when the program ended during it: small letter, no full stop.</extracomment>
        <translation>le programme s&apos;est arrêté pendant l&apos;envoi</translation>
    </message>
    <message>
        <source>another program is keeping it busy</source>
        <extracomment>Why the history could not be used, after &quot;...: &quot;. &quot;it&quot; is the history.</extracomment>
        <translation>un autre programme l&apos;occupe</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire est insuffisante</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>it could not be read or written on the disk</source>
        <translation>il n&apos;a pas pu être lu ou écrit sur le disque</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 what could not be done with the history, %2 why: &quot;The history ... could not be used: the disk is full&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The history %1 could not be used</source>
        <translation>L&apos;historique %1 n&apos;a pas pu être utilisé</translation>
    </message>
    <message>
        <source>%1 is not a KORVANE history</source>
        <translation>%1 n&apos;est pas un historique KORVANE</translation>
    </message>
    <message>
        <source>The history cannot be kept: Qt&apos;s SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>L&apos;historique ne peut pas être conservé&#xa0;: le pilote SQLite de Qt (QSQLITE, paquet Debian libqt6sql6-sqlite) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The history file %1 is %2, not a regular file; it was left as it is.</source>
        <translation>Le fichier d&apos;historique %1 est %2, et non un fichier ordinaire&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2</source>
        <translation>Le fichier d&apos;historique %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is.</source>
        <translation>Le fichier %1 n&apos;est pas un historique KORVANE (ce n&apos;est pas une base de données SQLite)&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The history %1 cannot be opened</source>
        <translation>L&apos;historique %1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is a database of something else); it was left as it is.</source>
        <translation>Le fichier %1 n&apos;est pas un historique KORVANE (c&apos;est une base de données d&apos;autre chose)&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of KORVANE (history version %2; this version reads up to %3). It was left as it is.</source>
        <translation>L&apos;historique %1 a été écrit par une version plus récente de KORVANE (version d&apos;historique %2&#xa0;; celle-ci lit jusqu&apos;à la version %3). Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The history %1 %2, so it is not used. It was left as it is.</source>
        <extracomment>%1 the history&apos;s file name, %2 what is wrong with it, such as &quot;holds a table &quot;x&quot; that KORVANE did not create&quot;.</extracomment>
        <translation>L&apos;historique %1 %2&#xa0;; il n&apos;est donc pas utilisé. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The history %1 cannot be prepared</source>
        <translation>L&apos;historique %1 ne peut pas être préparé</translation>
    </message>
    <message>
        <source>The history %1 could not be read</source>
        <translation>L&apos;historique %1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The history %1 could not be searched</source>
        <translation>La recherche dans l&apos;historique %1 a échoué</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Follows &quot;The history FILE&quot; in &quot;The history FILE %1, so it is not used&quot;. In the others %1 is the kind of database object as SQLite names it (table, index, trigger, view: not translated), %2 its name.</extracomment>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that KORVANE did not create</source>
        <translation>contient un objet %1 «&#xa0;%2&#xa0;» que KORVANE n&apos;a pas créé</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that another program changed</source>
        <translation>contient un objet %1 «&#xa0;%2&#xa0;» qu&apos;un autre programme a modifié</translation>
    </message>
    <message>
        <source>lacks the %1 &quot;%2&quot; that KORVANE created</source>
        <translation>n&apos;a plus l&apos;objet %1 «&#xa0;%2&#xa0;» que KORVANE avait créé</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be used: %2</source>
        <translation>Le fichier de verrou %1 de l&apos;historique ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>The column of whom a message went to.</extracomment>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>HistoryRecord</name>
    <message>
        <source>Sending</source>
        <extracomment>How a send ended, in the History window&apos;s &quot;Outcome&quot; column and the table of &quot;korvane history&quot;.</extracomment>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The send could not be recorded in %1</source>
        <translation>L&apos;envoi n&apos;a pas pu être enregistré dans %1</translation>
    </message>
    <message>
        <source>A send cannot finish in the state &quot;sending&quot;.</source>
        <translation>Un envoi ne peut pas se terminer dans l&apos;état «&#xa0;envoi en cours&#xa0;».</translation>
    </message>
    <message>
        <source>The outcome of send %1 could not be recorded: it is no longer being sent.</source>
        <translation>Le résultat de l&apos;envoi %1 n&apos;a pas pu être enregistré&#xa0;: il n&apos;est plus en cours d&apos;envoi.</translation>
    </message>
    <message>
        <source>The messages could not be deleted from %1</source>
        <translation>Les messages n&apos;ont pas pu être supprimés de %1</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared</source>
        <translation>L&apos;historique %1 n&apos;a pas pu être effacé</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HttpPost</name>
    <message>
        <source>the service at %1</source>
        <translation>le service de %1</translation>
    </message>
    <message>
        <source>the service at %1 (through the proxy at %2)</source>
        <translation>le service de %1 (par le proxy %2)</translation>
    </message>
    <message>
        <source>the call was cancelled before the request was sent</source>
        <translation>l&apos;appel a été annulé avant l&apos;envoi de la requête</translation>
    </message>
    <message>
        <source>the proxy at %1 refused to open a connection to the service at %2 (%3)</source>
        <translation>le proxy %1 a refusé d&apos;ouvrir une connexion vers le service de %2 (%3)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: its certificate could not be verified (%2)</source>
        <translation>une connexion sécurisée avec %1 n&apos;a pas pu être établie&#xa0;: son certificat n&apos;a pas pu être vérifié (%2)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: %2</source>
        <translation>une connexion sécurisée avec %1 n&apos;a pas pu être établie&#xa0;: %2</translation>
    </message>
    <message>
        <source>the proxy&apos;s computer %1 could not be found; check the network connection</source>
        <translation>l&apos;ordinateur du proxy, %1, est introuvable&#xa0;; vérifiez la connexion réseau</translation>
    </message>
    <message>
        <source>the service&apos;s computer %1 could not be found; check the network connection</source>
        <translation>l&apos;ordinateur du service, %1, est introuvable&#xa0;; vérifiez la connexion réseau</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the connection</source>
        <translation>le proxy %1 a refusé la connexion</translation>
    </message>
    <message>
        <source>the proxy at %1 could not be reached</source>
        <translation>le proxy %1 n&apos;a pas pu être joint</translation>
    </message>
    <message>
        <source>the service at %1 refused the connection; it may not be running</source>
        <translation>le service de %1 a refusé la connexion&#xa0;; il n&apos;est peut-être pas démarré</translation>
    </message>
    <message>
        <source>the service at %1 could not be reached: %2</source>
        <translation>le service de %1 n&apos;a pas pu être joint&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached within %2</source>
        <extracomment>%1 the service (&quot;the service at ...&quot;), %2 how long, such as &quot;30 seconds&quot;.</extracomment>
        <translation>%1 n&apos;a pas pu être joint en %2</translation>
    </message>
    <message>
        <source>the address %1 cannot be used: %2</source>
        <translation>l&apos;adresse %1 ne peut pas être utilisée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2</source>
        <translation>%1 n&apos;a pas pu être joint&#xa0;: %2</translation>
    </message>
    <message>
        <source>the call was cancelled after the request had been sent</source>
        <translation>l&apos;appel a été annulé après l&apos;envoi de la requête</translation>
    </message>
    <message>
        <source>the head of the service&apos;s answer is larger than %1 KiB, too large to be an answer</source>
        <translation>l&apos;en-tête de la réponse du service dépasse %1 Kio, trop pour être une réponse</translation>
    </message>
    <message>
        <source>the service sent an answer too large to be a reply (over %1 KiB)</source>
        <translation>le service a envoyé une réponse trop volumineuse pour être une vraie réponse (plus de %1 Kio)</translation>
    </message>
    <message>
        <source>%1 did not finish its answer within %2</source>
        <translation>%1 n&apos;a pas terminé sa réponse en %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2</source>
        <translation>%1 n&apos;a pas répondu en %2</translation>
    </message>
    <message>
        <source>%1 closed the connection without answering</source>
        <translation>%1 a fermé la connexion sans répondre</translation>
    </message>
    <message>
        <source>%1 closed the connection before its answer was complete</source>
        <translation>%1 a fermé la connexion avant la fin de sa réponse</translation>
    </message>
    <message>
        <source>the connection to %1 broke before its answer was complete</source>
        <translation>la connexion avec %1 a été coupée avant la fin de sa réponse</translation>
    </message>
    <message>
        <source>the connection to %1 broke while the request was being sent</source>
        <translation>la connexion avec %1 a été coupée pendant l&apos;envoi de la requête</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be decompressed (%1)</source>
        <translation>la réponse du service n&apos;a pas pu être décompressée (%1)</translation>
    </message>
    <message>
        <source>%1 answered with something that is not HTTP</source>
        <translation>%1 a répondu par autre chose que du HTTP</translation>
    </message>
    <message>
        <source>the answer of %1 could not be read: %2</source>
        <translation>la réponse de %1 n&apos;a pas pu être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>the connection to the service could not be prepared</source>
        <translation>la connexion au service n&apos;a pas pu être préparée</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>KORVANE&apos;s HTTP transport is not available: %1</source>
        <translation>Le transport HTTP de KORVANE n’est pas disponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>it is %1</source>
        <translation>c&apos;est %1</translation>
    </message>
    <message>
        <source>it belongs to another user and cannot be read</source>
        <translation>il appartient à un autre utilisateur et ne peut pas être lu</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed</source>
        <translation>il a été laissé en place et ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as it belongs to another user</source>
        <translation>il a été laissé en place et ne peut pas être supprimé, car il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as there is no permission to change its folder</source>
        <translation>il a été laissé en place et ne peut pas être supprimé, faute d&apos;autorisation de modifier son dossier</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used: %2.</source>
        <extracomment>%2 says why: &quot;it belongs to another user and cannot be read&quot;.</extracomment>
        <translation>Le fichier de verrou %1 ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>KeychainAccess</name>
    <message>
        <source>no secret store is available</source>
        <translation>aucun stockage des secrets n&apos;est disponible</translation>
    </message>
    <message>
        <source>it did not let KORVANE keep or read passwords</source>
        <translation>il n&apos;a pas permis à KORVANE de conserver ou de lire des mots de passe</translation>
    </message>
    <message>
        <source>it has no &quot;%1&quot; keyring to keep passwords in</source>
        <translation>il n&apos;a pas de trousseau «&#xa0;%1&#xa0;» pour conserver des mots de passe</translation>
    </message>
    <message>
        <source>it did not answer as expected</source>
        <translation>il n&apos;a pas répondu comme prévu</translation>
    </message>
    <message>
        <source>its module could not be loaded (%1)</source>
        <translation>son module n&apos;a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <source>its module %1 is not KORVANE&apos;s</source>
        <translation>son module %1 n&apos;est pas celui de KORVANE</translation>
    </message>
</context>
<context>
    <name>MessageSend</name>
    <message>
        <source>Your message was not sent. %1</source>
        <extracomment>%1 why, as a whole sentence.</extracomment>
        <translation>Votre message n&apos;a pas été envoyé. %1</translation>
    </message>
    <message>
        <source>It is not known whether your message was sent: %1. Check with the recipient before you send it again.</source>
        <extracomment>%1 why, as a clause that starts with a small letter and has no full stop.</extracomment>
        <translation>On ne sait pas si votre message a été envoyé&#xa0;: %1. Vérifiez auprès du destinataire avant de le renvoyer.</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>HTTP status %1</source>
        <extracomment>%1 the HTTP status code, %2 the reason phrase the server sent with it, in its own words (often English).</extracomment>
        <translation>statut HTTP %1</translation>
    </message>
    <message>
        <source>HTTP status %1 (%2)</source>
        <translation>statut HTTP %1 (%2)</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>How long a wait was: %1 a number of seconds, possibly with a decimal point.</extracomment>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
</context>
<context>
    <name>NumberingPlans</name>
    <message>
        <source>The numbering plans of phone numbers are not available: %1.</source>
        <translation>Les plans de numérotation téléphonique ne sont pas disponibles&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PhoneNumbers</name>
    <message>
        <source>%1 has a country code that no country has, so its country is unknown</source>
        <extracomment>Why a contact&apos;s number cannot be imported; %1 the number as written in the file, in quotes. Each of these ends a longer sentence: small letter, no full stop.</extracomment>
        <translation>%1 a un indicatif de pays qui n&apos;existe pas&#xa0;; son pays est donc inconnu</translation>
    </message>
    <message>
        <source>%1 is too long</source>
        <translation>%1 est trop long</translation>
    </message>
    <message>
        <source>%1 has letters or signs that are not part of a phone number</source>
        <translation>%1 contient des lettres ou des signes qui ne font pas partie d&apos;un numéro de téléphone</translation>
    </message>
    <message>
        <source>%1 is too short</source>
        <translation>%1 est trop court</translation>
    </message>
    <message>
        <source>%1 is too long: %2 has more than the 15 digits of an international number</source>
        <extracomment>%1 the number as written in the file, in quotes; %2 the same number as the address book keeps it.</extracomment>
        <translation>%1 est trop long&#xa0;: %2 a plus que les 15 chiffres d&apos;un numéro international</translation>
    </message>
    <message>
        <source>%1 is too short for a phone number of its country (%2)</source>
        <translation>%1 est trop court pour un numéro de téléphone de son pays (%2)</translation>
    </message>
    <message>
        <source>%1 is too long for a phone number of its country (%2)</source>
        <translation>%1 est trop long pour un numéro de téléphone de son pays (%2)</translation>
    </message>
    <message>
        <source>%1 is not a phone number in the numbering plan of its country (%2)</source>
        <translation>%1 n&apos;est pas un numéro de téléphone du plan de numérotation de son pays (%2)</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>n&apos;a pas de numéro de téléphone</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 ne contient aucun chiffre</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 could not be loaded (%2)</source>
        <translation>%1 n’a pas pu être chargé (%2)</translation>
    </message>
    <message>
        <source>%1 is not KORVANE&apos;s</source>
        <translation>%1 n’appartient pas à KORVANE</translation>
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
        <translation>son corps multipart n&apos;a aucune partie</translation>
    </message>
    <message>
        <source>its multipart body is cut short</source>
        <translation>son corps multipart est tronqué</translation>
    </message>
    <message>
        <source>a part of its multipart body has no end to its headers</source>
        <translation>une partie de son corps multipart n&apos;a pas de fin d&apos;en-têtes</translation>
    </message>
    <message>
        <source>its multipart body has no part with the root&apos;s Content-ID</source>
        <translation>son corps multipart n&apos;a aucune partie avec le Content-ID de la racine</translation>
    </message>
    <message>
        <source>it is a multipart answer without a boundary</source>
        <translation>c&apos;est une réponse multipart sans délimiteur (boundary)</translation>
    </message>
    <message>
        <source>it is written in the character set &quot;%1&quot;, which cannot be read</source>
        <translation>elle est écrite dans le jeu de caractères «&#xa0;%1&#xa0;», qui ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>ce n&apos;est pas du texte %1 valide</translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>You have not selected who to send your message to</source>
        <translation>Vous n&apos;avez pas choisi à qui envoyer votre message</translation>
    </message>
    <message>
        <source>You have not entered your name and number</source>
        <translation>Vous n&apos;avez pas saisi votre nom et votre numéro</translation>
    </message>
    <message>
        <source>You have not entered a message to send</source>
        <translation>Vous n&apos;avez pas saisi de message à envoyer</translation>
    </message>
    <message>
        <source>Your message was not sent: it is %1 characters long, and the most that can be sent is %2.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: il compte %1 caractères, alors que %2 au plus peuvent être envoyés.</translation>
    </message>
    <message>
        <source>your name</source>
        <extracomment>Each names the text that holds a character that cannot be sent, as %1 of &quot;... %1 contains a character that cannot be sent ...&quot;.</extracomment>
        <translation>votre nom</translation>
    </message>
    <message>
        <source>your number</source>
        <translation>votre numéro</translation>
    </message>
    <message>
        <source>the recipient&apos;s number</source>
        <translation>le numéro du destinataire</translation>
    </message>
    <message>
        <source>the message</source>
        <translation>le message</translation>
    </message>
    <message>
        <source>the country code</source>
        <translation>l&apos;indicatif du pays</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 contains a character that cannot be sent (U+%2 at position %3). Please remove it and try again.</source>
        <extracomment>%1 which text (&quot;your name&quot;, &quot;the message&quot;...), %2 the character&apos;s code in four or more hex digits, %3 its place in that text, counted in characters from 1.</extracomment>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: %1 contient un caractère qui ne peut pas être envoyé (U+%2 à la position %3). Veuillez le supprimer et réessayer.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Your message was not sent: standard input could not be read: %1.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: l&apos;entrée standard n&apos;a pas pu être lue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds more than %1 bytes, and the most that can be sent is %2 characters.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: l&apos;entrée standard contient plus de %1 octets, alors que %2 caractères au plus peuvent être envoyés.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input is not UTF-8 text.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: l&apos;entrée standard n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Your message was not sent: the message is not UTF-8 text.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: le message n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password could not be read from standard input: %1.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: le mot de passe n&apos;a pas pu être lu sur l&apos;entrée standard&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: the first line of standard input is too long for a password.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: la première ligne de l&apos;entrée standard est trop longue pour un mot de passe.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds no password for --user.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: l&apos;entrée standard ne contient pas de mot de passe pour --user.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password on standard input is not UTF-8 text.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: le mot de passe sur l&apos;entrée standard n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Give --user once.</source>
        <translation>Indiquez --user une seule fois.</translation>
    </message>
    <message>
        <source>Give the user name to sign in with: --user NAME.</source>
        <translation>Indiquez le nom d&apos;utilisateur avec lequel vous identifier&#xa0;: --user NAME.</translation>
    </message>
    <message>
        <source>--password-stdin reads the password of --user NAME; give --user too.</source>
        <translation>--password-stdin lit le mot de passe de --user NAME&#xa0;; indiquez aussi --user.</translation>
    </message>
    <message>
        <source>With --password-stdin, standard input holds the password: give the message as an argument.</source>
        <translation>Avec --password-stdin, l&apos;entrée standard contient le mot de passe&#xa0;: donnez le message en argument.</translation>
    </message>
    <message>
        <source>Give the password of --user in the environment variable KORVANE_PASSWORD, or on standard input with --password-stdin; never as an argument.</source>
        <translation>Donnez le mot de passe de --user dans la variable d&apos;environnement KORVANE_PASSWORD, ou sur l&apos;entrée standard avec --password-stdin&#xa0;; jamais en argument.</translation>
    </message>
    <message>
        <source>Say who the message goes to, with --to NAME or --to NUMBER.</source>
        <translation>Indiquez à qui va le message, avec --to NAME ou --to NUMBER.</translation>
    </message>
    <message>
        <source>Give --to once: a message goes to one recipient.</source>
        <translation>Indiquez --to une seule fois&#xa0;: un message va à un seul destinataire.</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Indiquez --country une seule fois.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>Il n&apos;y a pas de pays «&#xa0;%1&#xa0;»&#xa0;: indiquez %2, ou un code tel que de-DE.</translation>
    </message>
    <message>
        <source>Give the message as an argument, or - to read it from standard input.</source>
        <translation>Donnez le message en argument, ou - pour le lire sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>Give the message as one argument, in quotes.</source>
        <translation>Donnez le message en un seul argument, entre guillemets.</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 is neither a name in the address book nor a valid phone number, which starts with 00 and the country code: 14 to 17 digits, or fewer where its country&apos;s numbers are shorter.</source>
        <translation>Votre message n&apos;a pas été envoyé&#xa0;: %1 n&apos;est ni un nom du carnet d&apos;adresses ni un numéro de téléphone valide, qui commence par 00 et l&apos;indicatif du pays&#xa0;: 14 à 17 chiffres, ou moins là où les numéros de son pays sont plus courts.</translation>
    </message>
    <message>
        <source>Your message was not sent. %1</source>
        <translation>Votre message n&apos;a pas été envoyé. %1</translation>
    </message>
    <message>
        <source>This send is not in the history: %1</source>
        <translation>Cet envoi ne figure pas dans l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your message was sent.</source>
        <translation>Votre message a été envoyé.</translation>
    </message>
</context>
<context>
    <name>SendTracker</name>
    <message>
        <source>Sending to %1…</source>
        <extracomment>The status line while a message is on its way; %1 is the recipient.</extracomment>
        <translation>Envoi à %1…</translation>
    </message>
    <message>
        <source>Sent to %1 at %2</source>
        <translation>Envoyé à %1 à %2</translation>
    </message>
    <message>
        <source>Not sent to %1 at %2</source>
        <translation>Non envoyé à %1 à %2</translation>
    </message>
    <message>
        <source>Not known whether sent to %1 at %2</source>
        <translation>Envoi à %1 à %2&#xa0;: résultat inconnu</translation>
    </message>
</context>
<context>
    <name>ServiceAddress</name>
    <message>
        <source>The service description gives no address for %1.</source>
        <translation>La description du service ne donne aucune adresse pour %1.</translation>
    </message>
</context>
<context>
    <name>ServiceInfo</name>
    <message>
        <source>Definitive terms and conditions are available at %1.</source>
        <translation>Les conditions générales définitives sont disponibles sur %1.</translation>
    </message>
    <message>
        <source>Warning: Outgoing messages are free, users must be 16+ to use service. This is a non subscription service. Recipients may be charged according to the most recent rates published on %1</source>
        <translation>Attention&#xa0;: envoi gratuit, service réservé aux 16 ans et plus, sans abonnement. Les destinataires peuvent être facturés selon les derniers tarifs publiés sur %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 cannot be used: it is %2, not a regular file.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être utilisé&#xa0;: c&apos;est %2, et non un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is a file where a folder should be, so %2 cannot be written.</source>
        <translation>%1 est un fichier là où un dossier est attendu&#xa0;; %2 ne peut donc pas être écrit.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder %1.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;; le disque est peut-être plein.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Why you are asked again</source>
        <translation>Pourquoi cette nouvelle demande</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember the user name and password</source>
        <translation>Mémoriser le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Mémoriser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in</source>
        <translation>Le service SMS de %1 demande une identification</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in (%2)</source>
        <translation>Le service SMS de %1 demande une identification (%2)</translation>
    </message>
</context>
<context>
    <name>SignInFlow</name>
    <message>
        <source>The user name or password in the service description was not accepted.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe de la description du service n&apos;a pas été accepté.</translation>
    </message>
    <message>
        <source>The saved user name or password was not accepted.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe enregistré n&apos;a pas été accepté.</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>Le nom d&apos;utilisateur ou le mot de passe n&apos;a pas été accepté.</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password three times</source>
        <translation>le service SMS de %1 a refusé trois fois le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password for %2 three times</source>
        <extracomment>%2 is the name the service gives the place it asks to sign in to (its realm).</extracomment>
        <translation>le service SMS de %1 a refusé trois fois le nom d&apos;utilisateur et le mot de passe pour %2</translation>
    </message>
    <message>
        <source>the SMS service asked you to sign in</source>
        <translation>le service SMS a demandé une identification</translation>
    </message>
</context>
<context>
    <name>SignInPrompt</name>
    <message>
        <source>you chose not to send your password unencrypted to the SMS service at %1</source>
        <translation>vous avez choisi de ne pas envoyer votre mot de passe en clair au service SMS de %1</translation>
    </message>
</context>
<context>
    <name>SmsLength</name>
    <message>
        <source>1 character left</source>
        <translation>1 caractère restant</translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>%n caractère restant</numerusform>
            <numerusform>%n caractères restants</numerusform>
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
        <translation>le service de %1 n&apos;a pas accepté le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the service at %1 did not accept the user name and password (%2)</source>
        <translation>le service de %1 n&apos;a pas accepté le nom d&apos;utilisateur et le mot de passe (%2)</translation>
    </message>
</context>
<context>
    <name>SoapClient</name>
    <message>
        <source>Mapping files (WSML) are not supported.</source>
        <translation>Les fichiers de correspondance (WSML) ne sont pas pris en charge.</translation>
    </message>
    <message>
        <source>The SOAP client has not been initialised.</source>
        <translation>Le client SOAP n&apos;a pas été initialisé.</translation>
    </message>
    <message>
        <source>the service&apos;s address in the description is no longer that of the service at %1, which asked you to sign in, so the password was not sent</source>
        <translation>l&apos;adresse du service dans la description n&apos;est plus celle du service de %1, qui a demandé une identification&#xa0;; le mot de passe n&apos;a donc pas été envoyé</translation>
    </message>
</context>
<context>
    <name>SoapReplyReader</name>
    <message>
        <source>the service description</source>
        <translation>la description du service</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>le fichier de description du service %1</translation>
    </message>
    <message>
        <source>the service answered with a redirect to %1 (%2), which usually means that it took the request and shows its result elsewhere</source>
        <translation>le service a répondu par une redirection vers %1 (%2), ce qui signifie généralement qu&apos;il a pris en compte la requête et en affiche le résultat ailleurs</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nulle part</translation>
    </message>
    <message>
        <source>the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its new address</source>
        <translation>le service a répondu par une redirection (%1) sans dire où il a déménagé&#xa0;; %2 doit être mis à jour avec sa nouvelle adresse</translation>
    </message>
    <message>
        <source>the service answered that it moved to %1 (%2); %3 must be updated with its new address</source>
        <translation>le service a répondu qu&apos;il a déménagé à %1 (%2)&#xa0;; %3 doit être mis à jour avec sa nouvelle adresse</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in</source>
        <translation>le service de %1 demande une identification</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in (%2)</source>
        <translation>le service de %1 demande une identification (%2)</translation>
    </message>
    <message>
        <source>the service refused the request without giving a reason</source>
        <translation>le service a refusé la requête sans donner de raison</translation>
    </message>
    <message>
        <source>the service refused the request: %1</source>
        <translation>le service a refusé la requête&#xa0;: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) is a SOAP envelope without a body, though its description promises an answer</source>
        <translation>la réponse du service (%1) est une enveloppe SOAP sans corps, alors que sa description promet une réponse</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) has an empty SOAP body, though its description promises an answer</source>
        <translation>la réponse du service (%1) a un corps SOAP vide, alors que sa description promet une réponse</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) does not hold the element &quot;%2&quot; that its description promises</source>
        <translation>la réponse du service (%1) ne contient pas l&apos;élément «&#xa0;%2&#xa0;» que promet sa description</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) was empty, though its description promises a SOAP answer</source>
        <translation>la réponse du service (%1) était vide, alors que sa description promet une réponse SOAP</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be read: %1</source>
        <translation>la réponse du service n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not readable XML</source>
        <translation>la réponse du service n&apos;est pas du XML lisible</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not a SOAP message</source>
        <translation>la réponse du service n&apos;est pas un message SOAP</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the request: it asks for a user name and password (%2)</source>
        <translation>le proxy %1 a refusé la requête&#xa0;: il demande un nom d&apos;utilisateur et un mot de passe (%2)</translation>
    </message>
    <message>
        <source>a gateway in front of the service</source>
        <translation>une passerelle devant le service</translation>
    </message>
    <message>
        <source>the proxy at %1 or a gateway behind it</source>
        <translation>le proxy %1 ou une passerelle derrière lui</translation>
    </message>
    <message>
        <source>%1 answered with %2, so the request may have reached the service</source>
        <translation>%1 a répondu avec le %2&#xa0;; la requête a donc pu atteindre le service</translation>
    </message>
    <message>
        <source>the service</source>
        <translation>le service</translation>
    </message>
    <message>
        <source>the service or the proxy at %1</source>
        <translation>le service ou le proxy %1</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 a répondu avec le %2</translation>
    </message>
    <message>
        <source>%1 answered with %2 and no SOAP fault, which does not tell whether it took the request</source>
        <translation>%1 a répondu avec le %2 et sans erreur SOAP, ce qui ne dit pas s&apos;il a pris en compte la requête</translation>
    </message>
    <message>
        <source>the service answered with %1, which is not a final answer</source>
        <translation>le service a répondu avec le %1, qui n&apos;est pas une réponse définitive</translation>
    </message>
</context>
<context>
    <name>SoapRequestWriter</name>
    <message>
        <source>The operation &quot;%1&quot; takes %2 arguments, but %3 were given.</source>
        <translation>L&apos;opération «&#xa0;%1&#xa0;» prend %2 arguments, mais %3 ont été donnés.</translation>
    </message>
    <message>
        <source>Argument %1 of &quot;%2&quot; holds a character that cannot be sent (U+%3 at position %4).</source>
        <translation>L&apos;argument %1 de «&#xa0;%2&#xa0;» contient un caractère qui ne peut pas être envoyé (U+%3 à la position %4).</translation>
    </message>
</context>
<context>
    <name>StoreChangeLock</name>
    <message>
        <source>The lock file %1 cannot be used: it is %2.</source>
        <translation>Le fichier de verrou %1 ne peut pas être utilisé&#xa0;: c&apos;est %2.</translation>
    </message>
</context>
<context>
    <name>TextInput</name>
    <message>
        <source>The file begins like UTF-16 text but is not.</source>
        <translation>Le fichier commence comme du texte UTF-16 mais n&apos;en est pas.</translation>
    </message>
    <message>
        <source>The file is not a text file: line %1 holds a NUL byte.</source>
        <translation>Le fichier n&apos;est pas un fichier texte&#xa0;: la ligne %1 contient un octet NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: line %1 holds bytes that are not UTF-8. Save it as UTF-8 and import it again.</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8&#xa0;: la ligne %1 contient des octets qui ne sont pas de l&apos;UTF-8. Enregistrez-le en UTF-8 et importez-le à nouveau.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>The name has %1 characters; a recipient&apos;s name has %2 at most.</source>
        <translation>Le nom a %1 caractères&#xa0;; le nom d&apos;un destinataire en a %2 au plus.</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please use a valid country code prefix</source>
        <translation>%1 n&apos;est pas un numéro de téléphone valide, veuillez utiliser un indicatif de pays valide</translation>
    </message>
</context>
<context>
    <name>VCard</name>
    <message>
        <source>the file ends before its END:VCARD</source>
        <translation>le fichier se termine avant son END:VCARD</translation>
    </message>
    <message>
        <source>The file holds no vCard: none of its lines says BEGIN:VCARD.</source>
        <translation>Le fichier ne contient aucune vCard&#xa0;: aucune de ses lignes ne dit BEGIN:VCARD.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la ligne %1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>line %1 cannot be read: %2</source>
        <translation>la ligne %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>it has no END:VCARD before the card on line %1</source>
        <translation>elle n&apos;a pas de END:VCARD avant la carte de la ligne %1</translation>
    </message>
    <message>
        <source>its base64 text is damaged</source>
        <translation>son texte base64 est endommagé</translation>
    </message>
    <message>
        <source>it holds a NUL character</source>
        <translation>elle contient un caractère NUL</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>its character set %1 is not known</source>
        <translation>son jeu de caractères %1 est inconnu</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>ce n&apos;est pas du texte %1 valide</translation>
    </message>
</context>
<context>
    <name>WidgetSignInPrompt</name>
    <message>
        <source>The SMS service at %1 asks for your user name and password without encryption (http://). They would travel unencrypted, and anyone on the network between you and the service could read them.

Send them anyway?</source>
        <translation>Le service SMS de %1 demande votre nom d&apos;utilisateur et votre mot de passe sans chiffrement (http://). Ils circuleraient en clair, et n&apos;importe qui sur le réseau entre vous et le service pourrait les lire.

Les envoyer quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>KORVANE is already running.</source>
        <translation>KORVANE est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Remove it and start KORVANE again.</source>
        <translation>KORVANE ne peut pas démarrer. %1 Supprimez-le et relancez KORVANE.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Move it out of the way and start KORVANE again.</source>
        <translation>KORVANE ne peut pas démarrer. %1 Déplacez-le ailleurs et relancez KORVANE.</translation>
    </message>
</context>
<context>
    <name>WindowSignIn</name>
    <message>
        <source>KORVANE cannot tell which SMS service to forget the password of. %1</source>
        <translation>KORVANE ne sait pas de quel service SMS oublier le mot de passe. %1</translation>
    </message>
    <message>
        <source>KORVANE no longer keeps a password for the SMS service at %1. It asks for one the next time the service asks you to sign in.</source>
        <translation>KORVANE ne conserve plus de mot de passe pour le service SMS de %1. Il en demandera un la prochaine fois que le service demandera une identification.</translation>
    </message>
</context>
<context>
    <name>WsdlReader</name>
    <message>
        <source>%1 does not define the input message of the operation %2.</source>
        <translation>%1 ne définit pas le message d&apos;entrée de l&apos;opération %2.</translation>
    </message>
    <message>
        <source>The port %1 of %2 gives no SOAP address.</source>
        <translation>Le port %1 de %2 ne donne aucune adresse SOAP.</translation>
    </message>
    <message>
        <source>The SOAP address %1 of the port %2 in %3 is not an http or https address.</source>
        <translation>L&apos;adresse SOAP %1 du port %2 dans %3 n&apos;est pas une adresse http ou https.</translation>
    </message>
    <message>
        <source>The binding %1 of %2 refers to the port type %3, which it does not define.</source>
        <translation>La liaison (binding) %1 de %2 renvoie au type de port %3, qui n&apos;y est pas défini.</translation>
    </message>
    <message>
        <source>%1 refers to the element %2, which its schema does not declare.</source>
        <translation>%1 renvoie à l&apos;élément %2, que son schéma ne déclare pas.</translation>
    </message>
    <message>
        <source>the service description</source>
        <translation>la description du service</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>le fichier de description du service %1</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file that can be read.</source>
        <translation>%1 est %2, et non un fichier lisible.</translation>
    </message>
    <message>
        <source>%1 is too large to be a service description (over %2 MiB).</source>
        <translation>%1 est trop volumineux pour être une description de service (plus de %2 Mio).</translation>
    </message>
    <message>
        <source>%1 is too large (over %2 MiB).</source>
        <translation>%1 est trop volumineux (plus de %2 Mio).</translation>
    </message>
    <message>
        <source>%1 is not usable XML: %2.</source>
        <translation>%1 n&apos;est pas du XML utilisable&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a WSDL 1.1 description (its root element is &quot;%2&quot;).</source>
        <translation>%1 n&apos;est pas une description WSDL 1.1 (son élément racine est «&#xa0;%2&#xa0;»).</translation>
    </message>
    <message>
        <source>No service description has been read.</source>
        <translation>Aucune description de service n&apos;a été lue.</translation>
    </message>
    <message>
        <source>The port %1 of %2 refers to the binding %3, which it does not define.</source>
        <translation>Le port %1 de %2 renvoie à la liaison (binding) %3, qui n&apos;y est pas définie.</translation>
    </message>
    <message>
        <source>%1 has no service named %2.</source>
        <translation>%1 n&apos;a aucun service nommé %2.</translation>
    </message>
    <message>
        <source>%1 has no port named %2.</source>
        <translation>%1 n&apos;a aucun port nommé %2.</translation>
    </message>
    <message>
        <source>The service %1 of %2 has no port named %3.</source>
        <translation>Le service %1 de %2 n&apos;a aucun port nommé %3.</translation>
    </message>
    <message>
        <source>%1 offers no SOAP 1.1 or SOAP 1.2 port.</source>
        <translation>%1 ne propose aucun port SOAP 1.1 ou SOAP 1.2.</translation>
    </message>
    <message>
        <source>The port %1 of %2 is not a SOAP port.</source>
        <translation>Le port %1 de %2 n&apos;est pas un port SOAP.</translation>
    </message>
    <message>
        <source>%1 offers no operation %2.</source>
        <translation>%1 ne propose aucune opération %2.</translation>
    </message>
</context>
<context>
    <name>XmlElement</name>
    <message>
        <source>one of its elements has more than %1 attributes</source>
        <translation>l&apos;un de ses éléments a plus de %1 attributs</translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not accepted</source>
        <translation>il contient une déclaration de type de document, qui n&apos;est pas acceptée</translation>
    </message>
    <message>
        <source>it refers to the undeclared entity &quot;%1&quot; at line %2</source>
        <translation>il fait référence à l&apos;entité non déclarée «&#xa0;%1&#xa0;» à la ligne %2</translation>
    </message>
    <message>
        <source>its elements nest more than %1 levels deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation>%1 à la ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>it is empty or holds no element</source>
        <translation>il est vide ou ne contient aucun élément</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KORVANE</source>
        <translation>À propos de KORVANE</translation>
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
        <translation>Finalisation de l&apos;envoi…</translation>
    </message>
    <message>
        <source>If you close KORVANE now, it will not be known whether your message was sent.</source>
        <translation>Si vous fermez KORVANE maintenant, on ne saura pas si votre message a été envoyé.</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Fermer maintenant</translation>
    </message>
    <message>
        <source>KORVANE closes as soon as the service has answered, within 1 second.</source>
        <translation>KORVANE se fermera dès que le service aura répondu, dans 1 seconde au plus.</translation>
    </message>
    <message numerus="yes">
        <source>KORVANE closes as soon as the service has answered, within %n seconds.</source>
        <translation>
            <numerusform>KORVANE se fermera dès que le service aura répondu, dans %n seconde au plus.</numerusform>
            <numerusform>KORVANE se fermera dès que le service aura répondu, dans %n secondes au plus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>KORVANE History</source>
        <translation>Historique KORVANE</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Name, number or text</source>
        <translation>Nom, numéro ou texte</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À&#xa0;:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>Résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Service:</source>
        <translation>Service&#xa0;:</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Renvoyer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A name and, in brackets, its phone number.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 after %2 s</source>
        <extracomment>An outcome and how long the send took: &quot;Sent after 1.3 s&quot;.</extracomment>
        <translation>%1 en %2 s</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>An outcome followed by the sentence that says why.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The history cannot be shown. %1</source>
        <translation>L&apos;historique ne peut pas être affiché. %1</translation>
    </message>
    <message>
        <source>The history could not be read. %1</source>
        <translation>L&apos;historique n&apos;a pas pu être lu. %1</translation>
    </message>
    <message>
        <source>Do you want to delete the selected message from the history?</source>
        <translation>Voulez-vous supprimer le message sélectionné de l&apos;historique&#xa0;?</translation>
    </message>
    <message>
        <source>The message still being sent stays until its outcome is known.</source>
        <translation>Le message en cours d&apos;envoi reste jusqu&apos;à ce que son résultat soit connu.</translation>
    </message>
    <message>
        <source>The messages could not be deleted. %1</source>
        <translation>Les messages n&apos;ont pas pu être supprimés. %1</translation>
    </message>
    <message>
        <source>A message is being sent. The history can be cleared once its outcome is known.</source>
        <translation>Un message est en cours d&apos;envoi. L&apos;historique pourra être effacé quand son résultat sera connu.</translation>
    </message>
    <message>
        <source>Do you want to delete every message in the history? This cannot be undone.</source>
        <translation>Voulez-vous supprimer tous les messages de l&apos;historique&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The history could not be cleared. %1</source>
        <translation>L&apos;historique n&apos;a pas pu être effacé. %1</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be exported. %1</source>
        <translation>L&apos;historique n&apos;a pas pu être exporté. %1</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete the %n selected messages from the history?</source>
        <translation>
            <numerusform>Voulez-vous supprimer %n message sélectionné de l&apos;historique&#xa0;?</numerusform>
            <numerusform>Voulez-vous supprimer les %n messages sélectionnés de l&apos;historique&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n messages still being sent stay until their outcomes are known.</source>
        <translation>
            <numerusform>%n message en cours d&apos;envoi reste jusqu&apos;à ce que son résultat soit connu.</numerusform>
            <numerusform>Les %n messages en cours d&apos;envoi restent jusqu&apos;à ce que leurs résultats soient connus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSMS</name>
    <message>
        <source>Address Book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Tél.&#x202f;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>À&#xa0;: </translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>&lt;Select from Address Book&gt;</source>
        <translation>&lt;Choisir dans le carnet&gt;</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>&lt;Change&gt;</source>
        <translation>&lt;Modifier&gt;</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Vos coordonnées</translation>
    </message>
    <message>
        <source>Use your real name, not a &apos;screen name&apos; otherwise the recipient may not recognise who the message is from. Please use a country-code prefix on your number (0044 for UK)</source>
        <translation>Indiquez votre vrai nom, pas un pseudo, sinon le destinataire risque de ne pas savoir qui écrit. Mettez l&apos;indicatif du pays devant votre numéro (0044 au Royaume-Uni)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Forget the saved password</source>
        <translation>Oublier le mot de passe enregistré</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Your name should be between 3 and 11 charachters long</source>
        <translation>Votre nom doit comporter entre 3 et 11 caractères</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please include a country-code prefix</source>
        <translation>%1 n&apos;est pas un numéro de téléphone valide, veuillez inclure l&apos;indicatif du pays</translation>
    </message>
    <message>
        <source>Your details could not be saved. %1</source>
        <translation>Vos coordonnées n&apos;ont pas pu être enregistrées. %1</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation>Voulez-vous supprimer %1 du carnet d&apos;adresses&#xa0;?</translation>
    </message>
    <message>
        <source>KORVANE cannot keep a history of your messages. %1 Your messages are still sent.</source>
        <translation>KORVANE ne peut pas tenir l&apos;historique de vos messages. %1 Vos messages sont tout de même envoyés.</translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation>
            <numerusform>Le carnet d&apos;adresses est plein&#xa0;: il contient %n destinataire, le maximum possible.</numerusform>
            <numerusform>Le carnet d&apos;adresses est plein&#xa0;: il contient %n destinataires, le maximum possible.</numerusform>
        </translation>
    </message>
</context>
</TS>
