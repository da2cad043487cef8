<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, else LTR. The calculator&apos;s window keeps its layout either way; the readout&apos;s menu and messages follow it.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>tallimax::CalculatorWindow</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the readout&apos;s context menu: copies the number shown. The &amp; marks the access key.</extracomment>
        <translation>&amp;رونوشت</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>In the readout&apos;s context menu: types the clipboard&apos;s number or calculation.</extracomment>
        <translation>&amp;چسباندن</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>In the readout&apos;s context menu: takes back the last step (key press or paste).</extracomment>
        <translation>&amp;واگرد</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>In the readout&apos;s context menu: puts back the last step taken back.</extracomment>
        <translation>&amp;از نو</translation>
    </message>
    <message>
        <source>Reset all</source>
        <extracomment>The name a screen reader says for the RESET ALL key, which clears everything.</extracomment>
        <translation>بازنشانی همه</translation>
    </message>
    <message>
        <source>Divide</source>
        <extracomment>The name a screen reader says for the division key, &quot;/&quot;.</extracomment>
        <translation>تقسیم</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>The name a screen reader says for the addition key, &quot;+&quot;.</extracomment>
        <translation>به‌علاوه</translation>
    </message>
    <message>
        <source>Multiply</source>
        <extracomment>The name a screen reader says for the multiplication key, &quot;X&quot;.</extracomment>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>Minus</source>
        <extracomment>The name a screen reader says for the subtraction key, &quot;-&quot;, which also starts a negative number.</extracomment>
        <translation>منها</translation>
    </message>
    <message>
        <source>Equals</source>
        <extracomment>The name a screen reader says for the key that shows the result, &quot;=&quot;.</extracomment>
        <translation>مساوی</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <extracomment>The name a screen reader says for the decimal point key, &quot;.&quot;, which types the locale&apos;s decimal separator.</extracomment>
        <translation>ممیز</translation>
    </message>
    <message>
        <source>Readout: the number being typed or the last result</source>
        <extracomment>What the large label showing the number is for, said by a screen reader after the number.</extracomment>
        <translation>نمایشگر: عددی که در حال وارد کردنش هستید یا آخرین نتیجه</translation>
    </message>
    <message>
        <source>Action panel: what the calculator just did</source>
        <extracomment>What the label under &quot;Just Did:&quot; is for, said by a screen reader after its text (such as &quot;Plus(+)&quot;, which stays in English).</extracomment>
        <translation>پنل کنش: کاری که ماشین‌حساب همین حالا انجام داد</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <extracomment>In the readout&apos;s context menu: opens or closes the tape, the list of every number typed.</extracomment>
        <translation>&amp;نوار</translation>
    </message>
</context>
<context>
    <name>tallimax::KeyTyper</name>
    <message>
        <source>Nothing to paste: the clipboard holds no text.</source>
        <extracomment>Shown by the readout for five seconds, and said by a screen reader.</extracomment>
        <translation>چیزی برای چسباندن نیست: تخته‌گیره هیچ متنی ندارد.</translation>
    </message>
    <message>
        <source>Not pasted: the text is too long to type.</source>
        <extracomment>Shown by the readout: the pasted text is over 10,000 characters or keys.</extracomment>
        <translation>چسبانده نشد: متن برای تایپ کردن بیش از حد طولانی است.</translation>
    </message>
    <message>
        <source>Not pasted: the text is not a number or a calculation.</source>
        <extracomment>Shown by the readout: the pasted text holds something no key types.</extracomment>
        <translation>چسبانده نشد: متن نه عدد است و نه محاسبه.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Undo has no step to take back.</extracomment>
        <translation>چیزی برای واگرد نیست.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Redo has no step to put back.</extracomment>
        <translation>چیزی برای از نو نیست.</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <extracomment>Said by a screen reader after Copy; %1 is the number copied.</extracomment>
        <translation>%1 رونوشت شد</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader after a step: the action panel&apos;s text, then the readout&apos;s.</extracomment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeEditor</name>
    <message>
        <source>Not corrected: close the warning first.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when the tape is corrected while the division-by-zero warning is open.</extracomment>
        <translation>اصلاح نشد: نخست هشدار را ببندید.</translation>
    </message>
    <message>
        <source>Not corrected: the number is too long.</source>
        <extracomment>Shown by the readout, and said by a screen reader: a corrected number over 10,000 characters or keys.</extracomment>
        <translation>اصلاح نشد: عدد بیش از حد طولانی است.</translation>
    </message>
    <message>
        <source>Not corrected: the text is not a number.</source>
        <extracomment>Shown by the readout, and said by a screen reader: the tape&apos;s line was given a text that is not one number.</extracomment>
        <translation>اصلاح نشد: متن عدد نیست.</translation>
    </message>
    <message>
        <source>Total now %1</source>
        <extracomment>Said by a screen reader after a line of the tape was corrected or removed; %1 is the running result the tape now comes to.</extracomment>
        <translation>حاصل اکنون %1</translation>
    </message>
    <message>
        <source>Tape cleared</source>
        <extracomment>Said by a screen reader when the tape was emptied.</extracomment>
        <translation>نوار پاک شد</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeModel</name>
    <message>
        <source>Reset all</source>
        <extracomment>Said by a screen reader for the tape&apos;s line that RESET ALL draws.</extracomment>
        <translation>بازنشانی همه</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Part of what a screen reader says for a tape line ending with &quot;=&quot;: &quot;34, equals, total 46&quot;.</extracomment>
        <translation>حاصل %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <extracomment>Part of what a screen reader says for a tape line whose operator worked out a running result: &quot;3, multiply, result 5&quot;.</extracomment>
        <translation>نتیجه %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the parts of a tape line said by a screen reader: number, operator, result.</extracomment>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>tallimax::TapePrint</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>At the foot of each page of the printed tape.</extracomment>
        <translation>صفحهٔ %1 از %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>After Export as PDF failed: %1 is the file&apos;s path, %2 why it failed.</extracomment>
        <translation>نوشتن %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>When printing cannot start because Tallimax&apos;s print module is missing or broken; %1 is the system&apos;s reason.</extracomment>
        <translation>چاپ در دسترس نیست: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <extracomment>When the printer chosen in the print dialog could not be started.</extracomment>
        <translation>چاپگر راه‌اندازی نشد.</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeWindow</name>
    <message>
        <source>Number</source>
        <extracomment>What a screen reader says for the box that corrects a tape line&apos;s number.</extracomment>
        <translation>عدد</translation>
    </message>
    <message>
        <source>Operator</source>
        <extracomment>What a screen reader says for the list that changes a tape line&apos;s operator.</extracomment>
        <translation>عملگر</translation>
    </message>
    <message>
        <source>Tallimax tape</source>
        <extracomment>The title of the window that lists every number typed, with its operator and result.</extracomment>
        <translation>نوار Tallimax</translation>
    </message>
    <message>
        <source>Tape</source>
        <extracomment>What a screen reader says for the list of the tape&apos;s lines.</extracomment>
        <translation>نوار</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>In the tape&apos;s context menu: corrects the line&apos;s number or operator.</extracomment>
        <translation>&amp;ویرایش</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <extracomment>In the tape&apos;s context menu: types the line&apos;s number into the calculator.</extracomment>
        <translation>&amp;استفاده</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the tape&apos;s context menu: copies the selected lines, a tab between columns.</extracomment>
        <translation>&amp;رونوشت</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>In the tape&apos;s context menu: removes the line&apos;s number and operator.</extracomment>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>In the tape&apos;s context menu: selects every line.</extracomment>
        <translation>انتخاب &amp;همه</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>In the tape&apos;s context menu: empties the tape; the calculator stays as it is.</extracomment>
        <translation>&amp;پاک کردن</translation>
    </message>
    <message>
        <source>No line to delete.</source>
        <extracomment>Shown under the tape, and said by a screen reader, when Delete finds no line.</extracomment>
        <translation>سطری برای حذف نیست.</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n line(s)</source>
        <extracomment>Said by a screen reader when the tape opens; %n is how many lines it holds, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>نوار، %n سطر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n line(s)</source>
        <extracomment>Said by a screen reader after the tape&apos;s Copy; %n is how many lines were copied, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>%n سطر رونوشت شد</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>What a screen reader says for the box that writes a note beside a tape line.</extracomment>
        <translation>یادداشت</translation>
    </message>
</context>
</TS>
