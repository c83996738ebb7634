<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn">
<context>
    <name>Desktop</name>
    <message>
        <source>Lottery Number Picker</source>
        <translation>Birač brojeva za loto</translation>
    </message>
    <message>
        <source>SAMO ZA ZABAVU</source>
        <translation>SAMO ZA ZABAVU</translation>
    </message>
    <message>
        <source>lottery;loto;numbers;</source>
        <translation>lutrija;loto;brojevi;</translation>
    </message>
    <message>
        <source>Lets the computer pick your lottery numbers</source>
        <translation>Neka računar izabere vaše brojeve za loto</translation>
    </message>
    <message>
        <source>KRIMVEL picks numbers for a lottery in which a combination is seven numbers from 1 to 39. Press KOMPJUTER for ten combinations, KOMBINACIJA for one combination, or BROJ for a single number, and copy them onto your ticket. The loudspeaker in the corner shows how it works and plays a short recorded greeting.</source>
        <translation>KRIMVEL bira brojeve za loto u kome je kombinacija sedam brojeva od 1 do 39. Pritisnite KOMPJUTER za deset kombinacija, KOMBINACIJA za jednu kombinaciju ili BROJ za jedan broj, i prepišite ih na listić. Zvučnik u uglu pokazuje kako se program koristi i pušta kratak snimljeni pozdrav.</translation>
    </message>
    <message>
        <source>SAMO ZA ZABAVU: just for fun.</source>
        <translation>SAMO ZA ZABAVU: program je samo za zabavu.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Floating-point error while drawing a number.</source>
        <translation>Greška u računu s pokretnim zarezom pri izvlačenju broja.</translation>
    </message>
    <message>
        <source>%1 has to close.</source>
        <translation>%1 mora da se zatvori.</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Izvučeni brojevi</translation>
    </message>
    <message>
        <source>Ten combinations</source>
        <translation>Deset kombinacija</translation>
    </message>
    <message>
        <source>One combination</source>
        <translation>Jedna kombinacija</translation>
    </message>
    <message>
        <source>One number</source>
        <translation>Jedan broj</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Zvučnik</translation>
    </message>
    <message>
        <source>Instructions; a double-click plays the recorded sound</source>
        <translation>Uputstvo; dvostruki klik pušta snimljeni zvuk</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Štampaj…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Sačuvaj kao PDF…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>%1 %2
%3

Picks lottery numbers: seven from 1 to 39.

Copyright %4
Released under the %5 licence.</source>
        <translation>%1 %2
%3

Bira brojeve za loto: sedam od 1 do 39.

Autorska prava %4
Objavljeno pod licencom %5.</translation>
    </message>
    <message>
        <source>Uses Qt %1 from Debian, under the GNU LGPL version 3.</source>
        <translation>Koristi Qt %1 iz Debijana, pod licencom GNU LGPL verzije 3.</translation>
    </message>
    <message>
        <source>Uses Qt %1 under the GNU LGPL version 3, built into the program from Debian&apos;s qt6-base source package with the configure options in %2&apos;s source (tools/windows/qt-configure-options). The source of %2 is public, so the program can be relinked with another Qt. The licences are in the program&apos;s folder.</source>
        <translation>Koristi Qt %1 pod licencom GNU LGPL verzije 3, ugrađen u program iz Debijanovog izvornog paketa qt6-base sa opcijama konfigurisanja iz izvornog koda programa %2 (tools/windows/qt-configure-options). Izvorni kod programa %2 je javan, pa se program može povezati sa drugim Qt-om. Licence su u fascikli programa.</translation>
    </message>
</context>
<context>
    <name>SheetDialogs</name>
    <message>
        <source>Print</source>
        <translation>Štampanje</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Čuvanje kao PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF datoteke (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Stranica nije mogla da se iscrta.</translation>
    </message>
    <message>
        <source>%1 could not print to
%2

Nothing was printed.</source>
        <translation>%1 nije mogao da štampa na
%2

Ništa nije odštampano.</translation>
    </message>
    <message>
        <source>%1 could not save the PDF file
%2

%3</source>
        <translation>%1 nije mogao da sačuva PDF datoteku
%2

%3</translation>
    </message>
</context>
<context>
    <name>SpokenLines</name>
    <message>
        <source>Combination %1: %2</source>
        <translation>Kombinacija %1: %2</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>no audio output available; the loudspeaker stays silent</source>
        <translation>nema zvučnog izlaza; zvučnik ostaje nem</translation>
    </message>
    <message>
        <source>run it on a desktop, or in a virtual one: xvfb-run krimvel</source>
        <translation>pokrenite ga na radnoj površini ili na virtuelnoj: xvfb-run krimvel</translation>
    </message>
    <message>
        <source>cannot open display &apos;%1&apos;</source>
        <translation>ne mogu da otvorim ekran &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open Wayland display &apos;%1&apos;</source>
        <translation>ne mogu da otvorim Wayland ekran &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>nema ekrana (nisu postavljeni ni WAYLAND_DISPLAY ni DISPLAY)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; the options are --version and --help</source>
        <translation>nepoznata opcija &apos;%1&apos;; opcije su --version i --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; krimvel takes at most one option, --version or --help</source>
        <translation>neočekivan argument &apos;%1&apos;; krimvel prima najviše jednu opciju, --version ili --help</translation>
    </message>
    <message>
        <source>Usage: krimvel [--version | --help] [Qt options]
Opens the window of %1, which picks lottery numbers: seven from 1 to 39.

  --version  print the name and version, then exit
  --help     print this help, then exit

Qt&apos;s standard options, such as -platform, -style, -reverse and -session, are
accepted; QT_SCALE_FACTOR scales the window. See krimvel(1).
%1 %2 - %3
</source>
        <translation>Upotreba: krimvel [--version | --help] [Qt opcije]
Otvara prozor programa %1, koji bira brojeve za loto: sedam od 1 do 39.

  --version  ispiše ime i verziju, pa izađe
  --help     ispiše ovu pomoć, pa izađe

Prihvata standardne opcije Qt-a, kao što su -platform, -style, -reverse i -session;
QT_SCALE_FACTOR uvećava prozor. Vidi krimvel(1).
%1 %2 - %3
</translation>
    </message>
    <message>
        <source>not this program&apos;s sound module</source>
        <translation>to nije zvučni modul ovog programa</translation>
    </message>
    <message>
        <source>the installation is broken: cannot load the loudspeaker&apos;s sound module %1 (%2)</source>
        <translation>instalacija je oštećena: zvučni modul zvučnika %1 ne može da se učita (%2)</translation>
    </message>
    <message>
        <source>cannot read the loudspeaker&apos;s sound %1; the loudspeaker stays silent</source>
        <translation>zvuk zvučnika %1 ne može da se pročita; zvučnik ostaje nem</translation>
    </message>
    <message>
        <source>the audio output failed while playing the loudspeaker&apos;s sound</source>
        <translation>zvučni izlaz je otkazao dok je zvučnik svirao</translation>
    </message>
</context>
</TS>
