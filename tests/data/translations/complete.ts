<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>frmSMS</name>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation>Möchten Sie %1 aus dem Adressbuch entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation>
            <numerusform>Das Adressbuch ist voll: Es fasst %n Empfänger, mehr nicht.</numerusform>
            <numerusform>Das Adressbuch ist voll: Es fasst %n Empfänger, mehr nicht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gone from the code</source>
        <translation type="vanished">Aus dem Code verschwunden</translation>
    </message>
</context>
</TS>
