<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>In the readout&apos;s context menu: types the clipboard&apos;s number or calculation.</extracomment>
        <translation>أل&amp;صق</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>In the readout&apos;s context menu: takes back the last step (key press or paste).</extracomment>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>In the readout&apos;s context menu: puts back the last step taken back.</extracomment>
        <translation>أ&amp;عد</translation>
    </message>
    <message>
        <source>Reset all</source>
        <extracomment>The name a screen reader says for the RESET ALL key, which clears everything.</extracomment>
        <translation>صفّر الكل</translation>
    </message>
    <message>
        <source>Divide</source>
        <extracomment>The name a screen reader says for the division key, &quot;/&quot;.</extracomment>
        <translation>قسمة</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>The name a screen reader says for the addition key, &quot;+&quot;.</extracomment>
        <translation>زائد</translation>
    </message>
    <message>
        <source>Multiply</source>
        <extracomment>The name a screen reader says for the multiplication key, &quot;X&quot;.</extracomment>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>Minus</source>
        <extracomment>The name a screen reader says for the subtraction key, &quot;-&quot;, which also starts a negative number.</extracomment>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>Equals</source>
        <extracomment>The name a screen reader says for the key that shows the result, &quot;=&quot;.</extracomment>
        <translation>يساوي</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <extracomment>The name a screen reader says for the decimal point key, &quot;.&quot;, which types the locale&apos;s decimal separator.</extracomment>
        <translation>الفاصلة العشرية</translation>
    </message>
    <message>
        <source>Readout: the number being typed or the last result</source>
        <extracomment>What the large label showing the number is for, said by a screen reader after the number.</extracomment>
        <translation>شاشة العرض: العدد الجاري كتابته أو آخر نتيجة</translation>
    </message>
    <message>
        <source>Action panel: what the calculator just did</source>
        <extracomment>What the label under &quot;Just Did:&quot; is for, said by a screen reader after its text (such as &quot;Plus(+)&quot;, which stays in English).</extracomment>
        <translation>لوحة الإجراءات: ما فعلته الآلة الحاسبة للتو</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <extracomment>In the readout&apos;s context menu: opens or closes the tape, the list of every number typed.</extracomment>
        <translation>ال&amp;شريط</translation>
    </message>
</context>
<context>
    <name>tallimax::KeyTyper</name>
    <message>
        <source>Nothing to paste: the clipboard holds no text.</source>
        <extracomment>Shown by the readout for five seconds, and said by a screen reader.</extracomment>
        <translation>لا شيء للصقه: لا تحوي الحافظة أي نص.</translation>
    </message>
    <message>
        <source>Not pasted: the text is too long to type.</source>
        <extracomment>Shown by the readout: the pasted text is over 10,000 characters or keys.</extracomment>
        <translation>لم يُلصق: النص أطول من أن يُكتب.</translation>
    </message>
    <message>
        <source>Not pasted: the text is not a number or a calculation.</source>
        <extracomment>Shown by the readout: the pasted text holds something no key types.</extracomment>
        <translation>لم يُلصق: النص ليس عددًا ولا عملية حسابية.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Undo has no step to take back.</extracomment>
        <translation>لا شيء للتراجع عنه.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Redo has no step to put back.</extracomment>
        <translation>لا شيء لإعادته.</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <extracomment>Said by a screen reader after Copy; %1 is the number copied.</extracomment>
        <translation>نُسخ %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader after a step: the action panel&apos;s text, then the readout&apos;s.</extracomment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeDocument</name>
    <message>
        <source>it is not a Tallimax tape</source>
        <extracomment>Why a file was not opened: its first line does not say it is a Tallimax tape.</extracomment>
        <translation>ليس شريط Tallimax</translation>
    </message>
    <message>
        <source>it was written by a newer Tallimax</source>
        <extracomment>Why a file was not opened: a later Tallimax wrote it, in a format this one lacks.</extracomment>
        <translation>كتبه Tallimax أحدث</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file was not opened: it holds bytes that are not UTF-8 text.</extracomment>
        <translation>ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <extracomment>Why a file was not opened: it is larger than a tape can be.</extracomment>
        <translation>حجمه أكبر من 64 MiB</translation>
    </message>
    <message>
        <source>it has more than 100,000 lines</source>
        <extracomment>Why a file was not opened: it has more lines than a tape can hold.</extracomment>
        <translation>فيه أكثر من 100٬000 سطر</translation>
    </message>
    <message>
        <source>its number is not a number</source>
        <extracomment>Why a file was not opened: a line&apos;s number is not one the keys can type.</extracomment>
        <translation>عدده ليس عددًا</translation>
    </message>
    <message>
        <source>its number is too long</source>
        <extracomment>Why a file was not opened: a line&apos;s number is over 10,000 characters or keys.</extracomment>
        <translation>عدده طويل جدًا</translation>
    </message>
    <message>
        <source>its operator is not +, -, X, / or =</source>
        <extracomment>Why a file was not opened: a line&apos;s operator is not +, -, X, / or =.</extracomment>
        <translation>عامله ليس + أو - أو X أو / أو =</translation>
    </message>
    <message>
        <source>its number has no operator</source>
        <extracomment>Why a file was not opened: a number in the middle of the tape has no operator.</extracomment>
        <translation>ليس لعدده عامل</translation>
    </message>
    <message>
        <source>it does not have the tape&apos;s columns</source>
        <extracomment>Why a file was not opened: a line does not have the tape&apos;s columns.</extracomment>
        <translation>ليست فيه أعمدة الشريط</translation>
    </message>
    <message>
        <source>its note is over 200 characters</source>
        <extracomment>Why a file was not opened: a line&apos;s note is over 200 characters.</extracomment>
        <translation>ملاحظته أطول من 200 حرف</translation>
    </message>
    <message>
        <source>Tallimax tapes (*.tape)</source>
        <extracomment>In the file dialogs: the kind of file a tape is saved as.</extracomment>
        <translation>أشرطة Tallimax (*.tape)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>In the file dialogs: any file.</extracomment>
        <translation>كلّ الملفّات (*)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>In the tape&apos;s File menu: empties the tape for a new one, a step Undo takes back.</extracomment>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <extracomment>In the tape&apos;s File menu: opens a saved tape.</extracomment>
        <translation>ا&amp;فتح...</translation>
    </message>
    <message>
        <source>Open Tape</source>
        <extracomment>The title of the dialog that opens a saved tape.</extracomment>
        <translation>افتح شريطًا</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>In the tape&apos;s File menu: saves the tape to its file, asking for one the first time.</extracomment>
        <translation>ا&amp;حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>In the tape&apos;s File menu: saves the tape to a file chosen now.</extracomment>
        <translation>احفظ &amp;ك‍...</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <extracomment>In the tape&apos;s File menu: prints the tape.</extracomment>
        <translation>ا&amp;طبع...</translation>
    </message>
    <message>
        <source>E&amp;xport as PDF…</source>
        <extracomment>In the tape&apos;s File menu: writes the tape as a PDF document.</extracomment>
        <translation>&amp;صدّر بصيغة PDF...</translation>
    </message>
    <message>
        <source>&amp;Keep the tape between sessions</source>
        <extracomment>In the tape&apos;s File menu, checkable: keeps the tape in a file of its own between sessions.</extracomment>
        <translation>أ&amp;بقِ الشريط بين الجلسات</translation>
    </message>
    <message>
        <source>Tallimax tape</source>
        <extracomment>The title of the tape&apos;s window.</extracomment>
        <translation>شريط Tallimax</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <extracomment>The title of the tape&apos;s window with a file: %1 is the file&apos;s name; [*] is where the desktop&apos;s mark for unsaved changes goes.</extracomment>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <extracomment>A file could not be opened: %1 is its name, %2 why, as the system says it.</extracomment>
        <translation>تعذّر فتح %1: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <extracomment>A file was not opened: %1 is its name, %2 why.</extracomment>
        <translation>تعذّر فتح %1: %2.</translation>
    </message>
    <message>
        <source>Could not open %1, line %2: %3.</source>
        <translation>تعذّر فتح %1، السطر %2: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1, %n line(s)</source>
        <extracomment>Said after a tape was opened: %1 is the file&apos;s name; %n how many lines it holds.</extracomment>
        <translation>
            <numerusform>فُتح %1، لا أسطر</numerusform>
            <numerusform>فُتح %1، سطر واحد</numerusform>
            <numerusform>فُتح %1، سطران</numerusform>
            <numerusform>فُتح %1، %n أسطر</numerusform>
            <numerusform>فُتح %1، %n سطرًا</numerusform>
            <numerusform>فُتح %1، %n سطر</numerusform>
        </translation>
    </message>
    <message>
        <source>tape</source>
        <extracomment>The name a tape never saved is offered to be saved under.</extracomment>
        <translation>شريط</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <extracomment>The title of the dialog that saves the tape to a file.</extracomment>
        <translation>احفظ الشريط باسم</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>A tape could not be saved: %1 is the file&apos;s name, %2 why, as the system says it.</extracomment>
        <translation>تعذّر حفظ %1: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>Said after the tape was saved: %1 is the file&apos;s name.</extracomment>
        <translation>حُفظ %1</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>Asked before a changed tape is closed: %1 is the file&apos;s name.</extracomment>
        <translation>أأحفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>The tape is no longer kept; its file is deleted.</source>
        <extracomment>Said when keeping the tape between sessions was turned off.</extracomment>
        <translation>لم يعد الشريط مُبقًى؛ حُذف ملفّه.</translation>
    </message>
    <message>
        <source>The tape is kept between sessions.</source>
        <extracomment>Said when keeping the tape between sessions was turned on.</extracomment>
        <translation>الشريط مُبقًى بين الجلسات.</translation>
    </message>
    <message>
        <source>Another Tallimax keeps the tape; this one keeps nothing.</source>
        <extracomment>Said when the tape cannot be kept because another Tallimax keeps it.</extracomment>
        <translation>Tallimax آخر يُبقي الشريط؛ هذا لا يُبقي شيئًا.</translation>
    </message>
    <message>
        <source>The tape cannot be kept: %1</source>
        <translation>تعذّر إبقاء الشريط: %1</translation>
    </message>
    <message>
        <source>Export Tape as PDF</source>
        <extracomment>The title of the dialog that writes the tape as a PDF document.</extracomment>
        <translation>صدّر الشريط بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>In the file dialog: the kind of file a PDF document is.</extracomment>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>Said after the tape was written as a PDF document: %1 is the file&apos;s name.</extracomment>
        <translation>صُدّر %1</translation>
    </message>
    <message>
        <source>Tape printed</source>
        <extracomment>Said after the tape was sent to the printer.</extracomment>
        <translation>طُبع الشريط</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeEditor</name>
    <message>
        <source>Not corrected: close the warning first.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when the tape is corrected while the division-by-zero warning is open.</extracomment>
        <translation>لم يُصحَّح: أغلق التحذير أولًا.</translation>
    </message>
    <message>
        <source>Not corrected: the number is too long.</source>
        <extracomment>Shown by the readout, and said by a screen reader: a corrected number over 10,000 characters or keys.</extracomment>
        <translation>لم يُصحَّح: العدد أطول من اللازم.</translation>
    </message>
    <message>
        <source>Not corrected: the text is not a number.</source>
        <extracomment>Shown by the readout, and said by a screen reader: the tape&apos;s line was given a text that is not one number.</extracomment>
        <translation>لم يُصحَّح: النص ليس عددًا.</translation>
    </message>
    <message>
        <source>Total now %1</source>
        <extracomment>Said by a screen reader after a line of the tape was corrected or removed; %1 is the running result the tape now comes to.</extracomment>
        <translation>الإجمالي الآن %1</translation>
    </message>
    <message>
        <source>Tape cleared</source>
        <extracomment>Said by a screen reader when the tape was emptied.</extracomment>
        <translation>أُفرغ الشريط</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeModel</name>
    <message>
        <source>Reset all</source>
        <extracomment>Said by a screen reader for the tape&apos;s line that RESET ALL draws.</extracomment>
        <translation>صفّر الكل</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Part of what a screen reader says for a tape line ending with &quot;=&quot;: &quot;34, equals, total 46&quot;.</extracomment>
        <translation>الإجمالي %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <extracomment>Part of what a screen reader says for a tape line whose operator worked out a running result: &quot;3, multiply, result 5&quot;.</extracomment>
        <translation>النتيجة %1</translation>
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
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>After Export as PDF failed: %1 is the file&apos;s path, %2 why it failed.</extracomment>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>When printing cannot start because Tallimax&apos;s print module is missing or broken; %1 is the system&apos;s reason.</extracomment>
        <translation>الطباعة غير متاحة: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <extracomment>When the printer chosen in the print dialog could not be started.</extracomment>
        <translation>تعذّر تشغيل الطابعة.</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeWindow</name>
    <message>
        <source>Number</source>
        <extracomment>What a screen reader says for the box that corrects a tape line&apos;s number.</extracomment>
        <translation>العدد</translation>
    </message>
    <message>
        <source>Operator</source>
        <extracomment>What a screen reader says for the list that changes a tape line&apos;s operator.</extracomment>
        <translation>العامل</translation>
    </message>
    <message>
        <source>Tape</source>
        <extracomment>What a screen reader says for the list of the tape&apos;s lines.</extracomment>
        <translation>الشريط</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>In the tape&apos;s context menu: corrects the line&apos;s number or operator.</extracomment>
        <translation>&amp;عدّل</translation>
    </message>
    <message>
        <source>U&amp;se</source>
        <extracomment>In the tape&apos;s context menu: types the line&apos;s number into the calculator.</extracomment>
        <translation>ا&amp;ستخدم</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the tape&apos;s context menu: copies the selected lines, a tab between columns.</extracomment>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>In the tape&apos;s context menu: removes the line&apos;s number and operator.</extracomment>
        <translation>ا&amp;حذف</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>In the tape&apos;s context menu: selects every line.</extracomment>
        <translation>اختر ال&amp;كل</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>In the tape&apos;s context menu: empties the tape; the calculator stays as it is.</extracomment>
        <translation>أ&amp;فرغ</translation>
    </message>
    <message>
        <source>No line to delete.</source>
        <extracomment>Shown under the tape, and said by a screen reader, when Delete finds no line.</extracomment>
        <translation>لا يوجد سطر لحذفه.</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n line(s)</source>
        <extracomment>Said by a screen reader when the tape opens; %n is how many lines it holds, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>الشريط، لا أسطر</numerusform>
            <numerusform>الشريط، سطر واحد</numerusform>
            <numerusform>الشريط، سطران</numerusform>
            <numerusform>الشريط، %n أسطر</numerusform>
            <numerusform>الشريط، %n سطرًا</numerusform>
            <numerusform>الشريط، %n سطر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n line(s)</source>
        <extracomment>Said by a screen reader after the tape&apos;s Copy; %n is how many lines were copied, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>لم يُنسخ أي سطر</numerusform>
            <numerusform>نُسخ سطر واحد</numerusform>
            <numerusform>نُسخ سطران</numerusform>
            <numerusform>نُسخت %n أسطر</numerusform>
            <numerusform>نُسخ %n سطرًا</numerusform>
            <numerusform>نُسخ %n سطر</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>What a screen reader says for the box that writes a note beside a tape line.</extracomment>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The tape&apos;s menu of what is done with the tape as a file.</extracomment>
        <translation>&amp;ملفّ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>In the tape&apos;s File menu: closes the tape&apos;s window.</extracomment>
        <translation>أ&amp;غلق</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu</comment>
        <extracomment>The tape&apos;s menu of what is done with its lines.</extracomment>
        <translation>&amp;حرّر</translation>
    </message>
    <message>
        <source>Edit Li&amp;ne</source>
        <extracomment>In the tape&apos;s Edit menu: corrects the current line&apos;s number, operator or note.</extracomment>
        <translation>عدّل السط&amp;ر</translation>
    </message>
</context>
</TS>
