<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn">
<context>
    <name>WebPage</name>
    <message>
        <source>%1 needs JavaScript to draw numbers: turn it on for this page and load the page again.</source>
        <translation>%1 za izvlačenje brojeva treba JavaScript: uključite ga za ovu stranicu i ponovo je učitajte.</translation>
    </message>
    <message>
        <source>%1 cannot run in this browser: it does not support WebAssembly.</source>
        <translation>%1 ne može da radi u ovom pregledaču: pregledač ne podržava WebAssembly.</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 nije mogao da se pokrene: %2</translation>
    </message>
    <message>
        <source>Here the page works only while online: this browser keeps no files for use without a connection.</source>
        <translation>Ovde stranica radi samo uz vezu: ovaj pregledač ne čuva datoteke za rad bez veze.</translation>
    </message>
    <message>
        <source>This browser cannot play sound.</source>
        <translation>Ovaj pregledač ne može da pušta zvuk.</translation>
    </message>
    <message>
        <source>The recorded sound could not be loaded: it is loaded the first time it plays, which needs a connection.</source>
        <translation>Snimljeni zvuk nije mogao da se učita: učitava se kada se prvi put pušta, za šta je potrebna veza.</translation>
    </message>
    <message>
        <source>This browser cannot play the recorded sound (MP3).</source>
        <translation>Ovaj pregledač ne može da pusti snimljeni zvuk (MP3).</translation>
    </message>
    <message>
        <source>%1 ran into a problem: %2</source>
        <translation>%1 je naišao na problem: %2</translation>
    </message>
    <message>
        <source>A new version is ready: loading it clears the numbers shown.</source>
        <translation>Nova verzija je spremna: njeno učitavanje briše prikazane brojeve.</translation>
    </message>
    <message>
        <source>Load the new version</source>
        <translation>Učitaj novu verziju</translation>
    </message>
    <message>
        <source>A new version was loaded in another tab: load this page again to use it, which clears the numbers shown.</source>
        <translation>Nova verzija je učitana u drugoj kartici: za nju ovu stranicu treba ponovo učitati, čime se brišu prikazani brojevi.</translation>
    </message>
    <message>
        <source>Load the page again</source>
        <translation>Ponovo učitaj stranicu</translation>
    </message>
</context>
</TS>
