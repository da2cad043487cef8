<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>tallimax::TapeDocument</name>
    <message numerus="yes">
        <source>Opened %1, %n line(s)</source>
        <extracomment>Said after a tape was opened: %1 is the file&apos;s name; %n how many lines it holds.</extracomment>
        <translation>
            <numerusform>Opened %1, %n line</numerusform>
            <numerusform>Opened %1, %n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tallimax::TapeWindow</name>
    <message numerus="yes">
        <source>Tape, %n line(s)</source>
        <extracomment>Said by a screen reader when the tape opens; %n is how many lines it holds, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>Tape, %n line</numerusform>
            <numerusform>Tape, %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n line(s)</source>
        <extracomment>Said by a screen reader after the tape&apos;s Copy; %n is how many lines were copied, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>Copied %n line</numerusform>
            <numerusform>Copied %n lines</numerusform>
        </translation>
    </message>
</context>
</TS>
