<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
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
        <translation>Utilização: korvane [COMMAND [ARGUMENTS]]

Sem um comando, o korvane abre a sua janela.

Comandos:
  send --to NAME|NUMBER [--country COUNTRY] [--user NAME [--password-stdin]]
       [--allow-unencrypted] MESSAGE|-
                        Envia uma mensagem para um nome do livro de endereços
                        ou para um número; - lê a mensagem da entrada padrão.
  contacts list [--json]
                        Mostra o livro de endereços.
  contacts add NAME NUMBER
                        Adiciona um destinatário.
  contacts remove NAME  Retira um destinatário do livro de endereços.
  contacts import FILE [--country COUNTRY]
                        Adiciona os contactos de um ficheiro vCard ou CSV.
  contacts export FILE  Grava o livro de endereços num ficheiro .vcf ou .csv.
  history [--json] [--limit N]
                        Mostra as mensagens enviadas, a mais recente primeiro.
  help [COMMAND]        Mostra esta ajuda, ou a de um comando.

Opções:
  -h, --help            Mostra esta ajuda.
  -v, --version         Mostra a versão.

Estado de saída: 0 concluído (send: enviada), 1 falhou (send: não enviada),
2 só em send: não se sabe se a mensagem foi enviada, 64 a linha de comandos
está errada.
A página de manual korvane(1) diz mais.
</translation>
    </message>
    <message>
        <source>There is no command &apos;%1&apos;.</source>
        <translation>Não existe o comando &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command.</source>
        <translation>&apos;%1&apos; não é um comando.</translation>
    </message>
    <message>
        <source>Countries:</source>
        <extracomment>Starts the list of country names at the end of a command&apos;s help.</extracomment>
        <translation>Países:</translation>
    </message>
    <message>
        <source>The value of --%1 is not UTF-8 text.</source>
        <translation>O valor de --%1 não é texto UTF-8.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text.</source>
        <translation>&apos;%1&apos; não é texto UTF-8.</translation>
    </message>
    <message>
        <source>%1: %2 See &apos;%3&apos;.</source>
        <extracomment>%1 the command as typed (&quot;korvane send&quot;), %2 what is wrong with it (a whole sentence), %3 the command that shows its help (&quot;korvane send --help&quot;).</extracomment>
        <translation>%1: %2 Veja &apos;%3&apos;.</translation>
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
        <translation>Utilização: korvane send --to NAME|NUMBER [--country COUNTRY]
                         [--user NAME [--password-stdin]] [--allow-unencrypted]
                         MESSAGE|-

Envia uma mensagem pelo serviço de SMS de SendSMS.wsdl, com o nome e o número
guardados em &quot;Os seus dados&quot; na janela, e regista-a no histórico.

  --to NAME|NUMBER   Um nome do livro de endereços (maiúsculas e minúsculas
                     não contam) ou um número que comece por 00 e o indicativo
                     do país, como 00447700900123: 14 a 17 dígitos, ou menos
                     onde o plano de numeração do país tiver números assim.
  --country COUNTRY  O país enviado com a mensagem: um dos países abaixo (UK
                     se não for indicado), ou o seu código, como de-DE.
  MESSAGE            A mensagem, com 159 caracteres no máximo; uma mais longa
                     é recusada, nunca cortada. Ponha -- antes de uma mensagem
                     que comece por um hífen.
  -                  Lê a mensagem da entrada padrão, como UTF-8; um fim de
                     linha mesmo no final é ignorado.
  --user NAME        Inicia sessão como NAME onde o serviço o pedir, com a
                     palavra-passe na variável de ambiente KORVANE_PASSWORD.
  --password-stdin   Lê antes a palavra-passe de --user da primeira linha da
                     entrada padrão; a mensagem é então um argumento.
  --allow-unencrypted
                     Envia a palavra-passe mesmo onde seguiria sem encriptação
                     (autenticação Basic por http:// para outro computador).
  -h, --help         Mostra esta ajuda.

Um serviço que peça para iniciar sessão recebe o nome de utilizador e a
palavra-passe de --user, ou então os que a janela guardou no porta-chaves do
ambiente de trabalho. Uma palavra-passe nunca é aceite como argumento, e nada
é perguntado: sem credenciais, ou com credenciais recusadas, a mensagem não é
enviada.

O resultado é uma linha no erro padrão. Estado de saída: 0 enviada, 1 não
enviada, 2 não se sabe se foi enviada (confirme com o destinatário antes de
voltar a enviar), 64 a linha de comandos está errada.

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
        <translation>Utilização: korvane contacts list [--json]
            korvane contacts add NAME NUMBER
            korvane contacts remove NAME
            korvane contacts import FILE [--country COUNTRY]
            korvane contacts export FILE

  list      Mostra o livro de endereços em colunas, ou, com --json, como um
            array JSON de objetos {&quot;name&quot;, &quot;number&quot;}, pela ordem do livro.
  add       Adiciona um destinatário, como o botão &quot;Adicionar&quot; da janela: o
            número tem de começar por 00 e o indicativo do país e ter 14 a 17
            dígitos, ou menos onde o plano de numeração do país tiver números
            assim; o nome tem no máximo 255 caracteres, as quebras de linha e
            as tabulações passam a espaços, e um nome que já esteja no livro
            (sem contar maiúsculas e minúsculas) é recusado.
  remove    Retira o destinatário com este nome (sem contar maiúsculas e
            minúsculas).
  import    Adiciona os contactos de um ficheiro vCard (.vcf) ou CSV, com as
            regras de add; os números escritos sem indicativo do país são
            lidos como números de --country (um dos países abaixo, UK se não
            for indicado, ou um código como de-DE). Diz quantos foram
            importados e quais foram ignorados, e porquê.
  export    Grava o livro de endereços em FILE: vCard 4.0 se terminar em .vcf
            ou .vcard, CSV se terminar em .csv.
  -h, --help  Mostra esta ajuda.

add, remove e import recusam-se a alterar o livro enquanto a janela do KORVANE
estiver aberta, pois esta gravaria a sua própria cópia do livro por cima da
alteração.
Estado de saída: 0 concluído, 1 falhou, 64 a linha de comandos está errada.

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
        <translation>Utilização: korvane history [--json] [--limit N]

Mostra as mensagens enviadas, pela janela e por korvane send, da mais recente
para a mais antiga: quando, como terminou (Enviada, Não enviada, Desconhecido,
A enviar), para quem e o quê.

  --json      Um array JSON de objetos com os campos id, time (UTC, ISO
              8601), sender_name, sender_number, recipient_name,
              recipient_number, message, culture, endpoint, state (&quot;sent&quot;,
              &quot;not sent&quot;, &quot;not known&quot; ou &quot;sending&quot;), reason e duration_ms.
  --limit N   Apenas as N mensagens mais recentes.
  -h, --help  Mostra esta ajuda.

Estado de saída: 0 concluído, 1 falhou, 64 a linha de comandos está errada.
</translation>
    </message>
    <message>
        <source>The output could not be written: %1.</source>
        <translation>Não foi possível escrever a saída: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLinePrompt</name>
    <message>
        <source>give your user name with --user NAME and your password in the environment variable KORVANE_PASSWORD or, with --password-stdin, on standard input</source>
        <translation>indique o seu nome de utilizador com --user NAME e a sua palavra-passe na variável de ambiente KORVANE_PASSWORD ou, com --password-stdin, na entrada padrão</translation>
    </message>
    <message>
        <source>the SMS service at %1</source>
        <translation>o serviço de SMS em %1</translation>
    </message>
    <message>
        <source>%1 asks you to sign in: %2</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 how to give a user name and password.</extracomment>
        <translation>%1 pede-lhe que inicie sessão: %2</translation>
    </message>
    <message>
        <source>%1 asks you to sign in (%2): %3</source>
        <extracomment>%1 the service (&quot;the SMS service at ...&quot;), %2 the name it gives itself, %3 how to give a user name and password.</extracomment>
        <translation>%1 pede-lhe que inicie sessão (%2): %3</translation>
    </message>
    <message>
        <source>%1 did not accept the user name and password given with --user</source>
        <translation>%1 não aceitou o nome de utilizador e a palavra-passe indicados com --user</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 asks for your password without encryption (http://), and it would travel unencrypted; give --allow-unencrypted to send it all the same</source>
        <translation>%1 pede a sua palavra-passe sem encriptação (http://), pelo que esta seguiria sem encriptação; indique --allow-unencrypted para a enviar mesmo assim</translation>
    </message>
</context>
<context>
    <name>ContactsCommand</name>
    <message>
        <source>%1 Remove it and try again.</source>
        <translation>%1 Remova-o e tente de novo.</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>Não foi possível guardar o livro de endereços. %1</translation>
    </message>
    <message>
        <source>Give %1.</source>
        <translation>Indique %1.</translation>
    </message>
    <message>
        <source>no arguments but --json</source>
        <translation>apenas --json, sem outros argumentos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>the name and the number, such as: korvane contacts add Ann 00447700900123</source>
        <translation>o nome e o número, por exemplo: korvane contacts add Ann 00447700900123</translation>
    </message>
    <message>
        <source>The name is empty: give the recipient a name.</source>
        <translation>O nome está vazio: dê um nome ao destinatário.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or add the contact there</source>
        <translation>A janela do KORVANE está aberta; feche-a ou adicione lá o contacto</translation>
    </message>
    <message>
        <source>The address book is full: it holds %1 recipients, the most it can keep.</source>
        <translation>O livro de endereços está cheio: tem %1 destinatários, o máximo que pode guardar.</translation>
    </message>
    <message>
        <source>%1 is already in the address book.</source>
        <translation>%1 já está no livro de endereços.</translation>
    </message>
    <message>
        <source>%1 is already in the address book, as %2.</source>
        <translation>%1 já está no livro de endereços, como %2.</translation>
    </message>
    <message>
        <source>the name of the recipient to remove</source>
        <translation>o nome do destinatário a remover</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or remove the contact there</source>
        <translation>A janela do KORVANE está aberta; feche-a ou remova lá o contacto</translation>
    </message>
    <message>
        <source>%1 is not in the address book.</source>
        <translation>%1 não está no livro de endereços.</translation>
    </message>
    <message>
        <source>the vCard or CSV file to import</source>
        <translation>o ficheiro vCard ou CSV a importar</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Indique --country uma só vez.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>Não existe o país &apos;%1&apos;: indique %2, ou um código como de-DE.</translation>
    </message>
    <message>
        <source>KORVANE&apos;s window is open; close it or import the contacts there</source>
        <translation>A janela do KORVANE está aberta; feche-a ou importe lá os contactos</translation>
    </message>
    <message>
        <source>the file to write, ending in .vcf or .csv</source>
        <translation>o ficheiro a gravar, terminado em .vcf ou .csv</translation>
    </message>
    <message>
        <source>Say what to do: list, add, remove, import or export.</source>
        <translation>Diga o que fazer: list, add, remove, import ou export.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a contacts command: give list, add, remove, import or export.</source>
        <translation>&apos;%1&apos; não é um comando de contacts: indique list, add, remove, import ou export.</translation>
    </message>
</context>
<context>
    <name>ContactsFile</name>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a contacts file.</source>
        <translation>%1 é uma pasta, não um ficheiro de contactos.</translation>
    </message>
    <message>
        <source>%1 is not a file but a device, a pipe or a socket, so it is not read.</source>
        <translation>%1 não é um ficheiro, mas sim um dispositivo, um pipe ou um socket, por isso não é lido.</translation>
    </message>
    <message>
        <source>%1 is too large for a contacts file (%2 MB; KORVANE reads files of up to %3 MB).</source>
        <translation>%1 é demasiado grande para um ficheiro de contactos (%2 MB; o KORVANE lê ficheiros até %3 MB).</translation>
    </message>
    <message>
        <source>%1 was not written: name the file .vcf for vCard or .csv for CSV.</source>
        <translation>%1 não foi gravado: dê ao ficheiro a extensão .vcf para vCard ou .csv para CSV.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
</context>
<context>
    <name>ContactsImport</name>
    <message>
        <source>Card %1 (line %2)</source>
        <extracomment>Where a skipped contact is in the file: %1 which vCard, counted from 1, %2 the line it starts on.</extracomment>
        <translation>Cartão %1 (linha %2)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a contact was skipped, after its place and name (&quot;Line 4: Ann: ...&quot;): small letter, no full stop. %1 the details.</extracomment>
        <translation>não pôde ser lido: %1</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>não tem nome</translation>
    </message>
    <message>
        <source>has too long a name: %1</source>
        <translation>tem um nome demasiado longo: %1</translation>
    </message>
    <message>
        <source>is already in the address book</source>
        <translation>já está no livro de endereços</translation>
    </message>
    <message>
        <source>was imported from earlier in the file</source>
        <translation>já foi importado de mais acima no ficheiro</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>não tem número de telefone</translation>
    </message>
    <message>
        <source>has no valid phone number: %1</source>
        <translation>não tem um número de telefone válido: %1</translation>
    </message>
    <message>
        <source>did not fit: the address book is full</source>
        <translation>não coube: o livro de endereços está cheio</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <extracomment>One part of &quot;N contacts were skipped: ...&quot;: %1 how many contacts.</extracomment>
        <translation>%1 que não foi possível ler</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 sem nome</translation>
    </message>
    <message>
        <source>%1 with too long a name</source>
        <translation>%1 com nome demasiado longo</translation>
    </message>
    <message>
        <source>%1 already in the address book</source>
        <translation>%1 já no livro de endereços</translation>
    </message>
    <message>
        <source>%1 named twice in the file</source>
        <translation>%1 com nome repetido no ficheiro</translation>
    </message>
    <message>
        <source>%1 without a phone number</source>
        <translation>%1 sem número de telefone</translation>
    </message>
    <message>
        <source>%1 without a valid phone number</source>
        <translation>%1 sem número de telefone válido</translation>
    </message>
    <message>
        <source>%1 left out because the address book is full (it keeps %2 at most)</source>
        <extracomment>%1 how many contacts were left out, %2 how many the address book keeps.</extracomment>
        <translation>%1 sem lugar porque o livro de endereços está cheio (guarda %2 no máximo)</translation>
    </message>
    <message>
        <source>%1 is not a country that KORVANE knows.</source>
        <translation>%1 não é um país que o KORVANE conheça.</translation>
    </message>
    <message>
        <source>The file holds no contacts.</source>
        <translation>O ficheiro não contém contactos.</translation>
    </message>
    <message>
        <source>Imported 1 recipient.</source>
        <translation>Foi importado 1 destinatário.</translation>
    </message>
    <message>
        <source>Imported %1 recipients.</source>
        <translation>Foram importados %1 destinatários.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last of the reasons contacts were skipped to those before it, which are joined by &quot;, &quot;: %1 those before, %2 the last.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source> 1 contact was skipped: %1.</source>
        <extracomment>Follows &quot;Imported N recipients.&quot; in the same paragraph: keep the space at the start.</extracomment>
        <translation> 1 contacto foi ignorado: %1.</translation>
    </message>
    <message>
        <source> %1 contacts were skipped: %2.</source>
        <translation> %1 contactos foram ignorados: %2.</translation>
    </message>
    <message>
        <source> The file holds more than %1 contacts; the rest were not read.</source>
        <translation> O ficheiro contém mais de %1 contactos; os restantes não foram lidos.</translation>
    </message>
</context>
<context>
    <name>ContactsTransfer</name>
    <message>
        <source>a contact</source>
        <translation>um contacto</translation>
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
        <translation>Ficheiros de contactos (*.vcf *.vcard *.csv);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: the address book could not be saved. %1</source>
        <translation>Nada foi importado: não foi possível guardar o livro de endereços. %1</translation>
    </message>
    <message>
        <source>Export Address Book</source>
        <translation>Exportar livro de endereços</translation>
    </message>
    <message>
        <source>vCard files (*.vcf);;CSV files (*.csv)</source>
        <translation>Ficheiros vCard (*.vcf);;Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>The address book can be exported as a vCard file (.vcf) or a CSV file (.csv). Please choose a file name that ends in one of these.</source>
        <translation>O livro de endereços pode ser exportado como ficheiro vCard (.vcf) ou ficheiro CSV (.csv). Escolha um nome de ficheiro que termine numa destas extensões.</translation>
    </message>
    <message>
        <source>The address book could not be exported. %1</source>
        <translation>Não foi possível exportar o livro de endereços. %1</translation>
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
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemanha</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suíça</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Áustria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espanha</translation>
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
        <translation>não respondeu como esperado</translation>
    </message>
    <message>
        <source>The desktop&apos;s secret store (keyring) cannot be used: %1. KORVANE keeps the passwords you give it only until it ends.</source>
        <translation>Não é possível usar o cofre de segredos do ambiente de trabalho (porta-chaves): %1. O KORVANE guarda as palavras-passe que lhe der apenas até terminar.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>The first line of the file does not name the columns of a contacts file that KORVANE reads: a column of names and one of phone numbers, as in &quot;Name,Number&quot; or the contacts that Google Contacts, Outlook and Thunderbird export.</source>
        <translation>A primeira linha do ficheiro não indica as colunas de um ficheiro de contactos que o KORVANE leia: uma coluna de nomes e outra de números de telefone, como em &quot;Name,Number&quot; ou nos contactos que o Google Contacts, o Outlook e o Thunderbird exportam.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O ficheiro está vazio.</translation>
    </message>
    <message>
        <source>a quoted field begins on it and is never closed, so the rest of the file could not be read</source>
        <translation>nela começa um campo entre aspas que nunca é fechado, por isso não foi possível ler o resto do ficheiro</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>its field in the column &quot;%1&quot; is longer than %2 bytes</source>
        <translation>o seu campo na coluna &quot;%1&quot; tem mais de %2 bytes</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>Completes &quot;it is %1&quot;: what is found where a file should be.</extracomment>
        <translation>uma ligação simbólica</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe com nome</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo que não é um ficheiro</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>It takes no arguments but --json and --limit N.</source>
        <translation>Não aceita argumentos além de --json e --limit N.</translation>
    </message>
    <message>
        <source>Give --limit once, with a whole number of messages, such as --limit 10.</source>
        <translation>Indique --limit uma só vez, com um número inteiro de mensagens, por exemplo --limit 10.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
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
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>a symbolic link</source>
        <extracomment>What the history&apos;s file is instead of a file, as %2 of &quot;The history file %1 is %2, not a regular file&quot;.</extracomment>
        <translation>uma ligação simbólica</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe com nome</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>algo que não é um ficheiro</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>The history file %1 could not be created: %2</source>
        <translation>Não foi possível criar o ficheiro de histórico %1: %2</translation>
    </message>
    <message>
        <source>Other users of this computer can read your history %1, and it could not be made private: %2.</source>
        <translation>Outros utilizadores deste computador podem ler o seu histórico %1, e não foi possível torná-lo privado: %2.</translation>
    </message>
    <message>
        <source>Other users of this computer could read your history %1. It is now readable by you alone.</source>
        <translation>Outros utilizadores deste computador podiam ler o seu histórico %1. Agora só pode ser lido por si.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>não é possível escrever em %1 (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written (%2)</source>
        <translation>não é possível escrever na pasta %1 (%2)</translation>
    </message>
    <message>
        <source>the program ended during the send</source>
        <extracomment>Why a send is &quot;Not known&quot; when the program ended during it: small letter, no full stop.</extracomment>
        <translation>o programa terminou durante o envio</translation>
    </message>
    <message>
        <source>another program is keeping it busy</source>
        <extracomment>Why the history could not be used, after &quot;...: &quot;. &quot;it&quot; is the history.</extracomment>
        <translation>outro programa está a ocupá-lo</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>não há memória suficiente</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>é só de leitura</translation>
    </message>
    <message>
        <source>it could not be read or written on the disk</source>
        <translation>não foi possível lê-lo ou escrevê-lo no disco</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 what could not be done with the history, %2 why: &quot;The history ... could not be used: the disk is full&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The history %1 could not be used</source>
        <translation>Não foi possível usar o histórico %1</translation>
    </message>
    <message>
        <source>%1 is not a KORVANE history</source>
        <translation>%1 não é um histórico do KORVANE</translation>
    </message>
    <message>
        <source>The history cannot be kept: Qt&apos;s SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>Não é possível manter o histórico: o controlador SQLite do Qt (QSQLITE, pacote Debian libqt6sql6-sqlite) não está instalado.</translation>
    </message>
    <message>
        <source>The history file %1 is %2, not a regular file; it was left as it is.</source>
        <translation>O ficheiro de histórico %1 é %2, não um ficheiro normal; foi deixado como está.</translation>
    </message>
    <message>
        <source>The history file %1 cannot be read: %2</source>
        <translation>Não é possível ler o ficheiro de histórico %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is not an SQLite database); it was left as it is.</source>
        <translation>O ficheiro %1 não é um histórico do KORVANE (não é uma base de dados SQLite); foi deixado como está.</translation>
    </message>
    <message>
        <source>The history %1 cannot be opened</source>
        <translation>Não é possível abrir o histórico %1</translation>
    </message>
    <message>
        <source>The file %1 is not a KORVANE history (it is a database of something else); it was left as it is.</source>
        <translation>O ficheiro %1 não é um histórico do KORVANE (é uma base de dados de outra coisa); foi deixado como está.</translation>
    </message>
    <message>
        <source>The history %1 was written by a newer version of KORVANE (history version %2; this version reads up to %3). It was left as it is.</source>
        <translation>O histórico %1 foi escrito por uma versão mais recente do KORVANE (versão de histórico %2; esta versão lê até à versão %3). Foi deixado como está.</translation>
    </message>
    <message>
        <source>The history %1 %2, so it is not used. It was left as it is.</source>
        <extracomment>%1 the history&apos;s file name, %2 what is wrong with it, such as &quot;holds a table &quot;x&quot; that KORVANE did not create&quot;.</extracomment>
        <translation>O histórico %1 %2, por isso não é usado. Foi deixado como está.</translation>
    </message>
    <message>
        <source>The history %1 cannot be prepared</source>
        <translation>Não é possível preparar o histórico %1</translation>
    </message>
    <message>
        <source>The history %1 could not be read</source>
        <translation>Não foi possível ler o histórico %1</translation>
    </message>
    <message>
        <source>The history %1 could not be searched</source>
        <translation>Não foi possível pesquisar o histórico %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <extracomment>Follows &quot;The history FILE&quot; in &quot;The history FILE %1, so it is not used&quot;. In the others %1 is the kind of database object as SQLite names it (table, index, trigger, view: not translated), %2 its name.</extracomment>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that KORVANE did not create</source>
        <translation>contém um objeto %1 &quot;%2&quot; que o KORVANE não criou</translation>
    </message>
    <message>
        <source>holds a %1 &quot;%2&quot; that another program changed</source>
        <translation>contém um objeto %1 &quot;%2&quot; que outro programa alterou</translation>
    </message>
    <message>
        <source>lacks the %1 &quot;%2&quot; that KORVANE created</source>
        <translation>não tem o objeto %1 &quot;%2&quot; que o KORVANE criou</translation>
    </message>
    <message>
        <source>The history&apos;s lock file %1 cannot be used: %2</source>
        <translation>Não é possível usar o ficheiro de bloqueio %1 do histórico: %2</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>The column of whom a message went to.</extracomment>
        <translation>Para</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
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
        <translation>A enviar</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviada</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Não enviada</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The send could not be recorded in %1</source>
        <translation>Não foi possível registar o envio em %1</translation>
    </message>
    <message>
        <source>A send cannot finish in the state &quot;sending&quot;.</source>
        <translation>Um envio não pode terminar no estado &quot;sending&quot;.</translation>
    </message>
    <message>
        <source>The outcome of send %1 could not be recorded: it is no longer being sent.</source>
        <translation>Não foi possível registar o resultado do envio %1: já não está a ser enviado.</translation>
    </message>
    <message>
        <source>The messages could not be deleted from %1</source>
        <translation>Não foi possível eliminar as mensagens de %1</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared</source>
        <translation>Não foi possível limpar o histórico %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível escrever %1: %2</translation>
    </message>
</context>
<context>
    <name>HttpPost</name>
    <message>
        <source>the service at %1</source>
        <translation>serviço em %1</translation>
    </message>
    <message>
        <source>the service at %1 (through the proxy at %2)</source>
        <translation>serviço em %1 (através do proxy em %2)</translation>
    </message>
    <message>
        <source>the call was cancelled before the request was sent</source>
        <translation>a chamada foi cancelada antes de o pedido ser enviado</translation>
    </message>
    <message>
        <source>the proxy at %1 refused to open a connection to the service at %2 (%3)</source>
        <translation>o proxy em %1 recusou-se a abrir uma ligação ao serviço em %2 (%3)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: its certificate could not be verified (%2)</source>
        <translation>não foi possível estabelecer uma ligação segura ao %1: não foi possível verificar o seu certificado (%2)</translation>
    </message>
    <message>
        <source>a secure connection to %1 could not be established: %2</source>
        <translation>não foi possível estabelecer uma ligação segura ao %1: %2</translation>
    </message>
    <message>
        <source>the proxy&apos;s computer %1 could not be found; check the network connection</source>
        <translation>não foi possível encontrar o computador do proxy, %1; verifique a ligação à rede</translation>
    </message>
    <message>
        <source>the service&apos;s computer %1 could not be found; check the network connection</source>
        <translation>não foi possível encontrar o computador do serviço, %1; verifique a ligação à rede</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the connection</source>
        <translation>o proxy em %1 recusou a ligação</translation>
    </message>
    <message>
        <source>the proxy at %1 could not be reached</source>
        <translation>não foi possível contactar o proxy em %1</translation>
    </message>
    <message>
        <source>the service at %1 refused the connection; it may not be running</source>
        <translation>o serviço em %1 recusou a ligação; pode não estar em execução</translation>
    </message>
    <message>
        <source>the service at %1 could not be reached: %2</source>
        <translation>não foi possível contactar o serviço em %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached within %2</source>
        <extracomment>%1 the service (&quot;the service at ...&quot;), %2 how long, such as &quot;30 seconds&quot;.</extracomment>
        <translation>não foi possível contactar o %1 no prazo de %2</translation>
    </message>
    <message>
        <source>the address %1 cannot be used: %2</source>
        <translation>não é possível usar o endereço %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be reached: %2</source>
        <translation>não foi possível contactar o %1: %2</translation>
    </message>
    <message>
        <source>the call was cancelled after the request had been sent</source>
        <translation>a chamada foi cancelada depois de o pedido ter sido enviado</translation>
    </message>
    <message>
        <source>the head of the service&apos;s answer is larger than %1 KiB, too large to be an answer</source>
        <translation>o cabeçalho da resposta do serviço tem mais de %1 KiB, demasiado grande para ser uma resposta</translation>
    </message>
    <message>
        <source>the service sent an answer too large to be a reply (over %1 KiB)</source>
        <translation>o serviço enviou uma resposta demasiado grande para ser válida (mais de %1 KiB)</translation>
    </message>
    <message>
        <source>%1 did not finish its answer within %2</source>
        <translation>o %1 não terminou a sua resposta no prazo de %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2</source>
        <translation>o %1 não respondeu no prazo de %2</translation>
    </message>
    <message>
        <source>%1 closed the connection without answering</source>
        <translation>o %1 fechou a ligação sem responder</translation>
    </message>
    <message>
        <source>%1 closed the connection before its answer was complete</source>
        <translation>o %1 fechou a ligação antes de a sua resposta estar completa</translation>
    </message>
    <message>
        <source>the connection to %1 broke before its answer was complete</source>
        <translation>a ligação ao %1 foi interrompida antes de a resposta estar completa</translation>
    </message>
    <message>
        <source>the connection to %1 broke while the request was being sent</source>
        <translation>a ligação ao %1 foi interrompida enquanto o pedido era enviado</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be decompressed (%1)</source>
        <translation>não foi possível descomprimir a resposta do serviço (%1)</translation>
    </message>
    <message>
        <source>%1 answered with something that is not HTTP</source>
        <translation>o %1 respondeu com algo que não é HTTP</translation>
    </message>
    <message>
        <source>the answer of %1 could not be read: %2</source>
        <translation>não foi possível ler a resposta do %1: %2</translation>
    </message>
    <message>
        <source>the connection to the service could not be prepared</source>
        <translation>não foi possível preparar a ligação ao serviço</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>KORVANE&apos;s HTTP transport is not available: %1</source>
        <translation>O transporte HTTP do KORVANE não está disponível: %1</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>it is %1</source>
        <translation>é %1</translation>
    </message>
    <message>
        <source>it belongs to another user and cannot be read</source>
        <translation>pertence a outro utilizador e não pode ser lido</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed</source>
        <translation>ficou para trás e não pode ser removido</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as it belongs to another user</source>
        <translation>ficou para trás e não pode ser removido, pois pertence a outro utilizador</translation>
    </message>
    <message>
        <source>it was left behind and cannot be removed, as there is no permission to change its folder</source>
        <translation>ficou para trás e não pode ser removido, pois não há permissão para alterar a sua pasta</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be used: %2.</source>
        <extracomment>%2 says why: &quot;it belongs to another user and cannot be read&quot;.</extracomment>
        <translation>Não é possível usar o ficheiro de bloqueio %1: %2.</translation>
    </message>
</context>
<context>
    <name>KeychainAccess</name>
    <message>
        <source>no secret store is available</source>
        <translation>não há nenhum cofre de segredos disponível</translation>
    </message>
    <message>
        <source>it did not let KORVANE keep or read passwords</source>
        <translation>não deixou o KORVANE guardar ou ler palavras-passe</translation>
    </message>
    <message>
        <source>it has no &quot;%1&quot; keyring to keep passwords in</source>
        <translation>não tem nenhum porta-chaves &quot;%1&quot; onde guardar palavras-passe</translation>
    </message>
    <message>
        <source>it did not answer as expected</source>
        <translation>não respondeu como esperado</translation>
    </message>
    <message>
        <source>its module could not be loaded (%1)</source>
        <translation>não foi possível carregar o seu módulo (%1)</translation>
    </message>
    <message>
        <source>its module %1 is not KORVANE&apos;s</source>
        <translation>o seu módulo %1 não é o do KORVANE</translation>
    </message>
</context>
<context>
    <name>MessageSend</name>
    <message>
        <source>Your message was not sent. %1</source>
        <extracomment>%1 why, as a whole sentence.</extracomment>
        <translation>A sua mensagem não foi enviada. %1</translation>
    </message>
    <message>
        <source>It is not known whether your message was sent: %1. Check with the recipient before you send it again.</source>
        <extracomment>%1 why, as a clause that starts with a small letter and has no full stop.</extracomment>
        <translation>Não se sabe se a sua mensagem foi enviada: %1. Confirme com o destinatário antes de a voltar a enviar.</translation>
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
        <translation>Os planos de numeração telefónica não estão disponíveis: %1.</translation>
    </message>
</context>
<context>
    <name>PhoneNumbers</name>
    <message>
        <source>%1 has a country code that no country has, so its country is unknown</source>
        <extracomment>Why a contact&apos;s number cannot be imported; %1 the number as written in the file, in quotes. Each of these ends a longer sentence: small letter, no full stop.</extracomment>
        <translation>%1 tem um indicativo que nenhum país tem, por isso o seu país é desconhecido</translation>
    </message>
    <message>
        <source>%1 is too long</source>
        <translation>%1 é demasiado longo</translation>
    </message>
    <message>
        <source>%1 has letters or signs that are not part of a phone number</source>
        <translation>%1 tem letras ou sinais que não fazem parte de um número de telefone</translation>
    </message>
    <message>
        <source>%1 is too short</source>
        <translation>%1 é demasiado curto</translation>
    </message>
    <message>
        <source>%1 is too long: %2 has more than the 15 digits of an international number</source>
        <extracomment>%1 the number as written in the file, in quotes; %2 the same number as the address book keeps it.</extracomment>
        <translation>%1 é demasiado longo: %2 tem mais do que os 15 dígitos de um número internacional</translation>
    </message>
    <message>
        <source>%1 is too short for a phone number of its country (%2)</source>
        <translation>%1 é demasiado curto para um número de telefone do seu país (%2)</translation>
    </message>
    <message>
        <source>%1 is too long for a phone number of its country (%2)</source>
        <translation>%1 é demasiado longo para um número de telefone do seu país (%2)</translation>
    </message>
    <message>
        <source>%1 is not a phone number in the numbering plan of its country (%2)</source>
        <translation>%1 não é um número de telefone do plano de numeração do seu país (%2)</translation>
    </message>
    <message>
        <source>has no phone number</source>
        <translation>não tem número de telefone</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 não tem dígitos</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 could not be loaded (%2)</source>
        <translation>não foi possível carregar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not KORVANE&apos;s</source>
        <translation>%1 não pertence ao KORVANE</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>ReplyContent</name>
    <message>
        <source>its multipart body has no part</source>
        <translation>o seu corpo multipart não tem nenhuma parte</translation>
    </message>
    <message>
        <source>its multipart body is cut short</source>
        <translation>o seu corpo multipart está truncado</translation>
    </message>
    <message>
        <source>a part of its multipart body has no end to its headers</source>
        <translation>uma parte do seu corpo multipart não tem fim de cabeçalhos</translation>
    </message>
    <message>
        <source>its multipart body has no part with the root&apos;s Content-ID</source>
        <translation>o seu corpo multipart não tem nenhuma parte com o Content-ID da raiz</translation>
    </message>
    <message>
        <source>it is a multipart answer without a boundary</source>
        <translation>é uma resposta multipart sem delimitador (boundary)</translation>
    </message>
    <message>
        <source>it is written in the character set &quot;%1&quot;, which cannot be read</source>
        <translation>está escrita no conjunto de caracteres &quot;%1&quot;, que não pode ser lido</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>não é texto %1 válido</translation>
    </message>
</context>
<context>
    <name>SendChecks</name>
    <message>
        <source>You have not selected who to send your message to</source>
        <translation>Não escolheu a quem enviar a sua mensagem</translation>
    </message>
    <message>
        <source>You have not entered your name and number</source>
        <translation>Não introduziu o seu nome e número</translation>
    </message>
    <message>
        <source>You have not entered a message to send</source>
        <translation>Não escreveu nenhuma mensagem para enviar</translation>
    </message>
    <message>
        <source>Your message was not sent: it is %1 characters long, and the most that can be sent is %2.</source>
        <translation>A sua mensagem não foi enviada: tem %1 caracteres, e o máximo que se pode enviar é %2.</translation>
    </message>
    <message>
        <source>your name</source>
        <extracomment>Each names the text that holds a character that cannot be sent, as %1 of &quot;... %1 contains a character that cannot be sent ...&quot;.</extracomment>
        <translation>o seu nome</translation>
    </message>
    <message>
        <source>your number</source>
        <translation>o seu número</translation>
    </message>
    <message>
        <source>the recipient&apos;s number</source>
        <translation>o número do destinatário</translation>
    </message>
    <message>
        <source>the message</source>
        <translation>a mensagem</translation>
    </message>
    <message>
        <source>the country code</source>
        <translation>o código do país</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 contains a character that cannot be sent (U+%2 at position %3). Please remove it and try again.</source>
        <extracomment>%1 which text (&quot;your name&quot;, &quot;the message&quot;...), %2 the character&apos;s code in four or more hex digits, %3 its place in that text, counted in characters from 1.</extracomment>
        <translation>A sua mensagem não foi enviada: %1 contém um carácter que não pode ser enviado (U+%2 na posição %3). Remova-o e tente de novo.</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>Your message was not sent: standard input could not be read: %1.</source>
        <translation>A sua mensagem não foi enviada: não foi possível ler a entrada padrão: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds more than %1 bytes, and the most that can be sent is %2 characters.</source>
        <translation>A sua mensagem não foi enviada: a entrada padrão contém mais de %1 bytes, e o máximo que se pode enviar é %2 caracteres.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input is not UTF-8 text.</source>
        <translation>A sua mensagem não foi enviada: a entrada padrão não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Your message was not sent: the message is not UTF-8 text.</source>
        <translation>A sua mensagem não foi enviada: a mensagem não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password could not be read from standard input: %1.</source>
        <translation>A sua mensagem não foi enviada: não foi possível ler a palavra-passe da entrada padrão: %1.</translation>
    </message>
    <message>
        <source>Your message was not sent: the first line of standard input is too long for a password.</source>
        <translation>A sua mensagem não foi enviada: a primeira linha da entrada padrão é demasiado longa para uma palavra-passe.</translation>
    </message>
    <message>
        <source>Your message was not sent: standard input holds no password for --user.</source>
        <translation>A sua mensagem não foi enviada: a entrada padrão não contém nenhuma palavra-passe para --user.</translation>
    </message>
    <message>
        <source>Your message was not sent: the password on standard input is not UTF-8 text.</source>
        <translation>A sua mensagem não foi enviada: a palavra-passe na entrada padrão não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Give --user once.</source>
        <translation>Indique --user uma só vez.</translation>
    </message>
    <message>
        <source>Give the user name to sign in with: --user NAME.</source>
        <translation>Indique o nome de utilizador com que iniciar sessão: --user NAME.</translation>
    </message>
    <message>
        <source>--password-stdin reads the password of --user NAME; give --user too.</source>
        <translation>--password-stdin lê a palavra-passe de --user NAME; indique também --user.</translation>
    </message>
    <message>
        <source>With --password-stdin, standard input holds the password: give the message as an argument.</source>
        <translation>Com --password-stdin, a entrada padrão contém a palavra-passe: indique a mensagem como argumento.</translation>
    </message>
    <message>
        <source>Give the password of --user in the environment variable KORVANE_PASSWORD, or on standard input with --password-stdin; never as an argument.</source>
        <translation>Indique a palavra-passe de --user na variável de ambiente KORVANE_PASSWORD, ou na entrada padrão com --password-stdin; nunca como argumento.</translation>
    </message>
    <message>
        <source>Say who the message goes to, with --to NAME or --to NUMBER.</source>
        <translation>Diga a quem se destina a mensagem, com --to NAME ou --to NUMBER.</translation>
    </message>
    <message>
        <source>Give --to once: a message goes to one recipient.</source>
        <translation>Indique --to uma só vez: uma mensagem vai para um só destinatário.</translation>
    </message>
    <message>
        <source>Give --country once.</source>
        <translation>Indique --country uma só vez.</translation>
    </message>
    <message>
        <source>There is no country &apos;%1&apos;: give %2, or a code such as de-DE.</source>
        <translation>Não existe o país &apos;%1&apos;: indique %2, ou um código como de-DE.</translation>
    </message>
    <message>
        <source>Give the message as an argument, or - to read it from standard input.</source>
        <translation>Indique a mensagem como argumento, ou - para a ler da entrada padrão.</translation>
    </message>
    <message>
        <source>Give the message as one argument, in quotes.</source>
        <translation>Indique a mensagem como um único argumento, entre aspas.</translation>
    </message>
    <message>
        <source>Your message was not sent: %1 is neither a name in the address book nor a valid phone number, which starts with 00 and the country code: 14 to 17 digits, or fewer where its country&apos;s numbers are shorter.</source>
        <translation>A sua mensagem não foi enviada: %1 não é um nome do livro de endereços nem um número de telefone válido, que começa por 00 e o indicativo do país: 14 a 17 dígitos, ou menos onde os números do país são mais curtos.</translation>
    </message>
    <message>
        <source>Your message was not sent. %1</source>
        <translation>A sua mensagem não foi enviada. %1</translation>
    </message>
    <message>
        <source>This send is not in the history: %1</source>
        <translation>Este envio não ficou no histórico: %1</translation>
    </message>
    <message>
        <source>Your message was sent.</source>
        <translation>A sua mensagem foi enviada.</translation>
    </message>
</context>
<context>
    <name>SendTracker</name>
    <message>
        <source>Sending to %1…</source>
        <extracomment>The status line while a message is on its way; %1 is the recipient.</extracomment>
        <translation>A enviar para %1…</translation>
    </message>
    <message>
        <source>Sent to %1 at %2</source>
        <translation>Enviada para %1 às %2</translation>
    </message>
    <message>
        <source>Not sent to %1 at %2</source>
        <translation>Não enviada para %1 às %2</translation>
    </message>
    <message>
        <source>Not known whether sent to %1 at %2</source>
        <translation>Não se sabe se foi enviada para %1 às %2</translation>
    </message>
</context>
<context>
    <name>ServiceAddress</name>
    <message>
        <source>The service description gives no address for %1.</source>
        <translation>A descrição do serviço não indica nenhum endereço para %1.</translation>
    </message>
</context>
<context>
    <name>ServiceInfo</name>
    <message>
        <source>Definitive terms and conditions are available at %1.</source>
        <translation>Os termos e condições definitivos estão disponíveis em %1.</translation>
    </message>
    <message>
        <source>Warning: Outgoing messages are free, users must be 16+ to use service. This is a non subscription service. Recipients may be charged according to the most recent rates published on %1</source>
        <translation>Aviso: o envio de mensagens é grátis; serviço para maiores de 16 anos, sem subscrição. Os destinatários podem pagar segundo as tarifas mais recentes publicadas em %1</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file %1 cannot be used: it is %2, not a regular file.</source>
        <translation>Não é possível usar o ficheiro de configuração %1: é %2, não um ficheiro normal.</translation>
    </message>
    <message>
        <source>%1 is a file where a folder should be, so %2 cannot be written.</source>
        <translation>%1 é um ficheiro onde devia estar uma pasta, por isso não é possível gravar %2.</translation>
    </message>
    <message>
        <source>There is no permission to write %1.</source>
        <translation>Não há permissão para gravar %1.</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder %1.</source>
        <translation>Não há permissão para gravar na pasta %1.</translation>
    </message>
    <message>
        <source>%1 could not be written; the disk may be full.</source>
        <translation>Não foi possível gravar %1; o disco pode estar cheio.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Why you are asked again</source>
        <translation>Porque lhe é pedido de novo</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Remember the user name and password</source>
        <translation>Lembrar o nome de utilizador e a palavra-passe</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Lembrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in</source>
        <translation>O serviço de SMS em %1 pede-lhe que inicie sessão</translation>
    </message>
    <message>
        <source>The SMS service at %1 asks you to sign in (%2)</source>
        <translation>O serviço de SMS em %1 pede-lhe que inicie sessão (%2)</translation>
    </message>
</context>
<context>
    <name>SignInFlow</name>
    <message>
        <source>The user name or password in the service description was not accepted.</source>
        <translation>O nome de utilizador ou a palavra-passe da descrição do serviço não foram aceites.</translation>
    </message>
    <message>
        <source>The saved user name or password was not accepted.</source>
        <translation>O nome de utilizador ou a palavra-passe guardados não foram aceites.</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>O nome de utilizador ou a palavra-passe não foram aceites.</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password three times</source>
        <translation>o serviço de SMS em %1 recusou três vezes o nome de utilizador e a palavra-passe</translation>
    </message>
    <message>
        <source>the SMS service at %1 did not accept the user name and password for %2 three times</source>
        <extracomment>%2 is the name the service gives the place it asks to sign in to (its realm).</extracomment>
        <translation>o serviço de SMS em %1 recusou três vezes o nome de utilizador e a palavra-passe para %2</translation>
    </message>
    <message>
        <source>the SMS service asked you to sign in</source>
        <translation>o serviço de SMS pediu-lhe que iniciasse sessão</translation>
    </message>
</context>
<context>
    <name>SignInPrompt</name>
    <message>
        <source>you chose not to send your password unencrypted to the SMS service at %1</source>
        <translation>escolheu não enviar a sua palavra-passe sem encriptação ao serviço de SMS em %1</translation>
    </message>
</context>
<context>
    <name>SmsLength</name>
    <message>
        <source>1 character left</source>
        <translation>Resta 1 carácter</translation>
    </message>
    <message numerus="yes">
        <source>%n characters left</source>
        <translation>
            <numerusform>Resta %n carácter</numerusform>
            <numerusform>Restam %n caracteres</numerusform>
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
        <translation>o serviço em %1 não aceitou o nome de utilizador e a palavra-passe</translation>
    </message>
    <message>
        <source>the service at %1 did not accept the user name and password (%2)</source>
        <translation>o serviço em %1 não aceitou o nome de utilizador e a palavra-passe (%2)</translation>
    </message>
</context>
<context>
    <name>SoapClient</name>
    <message>
        <source>Mapping files (WSML) are not supported.</source>
        <translation>Os ficheiros de mapeamento (WSML) não são suportados.</translation>
    </message>
    <message>
        <source>The SOAP client has not been initialised.</source>
        <translation>O cliente SOAP não foi inicializado.</translation>
    </message>
    <message>
        <source>the service&apos;s address in the description is no longer that of the service at %1, which asked you to sign in, so the password was not sent</source>
        <translation>o endereço do serviço na descrição já não é o do serviço em %1, que lhe pediu que iniciasse sessão, por isso a palavra-passe não foi enviada</translation>
    </message>
</context>
<context>
    <name>SoapReplyReader</name>
    <message>
        <source>the service description</source>
        <translation>a descrição do serviço</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>a descrição do serviço em %1</translation>
    </message>
    <message>
        <source>the service answered with a redirect to %1 (%2), which usually means that it took the request and shows its result elsewhere</source>
        <translation>o serviço respondeu com um redirecionamento para %1 (%2), o que normalmente significa que aceitou o pedido e mostra o resultado noutro lado</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>lado nenhum</translation>
    </message>
    <message>
        <source>the service answered with a redirect (%1) without saying where it moved; %2 must be updated with its new address</source>
        <translation>o serviço respondeu com um redirecionamento (%1) sem dizer para onde mudou; %2 tem de ser atualizada com o novo endereço</translation>
    </message>
    <message>
        <source>the service answered that it moved to %1 (%2); %3 must be updated with its new address</source>
        <translation>o serviço respondeu que mudou para %1 (%2); %3 tem de ser atualizada com o novo endereço</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in</source>
        <translation>o serviço em %1 pede-lhe que inicie sessão</translation>
    </message>
    <message>
        <source>the service at %1 asks you to sign in (%2)</source>
        <translation>o serviço em %1 pede-lhe que inicie sessão (%2)</translation>
    </message>
    <message>
        <source>the service refused the request without giving a reason</source>
        <translation>o serviço recusou o pedido sem indicar o motivo</translation>
    </message>
    <message>
        <source>the service refused the request: %1</source>
        <translation>o serviço recusou o pedido: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) is a SOAP envelope without a body, though its description promises an answer</source>
        <translation>a resposta do serviço (%1) é um envelope SOAP sem corpo, embora a descrição do serviço prometa uma resposta</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) has an empty SOAP body, though its description promises an answer</source>
        <translation>a resposta do serviço (%1) tem um corpo SOAP vazio, embora a descrição do serviço prometa uma resposta</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) does not hold the element &quot;%2&quot; that its description promises</source>
        <translation>a resposta do serviço (%1) não contém o elemento &quot;%2&quot; que a descrição do serviço promete</translation>
    </message>
    <message>
        <source>the service&apos;s answer (%1) was empty, though its description promises a SOAP answer</source>
        <translation>a resposta do serviço (%1) veio vazia, embora a descrição do serviço prometa uma resposta SOAP</translation>
    </message>
    <message>
        <source>the service&apos;s answer could not be read: %1</source>
        <translation>não foi possível ler a resposta do serviço: %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not readable XML</source>
        <translation>a resposta do serviço não é XML legível</translation>
    </message>
    <message>
        <source>the service&apos;s answer is not a SOAP message</source>
        <translation>a resposta do serviço não é uma mensagem SOAP</translation>
    </message>
    <message>
        <source>the proxy at %1 refused the request: it asks for a user name and password (%2)</source>
        <translation>o proxy em %1 recusou o pedido: pede um nome de utilizador e uma palavra-passe (%2)</translation>
    </message>
    <message>
        <source>a gateway in front of the service</source>
        <translation>um gateway à frente do serviço</translation>
    </message>
    <message>
        <source>the proxy at %1 or a gateway behind it</source>
        <translation>o proxy em %1 ou um gateway atrás dele</translation>
    </message>
    <message>
        <source>%1 answered with %2, so the request may have reached the service</source>
        <translation>%1 respondeu com %2, por isso o pedido pode ter chegado ao serviço</translation>
    </message>
    <message>
        <source>the service</source>
        <translation>o serviço</translation>
    </message>
    <message>
        <source>the service or the proxy at %1</source>
        <translation>o serviço ou o proxy em %1</translation>
    </message>
    <message>
        <source>%1 answered with %2</source>
        <translation>%1 respondeu com %2</translation>
    </message>
    <message>
        <source>%1 answered with %2 and no SOAP fault, which does not tell whether it took the request</source>
        <translation>%1 respondeu com %2 e sem falha SOAP, o que não diz se aceitou o pedido</translation>
    </message>
    <message>
        <source>the service answered with %1, which is not a final answer</source>
        <translation>o serviço respondeu com %1, que não é uma resposta final</translation>
    </message>
</context>
<context>
    <name>SoapRequestWriter</name>
    <message>
        <source>The operation &quot;%1&quot; takes %2 arguments, but %3 were given.</source>
        <translation>A operação &quot;%1&quot; aceita %2 argumentos, mas foram dados %3.</translation>
    </message>
    <message>
        <source>Argument %1 of &quot;%2&quot; holds a character that cannot be sent (U+%3 at position %4).</source>
        <translation>O argumento %1 de &quot;%2&quot; contém um carácter que não pode ser enviado (U+%3 na posição %4).</translation>
    </message>
</context>
<context>
    <name>StoreChangeLock</name>
    <message>
        <source>The lock file %1 cannot be used: it is %2.</source>
        <translation>Não é possível usar o ficheiro de bloqueio %1: é %2.</translation>
    </message>
</context>
<context>
    <name>TextInput</name>
    <message>
        <source>The file begins like UTF-16 text but is not.</source>
        <translation>O ficheiro começa como texto UTF-16, mas não o é.</translation>
    </message>
    <message>
        <source>The file is not a text file: line %1 holds a NUL byte.</source>
        <translation>O ficheiro não é um ficheiro de texto: a linha %1 contém um byte NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: line %1 holds bytes that are not UTF-8. Save it as UTF-8 and import it again.</source>
        <translation>O ficheiro não é texto UTF-8: a linha %1 contém bytes que não são UTF-8. Grave-o como UTF-8 e importe-o de novo.</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>The name has %1 characters; a recipient&apos;s name has %2 at most.</source>
        <translation>O nome tem %1 caracteres; o nome de um destinatário tem %2 no máximo.</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please use a valid country code prefix</source>
        <translation>%1 não é um número de telefone válido; use um indicativo de país válido</translation>
    </message>
</context>
<context>
    <name>VCard</name>
    <message>
        <source>the file ends before its END:VCARD</source>
        <translation>o ficheiro termina antes do seu END:VCARD</translation>
    </message>
    <message>
        <source>The file holds no vCard: none of its lines says BEGIN:VCARD.</source>
        <translation>O ficheiro não contém nenhum vCard: nenhuma das suas linhas diz BEGIN:VCARD.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>a linha %1 tem mais de %2 bytes</translation>
    </message>
    <message>
        <source>line %1 cannot be read: %2</source>
        <translation>não é possível ler a linha %1: %2</translation>
    </message>
    <message>
        <source>it has no END:VCARD before the card on line %1</source>
        <translation>não tem END:VCARD antes do cartão na linha %1</translation>
    </message>
    <message>
        <source>its base64 text is damaged</source>
        <translation>o seu texto base64 está danificado</translation>
    </message>
    <message>
        <source>it holds a NUL character</source>
        <translation>contém um carácter NUL</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>its character set %1 is not known</source>
        <translation>o seu conjunto de caracteres %1 é desconhecido</translation>
    </message>
    <message>
        <source>it is not valid %1 text</source>
        <translation>não é texto %1 válido</translation>
    </message>
</context>
<context>
    <name>WidgetSignInPrompt</name>
    <message>
        <source>The SMS service at %1 asks for your user name and password without encryption (http://). They would travel unencrypted, and anyone on the network between you and the service could read them.

Send them anyway?</source>
        <translation>O serviço de SMS em %1 pede o seu nome de utilizador e a sua palavra-passe sem encriptação (http://). Seguiriam sem encriptação, e qualquer pessoa na rede entre si e o serviço os poderia ler.

Enviá-los mesmo assim?</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>KORVANE is already running.</source>
        <translation>O KORVANE já está em execução.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Remove it and start KORVANE again.</source>
        <translation>Não é possível iniciar o KORVANE. %1 Remova-o e inicie o KORVANE de novo.</translation>
    </message>
    <message>
        <source>KORVANE cannot start. %1 Move it out of the way and start KORVANE again.</source>
        <translation>Não é possível iniciar o KORVANE. %1 Mude-o de sítio e inicie o KORVANE de novo.</translation>
    </message>
</context>
<context>
    <name>WindowSignIn</name>
    <message>
        <source>KORVANE cannot tell which SMS service to forget the password of. %1</source>
        <translation>O KORVANE não consegue determinar de que serviço de SMS deve esquecer a palavra-passe. %1</translation>
    </message>
    <message>
        <source>KORVANE no longer keeps a password for the SMS service at %1. It asks for one the next time the service asks you to sign in.</source>
        <translation>O KORVANE já não guarda nenhuma palavra-passe para o serviço de SMS em %1. Pedirá uma da próxima vez que o serviço lhe pedir que inicie sessão.</translation>
    </message>
</context>
<context>
    <name>WsdlReader</name>
    <message>
        <source>%1 does not define the input message of the operation %2.</source>
        <translation>%1 não define a mensagem de entrada da operação %2.</translation>
    </message>
    <message>
        <source>The port %1 of %2 gives no SOAP address.</source>
        <translation>Para a porta %1, %2 não indica nenhum endereço SOAP.</translation>
    </message>
    <message>
        <source>The SOAP address %1 of the port %2 in %3 is not an http or https address.</source>
        <translation>O endereço SOAP %1 que %3 indica para a porta %2 não é um endereço http ou https.</translation>
    </message>
    <message>
        <source>The binding %1 of %2 refers to the port type %3, which it does not define.</source>
        <translation>O binding %1 refere-se ao tipo de porta %3, que %2 não define.</translation>
    </message>
    <message>
        <source>%1 refers to the element %2, which its schema does not declare.</source>
        <translation>%1 refere-se ao elemento %2, que o seu esquema não declara.</translation>
    </message>
    <message>
        <source>the service description</source>
        <translation>a descrição do serviço</translation>
    </message>
    <message>
        <source>the service description file %1</source>
        <translation>a descrição do serviço em %1</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 não pôde ser lida: %2.</translation>
    </message>
    <message>
        <source>%1 is %2, not a file that can be read.</source>
        <translation>%1 é %2, não um ficheiro que se possa ler.</translation>
    </message>
    <message>
        <source>%1 is too large to be a service description (over %2 MiB).</source>
        <translation>%1 é demasiado grande para ser uma descrição de serviço (mais de %2 MiB).</translation>
    </message>
    <message>
        <source>%1 is too large (over %2 MiB).</source>
        <translation>%1 é demasiado grande (mais de %2 MiB).</translation>
    </message>
    <message>
        <source>%1 is not usable XML: %2.</source>
        <translation>%1 não é XML utilizável: %2.</translation>
    </message>
    <message>
        <source>%1 is not a WSDL 1.1 description (its root element is &quot;%2&quot;).</source>
        <translation>%1 não é uma descrição WSDL 1.1 (o seu elemento raiz é &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>No service description has been read.</source>
        <translation>Não foi lida nenhuma descrição de serviço.</translation>
    </message>
    <message>
        <source>The port %1 of %2 refers to the binding %3, which it does not define.</source>
        <translation>A porta %1 refere-se ao binding %3, que %2 não define.</translation>
    </message>
    <message>
        <source>%1 has no service named %2.</source>
        <translation>%1 não tem nenhum serviço chamado %2.</translation>
    </message>
    <message>
        <source>%1 has no port named %2.</source>
        <translation>%1 não tem nenhuma porta chamada %2.</translation>
    </message>
    <message>
        <source>The service %1 of %2 has no port named %3.</source>
        <translation>O serviço %1 que %2 define não tem nenhuma porta chamada %3.</translation>
    </message>
    <message>
        <source>%1 offers no SOAP 1.1 or SOAP 1.2 port.</source>
        <translation>%1 não oferece nenhuma porta SOAP 1.1 ou SOAP 1.2.</translation>
    </message>
    <message>
        <source>The port %1 of %2 is not a SOAP port.</source>
        <translation>A porta %1 que %2 define não é uma porta SOAP.</translation>
    </message>
    <message>
        <source>%1 offers no operation %2.</source>
        <translation>%1 não oferece a operação %2.</translation>
    </message>
</context>
<context>
    <name>XmlElement</name>
    <message>
        <source>one of its elements has more than %1 attributes</source>
        <translation>um dos seus elementos tem mais de %1 atributos</translation>
    </message>
    <message>
        <source>it contains a document type declaration, which is not accepted</source>
        <translation>contém uma declaração de tipo de documento, o que não é aceite</translation>
    </message>
    <message>
        <source>it refers to the undeclared entity &quot;%1&quot; at line %2</source>
        <translation>refere-se à entidade não declarada &quot;%1&quot; na linha %2</translation>
    </message>
    <message>
        <source>its elements nest more than %1 levels deep</source>
        <translation>os seus elementos aninham-se em mais de %1 níveis</translation>
    </message>
    <message>
        <source>%1 at line %2, column %3</source>
        <translation>%1 na linha %2, coluna %3</translation>
    </message>
    <message>
        <source>it is empty or holds no element</source>
        <translation>não contém nenhum elemento</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About KORVANE</source>
        <translation>Acerca do KORVANE</translation>
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
        <translation>A terminar o envio…</translation>
    </message>
    <message>
        <source>If you close KORVANE now, it will not be known whether your message was sent.</source>
        <translation>Se fechar o KORVANE agora, não se saberá se a sua mensagem foi enviada.</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Fechar já</translation>
    </message>
    <message>
        <source>KORVANE closes as soon as the service has answered, within 1 second.</source>
        <translation>O KORVANE fecha assim que o serviço responder, dentro de 1 segundo.</translation>
    </message>
    <message numerus="yes">
        <source>KORVANE closes as soon as the service has answered, within %n seconds.</source>
        <translation>
            <numerusform>O KORVANE fecha assim que o serviço responder, dentro de %n segundo.</numerusform>
            <numerusform>O KORVANE fecha assim que o serviço responder, dentro de %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>KORVANE History</source>
        <translation>Histórico do KORVANE</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Procurar:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Name, number or text</source>
        <translation>Nome, número ou texto</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
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
        <translation>Serviço:</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Serviço</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensagem:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Enviar de novo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Limpar histórico</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A name and, in brackets, its phone number.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 after %2 s</source>
        <extracomment>An outcome and how long the send took: &quot;Sent after 1.3 s&quot;.</extracomment>
        <translation>%1 após %2 s</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>An outcome followed by the sentence that says why.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The history cannot be shown. %1</source>
        <translation>Não é possível mostrar o histórico. %1</translation>
    </message>
    <message>
        <source>The history could not be read. %1</source>
        <translation>Não foi possível ler o histórico. %1</translation>
    </message>
    <message>
        <source>Do you want to delete the selected message from the history?</source>
        <translation>Deseja eliminar do histórico a mensagem selecionada?</translation>
    </message>
    <message>
        <source>The message still being sent stays until its outcome is known.</source>
        <translation>A mensagem que ainda está a ser enviada fica até se saber o resultado.</translation>
    </message>
    <message>
        <source>The messages could not be deleted. %1</source>
        <translation>Não foi possível eliminar as mensagens. %1</translation>
    </message>
    <message>
        <source>A message is being sent. The history can be cleared once its outcome is known.</source>
        <translation>Está a ser enviada uma mensagem. O histórico pode ser limpo assim que se souber o resultado.</translation>
    </message>
    <message>
        <source>Do you want to delete every message in the history? This cannot be undone.</source>
        <translation>Deseja eliminar todas as mensagens do histórico? Esta ação não pode ser anulada.</translation>
    </message>
    <message>
        <source>The history could not be cleared. %1</source>
        <translation>Não foi possível limpar o histórico. %1</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar histórico</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be exported. %1</source>
        <translation>Não foi possível exportar o histórico. %1</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete the %n selected messages from the history?</source>
        <translation>
            <numerusform>Deseja eliminar do histórico a %n mensagem selecionada?</numerusform>
            <numerusform>Deseja eliminar do histórico as %n mensagens selecionadas?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n messages still being sent stay until their outcomes are known.</source>
        <translation>
            <numerusform>A %n mensagem que ainda está a ser enviada fica até se saber o resultado.</numerusform>
            <numerusform>As %n mensagens que ainda estão a ser enviadas ficam até se saberem os resultados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSMS</name>
    <message>
        <source>Address Book</source>
        <translation>Livro de endereços</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensagem:</translation>
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
        <translation>&lt;Escolher destinatário&gt;</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>&lt;Change&gt;</source>
        <translation>&lt;Alterar&gt;</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Os seus dados</translation>
    </message>
    <message>
        <source>Use your real name, not a &apos;screen name&apos; otherwise the recipient may not recognise who the message is from. Please use a country-code prefix on your number (0044 for UK)</source>
        <translation>Use o seu nome verdadeiro, não uma &apos;alcunha&apos;, ou o destinatário pode não saber de quem é a mensagem. Ponha o indicativo do país no seu número (0044 para o Reino Unido)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Forget the saved password</source>
        <translation>Esquecer a palavra-passe guardada</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca do KORVANE</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>O seu nome deve ter entre 3 e 11 caracteres</translation>
    </message>
    <message>
        <source>%1 is not a valid phone number, please include a country-code prefix</source>
        <translation>%1 não é um número de telefone válido; inclua o indicativo do país</translation>
    </message>
    <message>
        <source>Your details could not be saved. %1</source>
        <translation>Não foi possível guardar os seus dados. %1</translation>
    </message>
    <message>
        <source>The address book could not be saved. %1</source>
        <translation>Não foi possível guardar o livro de endereços. %1</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation>Deseja remover %1 do livro de endereços?</translation>
    </message>
    <message>
        <source>KORVANE cannot keep a history of your messages. %1 Your messages are still sent.</source>
        <translation>O KORVANE não pode manter um histórico das suas mensagens. %1 As suas mensagens continuam a ser enviadas.</translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation>
            <numerusform>O livro de endereços está cheio: tem %n destinatário, o máximo que pode guardar.</numerusform>
            <numerusform>O livro de endereços está cheio: tem %n destinatários, o máximo que pode guardar.</numerusform>
        </translation>
    </message>
</context>
</TS>
