<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl">
<context>
    <name>Desktop</name>
    <message>
        <source>Lottery Number Picker</source>
        <translation>Бирач бројева за лото</translation>
    </message>
    <message>
        <source>SAMO ZA ZABAVU</source>
        <translation>САМО ЗА ЗАБАВУ</translation>
    </message>
    <message>
        <source>lottery;loto;numbers;</source>
        <translation>лутрија;лото;бројеви;</translation>
    </message>
    <message>
        <source>Lets the computer pick your lottery numbers</source>
        <translation>Нека рачунар изабере ваше бројеве за лото</translation>
    </message>
    <message>
        <source>KRIMVEL picks numbers for a lottery in which a combination is seven numbers from 1 to 39. Press KOMPJUTER for ten combinations, KOMBINACIJA for one combination, or BROJ for a single number, and copy them onto your ticket. The loudspeaker in the corner shows how it works and plays a short recorded greeting.</source>
        <translation>KRIMVEL бира бројеве за лото у коме је комбинација седам бројева од 1 до 39. Притисните KOMPJUTER за десет комбинација, KOMBINACIJA за једну комбинацију или BROJ за један број, и препишите их на листић. Звучник у углу показује како се програм користи и пушта кратак снимљени поздрав.</translation>
    </message>
    <message>
        <source>SAMO ZA ZABAVU: just for fun.</source>
        <translation>САМО ЗА ЗАБАВУ: програм је само за забаву.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Floating-point error while drawing a number.</source>
        <translation>Грешка у рачуну с покретним зарезом при извлачењу броја.</translation>
    </message>
    <message>
        <source>%1 has to close.</source>
        <translation>%1 мора да се затвори.</translation>
    </message>
    <message>
        <source>Drawn numbers</source>
        <translation>Извучени бројеви</translation>
    </message>
    <message>
        <source>Ten combinations</source>
        <translation>Десет комбинација</translation>
    </message>
    <message>
        <source>One combination</source>
        <translation>Једна комбинација</translation>
    </message>
    <message>
        <source>One number</source>
        <translation>Један број</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Звучник</translation>
    </message>
    <message>
        <source>Instructions; a double-click plays the recorded sound</source>
        <translation>Упутство; двоструки клик пушта снимљени звук</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копирај</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Штампај…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Сачувај као PDF…</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О програму %1</translation>
    </message>
    <message>
        <source>%1 %2
%3

Picks lottery numbers: seven from 1 to 39.

Copyright %4
Released under the %5 licence.</source>
        <translation>%1 %2
%3

Бира бројеве за лото: седам од 1 до 39.

Ауторска права %4
Објављено под лиценцом %5.</translation>
    </message>
    <message>
        <source>Uses Qt %1 from Debian, under the GNU LGPL version 3.</source>
        <translation>Користи Qt %1 из Дебијана, под лиценцом GNU LGPL верзије 3.</translation>
    </message>
    <message>
        <source>Uses Qt %1 under the GNU LGPL version 3, built into the program from Debian&apos;s qt6-base source package with the configure options in %2&apos;s source (tools/windows/qt-configure-options). The source of %2 is public, so the program can be relinked with another Qt. The licences are in the program&apos;s folder.</source>
        <translation>Користи Qt %1 под лиценцом GNU LGPL верзије 3, уграђен у програм из Дебијановог изворног пакета qt6-base са опцијама конфигурисања из изворног кода програма %2 (tools/windows/qt-configure-options). Изворни код програма %2 је јаван, па се програм може повезати са другим Qt-ом. Лиценце су у фасцикли програма.</translation>
    </message>
</context>
<context>
    <name>SheetDialogs</name>
    <message>
        <source>Print</source>
        <translation>Штампање</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Чување као PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF датотеке (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Страница није могла да се исцрта.</translation>
    </message>
    <message>
        <source>%1 could not print to
%2

Nothing was printed.</source>
        <translation>%1 није могао да штампа на
%2

Ништа није одштампано.</translation>
    </message>
    <message>
        <source>%1 could not save the PDF file
%2

%3</source>
        <translation>%1 није могао да сачува PDF датотеку
%2

%3</translation>
    </message>
</context>
<context>
    <name>SpokenLines</name>
    <message>
        <source>Combination %1: %2</source>
        <translation>Комбинација %1: %2</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>no audio output available; the loudspeaker stays silent</source>
        <translation>нема звучног излаза; звучник остаје нем</translation>
    </message>
    <message>
        <source>run it on a desktop, or in a virtual one: xvfb-run krimvel</source>
        <translation>покрените га на радној површини или на виртуелној: xvfb-run krimvel</translation>
    </message>
    <message>
        <source>cannot open display &apos;%1&apos;</source>
        <translation>не могу да отворим екран &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open Wayland display &apos;%1&apos;</source>
        <translation>не могу да отворим Wayland екран &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no display (neither WAYLAND_DISPLAY nor DISPLAY is set)</source>
        <translation>нема екрана (нису постављени ни WAYLAND_DISPLAY ни DISPLAY)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; the options are --version and --help</source>
        <translation>непозната опција &apos;%1&apos;; опције су --version и --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; krimvel takes at most one option, --version or --help</source>
        <translation>неочекиван аргумент &apos;%1&apos;; krimvel прима највише једну опцију, --version или --help</translation>
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
        <translation>Употреба: krimvel [--version | --help] [Qt опције]
Отвара прозор програма %1, који бира бројеве за лото: седам од 1 до 39.

  --version  испише име и верзију, па изађе
  --help     испише ову помоћ, па изађе

Прихвата стандардне опције Qt-а, као што су -platform, -style, -reverse и -session;
QT_SCALE_FACTOR увећава прозор. Види krimvel(1).
%1 %2 - %3
</translation>
    </message>
    <message>
        <source>not this program&apos;s sound module</source>
        <translation>то није звучни модул овог програма</translation>
    </message>
    <message>
        <source>the installation is broken: cannot load the loudspeaker&apos;s sound module %1 (%2)</source>
        <translation>инсталација је оштећена: звучни модул звучника %1 не може да се учита (%2)</translation>
    </message>
    <message>
        <source>cannot read the loudspeaker&apos;s sound %1; the loudspeaker stays silent</source>
        <translation>звук звучника %1 не може да се прочита; звучник остаје нем</translation>
    </message>
    <message>
        <source>the audio output failed while playing the loudspeaker&apos;s sound</source>
        <translation>звучни излаз је отказао док је звучник свирао</translation>
    </message>
</context>
</TS>
