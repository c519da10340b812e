<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr_FR">
<context>
    <name>Tf_Carnet</name>
    <message numerus="yes">
        <location filename="../src/screens/carnet.cpp" line="+223"/>
        <source>Les %n grilles sont prêtes.</source>
        <translation>
            <numerusform>Les %n grilles sont prêtes.</numerusform>
            <numerusform>Les %n grilles sont prêtes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tf_Statistiques</name>
    <message numerus="yes">
        <location filename="../src/screens/statistiquesscreen.cpp" line="+49"/>
        <source>%n jour(s)</source>
        <extracomment>A run of days: &quot;0 jour&quot; and &quot;1 jour&quot;, then &quot;2 jours&quot; in French.</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
</TS>
