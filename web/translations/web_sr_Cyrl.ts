<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl">
<context>
    <name>WebPage</name>
    <message>
        <source>%1 needs JavaScript to draw numbers: turn it on for this page and load the page again.</source>
        <translation>%1 за извлачење бројева треба JavaScript: укључите га за ову страницу и поново је учитајте.</translation>
    </message>
    <message>
        <source>%1 cannot run in this browser: it does not support WebAssembly.</source>
        <translation>%1 не може да ради у овом прегледачу: прегледач не подржава WebAssembly.</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 није могао да се покрене: %2</translation>
    </message>
    <message>
        <source>Here the page works only while online: this browser keeps no files for use without a connection.</source>
        <translation>Овде страница ради само уз везу: овај прегледач не чува датотеке за рад без везе.</translation>
    </message>
    <message>
        <source>This browser cannot play sound.</source>
        <translation>Овај прегледач не може да пушта звук.</translation>
    </message>
    <message>
        <source>The recorded sound could not be loaded: it is loaded the first time it plays, which needs a connection.</source>
        <translation>Снимљени звук није могао да се учита: учитава се када се први пут пушта, за шта је потребна веза.</translation>
    </message>
    <message>
        <source>This browser cannot play the recorded sound (MP3).</source>
        <translation>Овај прегледач не може да пусти снимљени звук (MP3).</translation>
    </message>
    <message>
        <source>%1 ran into a problem: %2</source>
        <translation>%1 је наишао на проблем: %2</translation>
    </message>
    <message>
        <source>A new version is ready: loading it clears the numbers shown.</source>
        <translation>Нова верзија је спремна: њено учитавање брише приказане бројеве.</translation>
    </message>
    <message>
        <source>Load the new version</source>
        <translation>Учитај нову верзију</translation>
    </message>
    <message>
        <source>A new version was loaded in another tab: load this page again to use it, which clears the numbers shown.</source>
        <translation>Нова верзија је учитана у другој картици: за њу ову страницу треба поново учитати, чиме се бришу приказани бројеви.</translation>
    </message>
    <message>
        <source>Load the page again</source>
        <translation>Поново учитај страницу</translation>
    </message>
</context>
</TS>
