<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>frmSMS</name>
    <message>
        <source>Do you want to remove %1 from the address book?</source>
        <translation>Voulez-vous supprimer ce destinataire du carnet d&apos;adresses ?</translation>
    </message>
    <message numerus="yes">
        <source>The address book is full: it holds %n recipients, the most it can keep.</source>
        <translation>
            <numerusform>Le carnet d&apos;adresses est plein : il contient %n destinataire.</numerusform>
            <numerusform>Le carnet d&apos;adresses est plein.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
