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
    <message numerus="yes">
        <source>%n epubs would be fixed</source>
        <extracomment>Followed by what the other counts say, then a full stop: &quot;40 epubs would be fixed; 38 of them are already as the options ask.&quot;</extracomment>
        <translation>
            <numerusform>%n epub would be fixed</numerusform>
            <numerusform>%n epubs would be fixed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them are already as the options ask</source>
        <translation>
            <numerusform>; %n of them is already as the options ask</numerusform>
            <numerusform>; %n of them are already as the options ask</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> For %n of them no language would be found; they would keep the one they name.</source>
        <translation>
            <numerusform> For %n of them no language would be found; it would keep the one it names.</numerusform>
            <numerusform> For %n of them no language would be found; they would keep the one they name.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n books would be left as they are: they cannot be fixed safely.</source>
        <translation>
            <numerusform> %n book would be left as it is: it cannot be fixed safely.</numerusform>
            <numerusform> %n books would be left as they are: they cannot be fixed safely.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FixRecord</name>
    <message numerus="yes">
        <source>%n stylesheets edited</source>
        <translation>
            <numerusform>%n stylesheet edited</numerusform>
            <numerusform>%n stylesheets edited</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets, </source>
        <extracomment>Followed by the declarations removed: &quot;3 stylesheets, 41 declarations removed&quot;.</extracomment>
        <translation>
            <numerusform>%n stylesheet, </numerusform>
            <numerusform>%n stylesheets, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n declarations removed</source>
        <translation>
            <numerusform>%n declaration removed</numerusform>
            <numerusform>%n declarations removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stylesheets deleted</source>
        <translation>
            <numerusform>%n stylesheet deleted</numerusform>
            <numerusform>%n stylesheets deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the links to them taken out of %n documents</source>
        <translation>
            <numerusform>the links to them taken out of %n document</numerusform>
            <numerusform>the links to them taken out of %n documents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures, %1 → %2</source>
        <extracomment>%1 and %2 are the pictures&apos; sizes before and after: &quot;12 pictures, 4.1 MB → 1.2 MB&quot;.</extracomment>
        <translation>
            <numerusform>%n picture, %1 → %2</numerusform>
            <numerusform>%n pictures, %1 → %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n encoding declarations added</source>
        <translation>
            <numerusform>%n encoding declaration added</numerusform>
            <numerusform>%n encoding declarations added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>            <numerusform>%n byte</numerusform>            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sentences and pictures in Kobo&apos;s spans</source>
        <translation>
            <numerusform>%n sentence or picture in Kobo&apos;s spans</numerusform>
            <numerusform>%n sentences and pictures in Kobo&apos;s spans</numerusform>
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
