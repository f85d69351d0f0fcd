<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
    <name>ProgramVersion</name>
    <message>
        <source>Version %1</source>
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
    <name>StoreChangeLock</name>
    <message>
        <source>The lock file %1 cannot be used: it is %2.</source>
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
