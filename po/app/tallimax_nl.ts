<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, else LTR. The calculator&apos;s window keeps its layout either way; the readout&apos;s menu and messages follow it.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>tallimax::CalculatorWindow</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the readout&apos;s context menu: copies the number shown. The &amp; marks the access key.</extracomment>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>In the readout&apos;s context menu: types the clipboard&apos;s number or calculation.</extracomment>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>In the readout&apos;s context menu: takes back the last step (key press or paste).</extracomment>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>In the readout&apos;s context menu: puts back the last step taken back.</extracomment>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <extracomment>In the readout&apos;s context menu: opens or closes the tape, the list of every number typed.</extracomment>
        <translation>&amp;Telrol</translation>
    </message>
    <message>
        <source>Reset all</source>
        <extracomment>The name a screen reader says for the RESET ALL key, which clears everything.</extracomment>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Divide</source>
        <extracomment>The name a screen reader says for the division key, &quot;/&quot;.</extracomment>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>The name a screen reader says for the addition key, &quot;+&quot;.</extracomment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Multiply</source>
        <extracomment>The name a screen reader says for the multiplication key, &quot;X&quot;.</extracomment>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Minus</source>
        <extracomment>The name a screen reader says for the subtraction key, &quot;-&quot;, which also starts a negative number.</extracomment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Equals</source>
        <extracomment>The name a screen reader says for the key that shows the result, &quot;=&quot;.</extracomment>
        <translation>Is gelijk aan</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <extracomment>The name a screen reader says for the decimal point key, &quot;.&quot;, which types the locale&apos;s decimal separator.</extracomment>
        <translation>Decimale komma</translation>
    </message>
    <message>
        <source>Readout: the number being typed or the last result</source>
        <extracomment>What the large label showing the number is for, said by a screen reader after the number.</extracomment>
        <translation>Scherm: het getal dat wordt ingevoerd of het laatste antwoord</translation>
    </message>
    <message>
        <source>Action panel: what the calculator just did</source>
        <extracomment>What the label under &quot;Just Did:&quot; is for, said by a screen reader after its text (such as &quot;Plus(+)&quot;, which stays in English).</extracomment>
        <translation>Actiepaneel: wat de rekenmachine zojuist deed</translation>
    </message>
</context>
<context>
    <name>tallimax::KeyTyper</name>
    <message>
        <source>Nothing to paste: the clipboard holds no text.</source>
        <extracomment>Shown by the readout for five seconds, and said by a screen reader.</extracomment>
        <translation>Niets om te plakken: het klembord bevat geen tekst.</translation>
    </message>
    <message>
        <source>Not pasted: the text is too long to type.</source>
        <extracomment>Shown by the readout: the pasted text is over 10,000 characters or keys.</extracomment>
        <translation>Niet geplakt: de tekst is te lang om in te voeren.</translation>
    </message>
    <message>
        <source>Not pasted: the text is not a number or a calculation.</source>
        <extracomment>Shown by the readout: the pasted text holds something no key types.</extracomment>
        <translation>Niet geplakt: de tekst is geen getal of berekening.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Undo has no step to take back.</extracomment>
        <translation>Niets om ongedaan te maken.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Redo has no step to put back.</extracomment>
        <translation>Niets om opnieuw te doen.</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <extracomment>Said by a screen reader after Copy; %1 is the number copied.</extracomment>
        <translation>%1 gekopieerd</translation>
    </message>
    <message>
        <source>Not corrected: close the warning first.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when the tape is corrected while the division-by-zero warning is open.</extracomment>
        <translation>Niet gecorrigeerd: sluit eerst de waarschuwing.</translation>
    </message>
    <message>
        <source>Not corrected: the number is too long.</source>
        <extracomment>Shown by the readout, and said by a screen reader: a corrected number over 10,000 characters or keys.</extracomment>
        <translation>Niet gecorrigeerd: het getal is te lang.</translation>
    </message>
    <message>
        <source>Not corrected: the text is not a number.</source>
        <extracomment>Shown by the readout, and said by a screen reader: the tape&apos;s line was given a text that is not one number.</extracomment>
        <translation>Niet gecorrigeerd: de tekst is geen getal.</translation>
    </message>
    <message>
        <source>Total now %1</source>
        <extracomment>Said by a screen reader after a line of the tape was corrected or removed; %1 is the running result the tape now comes to.</extracomment>
        <translation>Totaal nu %1</translation>
    </message>
    <message>
        <source>Tape cleared</source>
        <extracomment>Said by a screen reader when the tape was emptied.</extracomment>
        <translation>Telrol gewist</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader after a step: the action panel&apos;s text, then the readout&apos;s.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeModel</name>
    <message>
        <source>Reset all</source>
        <extracomment>Said by a screen reader for the tape&apos;s line that RESET ALL draws.</extracomment>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Part of what a screen reader says for a tape line ending with &quot;=&quot;: &quot;34, equals, total 46&quot;.</extracomment>
        <translation>totaal %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <extracomment>Part of what a screen reader says for a tape line whose operator worked out a running result: &quot;3, multiply, result 5&quot;.</extracomment>
        <translation>tussenresultaat %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the parts of a tape line said by a screen reader: number, operator, result.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>tallimax::TapeWindow</name>
    <message>
        <source>Number</source>
        <extracomment>What a screen reader says for the box that corrects a tape line&apos;s number.</extracomment>
        <translation>Getal</translation>
    </message>
    <message>
        <source>Operator</source>
        <extracomment>What a screen reader says for the list that changes a tape line&apos;s operator.</extracomment>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Tallimax tape</source>
        <extracomment>The title of the window that lists every number typed, with its operator and result.</extracomment>
        <translation>Tallimax-telrol</translation>
    </message>
    <message>
        <source>Tape</source>
        <extracomment>What a screen reader says for the list of the tape&apos;s lines.</extracomment>
        <translation>Telrol</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>In the tape&apos;s context menu: corrects the line&apos;s number or operator.</extracomment>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <extracomment>In the tape&apos;s context menu: types the line&apos;s number into the calculator.</extracomment>
        <translation>&amp;Gebruiken</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the tape&apos;s context menu: copies the selected lines, a tab between columns.</extracomment>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>In the tape&apos;s context menu: removes the line&apos;s number and operator.</extracomment>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>In the tape&apos;s context menu: selects every line.</extracomment>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>In the tape&apos;s context menu: empties the tape; the calculator stays as it is.</extracomment>
        <translation>&amp;Wissen</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n line(s)</source>
        <extracomment>Said by a screen reader when the tape opens; %n is how many lines it holds, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>Telrol, %n regel</numerusform>
            <numerusform>Telrol, %n regels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n line(s)</source>
        <extracomment>Said by a screen reader after the tape&apos;s Copy; %n is how many lines were copied, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>%n regel gekopieerd</numerusform>
            <numerusform>%n regels gekopieerd</numerusform>
        </translation>
    </message>
    <message>
        <source>No line to delete.</source>
        <extracomment>Shown under the tape, and said by a screen reader, when Delete finds no line.</extracomment>
        <translation>Geen regel om te verwijderen.</translation>
    </message>
</context>
</TS>
