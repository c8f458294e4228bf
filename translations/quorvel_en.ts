<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>Sprachwahl</name>
    <message>
        <source>Nach --sprache fehlt de oder en.</source>
        <translation>--sprache needs de or en after it.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Sprache von Quorvel: de oder en.</source>
        <translation>“%1” is not a language Quorvel speaks: de or en.</translation>
    </message>
</context>
</TS>
