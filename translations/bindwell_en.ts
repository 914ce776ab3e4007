<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchRun</name>
    <message numerus="yes">
        <source>%n books failed:</source>
        <translation>
            <numerusform>%n book failed:</numerusform>
            <numerusform>%n books failed:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Stopped. (%n epubs fixed.)</numerusform>
            <numerusform>Stopped. (%n epubs fixed.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Okay, your books are all set. (%n epubs fixed.)</source>
        <translation>
            <numerusform>Okay, your books are all set. (%n epubs fixed.)</numerusform>
            <numerusform>Okay, your books are all set. (%n epubs fixed.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books were left as they were: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n book was left as it was: it cannot be fixed safely.</numerusform>
            <numerusform> %n books were left as they were: they cannot be fixed safely.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n of them were already as the options ask, and were left untouched.</source>
        <translation>
            <numerusform> %n of them was already as the options ask, and was left untouched.</numerusform>
            <numerusform> %n of them were already as the options ask, and were left untouched.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language was found; they keep the one they name.</source>
        <translation>
            <numerusform> For %n of them no language was found; it keeps the one it names.</numerusform>
            <numerusform> For %n of them no language was found; they keep the one they name.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message numerus="yes">
        <source>about %n minutes left</source>
        <translation>
            <numerusform>about %n minute left</numerusform>
            <numerusform>about %n minutes left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n books</source>
        <translation>
            <numerusform>%1 of %n book</numerusform>
            <numerusform>%1 of %n books</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Protection</name>
    <message numerus="yes">
        <source>protected: %1 encrypts %2 and %n more</source>
        <extracomment>%1 is META-INF/encryption.xml, %2 the first resource it encrypts, %n how many more it encrypts.</extracomment>
        <translation>
            <numerusform>protected: %1 encrypts %2 and %n more</numerusform>
            <numerusform>protected: %1 encrypts %2 and %n more</numerusform>
        </translation>
    </message>
</context>
</TS>
