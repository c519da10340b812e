<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
<context>
    <name>TOptions</name>
    <message>
        <location filename="../src/storage/options.cpp" line="+80"/>
        <source>Langue&#xa0;:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatique suit la langue du bureau</source>
        <translation>Automatic follows the language of the desktop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Prend effet au prochain démarrage.</source>
        <extracomment>Beside the language&apos;s list: the language is chosen once, at start.</extracomment>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatique|Français|English|</source>
        <extracomment>The choices of the language, each ended by &apos;|&apos;: each language in its own.</extracomment>
        <translation>Automatic|Français|English|</translation>
    </message>
</context>
</TS>
