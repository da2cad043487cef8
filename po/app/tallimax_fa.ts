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
    <name>tallimax::TapeDocument</name>
    <message>
        <source>it is not a Tallimax tape</source>
        <extracomment>Why a file was not opened: its first line does not say it is a Tallimax tape.</extracomment>
        <translation>نوار Tallimax نیست</translation>
    </message>
    <message>
        <source>it was written by a newer Tallimax</source>
        <extracomment>Why a file was not opened: a later Tallimax wrote it, in a format this one lacks.</extracomment>
        <translation>با Tallimax جدیدتری نوشته شده است</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file was not opened: it holds bytes that are not UTF-8 text.</extracomment>
        <translation>متن UTF-8 نیست</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <extracomment>Why a file was not opened: it is larger than a tape can be.</extracomment>
        <translation>بزرگ‌تر از 64 MiB است</translation>
    </message>
    <message>
        <source>it has more than 100,000 lines</source>
        <extracomment>Why a file was not opened: it has more lines than a tape can hold.</extracomment>
        <translation>بیش از 100٬000 سطر دارد</translation>
    </message>
    <message>
        <source>its number is not a number</source>
        <extracomment>Why a file was not opened: a line&apos;s number is not one the keys can type.</extracomment>
        <translation>عددش عدد نیست</translation>
    </message>
    <message>
        <source>its number is too long</source>
        <extracomment>Why a file was not opened: a line&apos;s number is over 10,000 characters or keys.</extracomment>
        <translation>عددش بیش از حد طولانی است</translation>
    </message>
    <message>
        <source>its operator is not +, -, X, / or =</source>
        <extracomment>Why a file was not opened: a line&apos;s operator is not +, -, X, / or =.</extracomment>
        <translation>عملگرش +، -، X، / یا = نیست</translation>
    </message>
    <message>
        <source>its number has no operator</source>
        <extracomment>Why a file was not opened: a number in the middle of the tape has no operator.</extracomment>
        <translation>عددش عملگر ندارد</translation>
    </message>
    <message>
        <source>it does not have the tape&apos;s columns</source>
        <extracomment>Why a file was not opened: a line does not have the tape&apos;s columns.</extracomment>
        <translation>ستون‌های نوار را ندارد</translation>
    </message>
    <message>
        <source>its note is over 200 characters</source>
        <extracomment>Why a file was not opened: a line&apos;s note is over 200 characters.</extracomment>
        <translation>یادداشتش بیش از 200 نویسه است</translation>
    </message>
    <message>
        <source>Tallimax tapes (*.tape)</source>
        <extracomment>In the file dialogs: the kind of file a tape is saved as.</extracomment>
        <translation>نوارهای Tallimax (*.tape)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>In the file dialogs: any file.</extracomment>
        <translation>تمام پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>In the tape&apos;s File menu: empties the tape for a new one, a step Undo takes back.</extracomment>
        <translation>&amp;جدید</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <extracomment>In the tape&apos;s File menu: opens a saved tape.</extracomment>
        <translation>باز&amp;کردن...</translation>
    </message>
    <message>
        <source>Open Tape</source>
        <extracomment>The title of the dialog that opens a saved tape.</extracomment>
        <translation>باز کردن نوار</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>In the tape&apos;s File menu: saves the tape to its file, asking for one the first time.</extracomment>
        <translation>&amp;ذخیره</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>In the tape&apos;s File menu: saves the tape to a file chosen now.</extracomment>
        <translation>ذخیره به &amp;عنوان...</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <extracomment>In the tape&apos;s File menu: prints the tape.</extracomment>
        <translation>&amp;چاپ...</translation>
    </message>
    <message>
        <source>E&amp;xport as PDF…</source>
        <extracomment>In the tape&apos;s File menu: writes the tape as a PDF document.</extracomment>
        <translation>&amp;صدور به PDF...</translation>
    </message>
    <message>
        <source>&amp;Keep the tape between sessions</source>
        <extracomment>In the tape&apos;s File menu, checkable: keeps the tape in a file of its own between sessions.</extracomment>
        <translation>&amp;نگه‌داشتن نوار بین نشست‌ها</translation>
    </message>
    <message>
        <source>Tallimax tape</source>
        <extracomment>The title of the tape&apos;s window.</extracomment>
        <translation>نوار Tallimax</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <extracomment>The title of the tape&apos;s window with a file: %1 is the file&apos;s name; [*] is where the desktop&apos;s mark for unsaved changes goes.</extracomment>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <extracomment>A file could not be opened: %1 is its name, %2 why, as the system says it.</extracomment>
        <translation>باز کردن %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <extracomment>A file was not opened: %1 is its name, %2 why.</extracomment>
        <translation>باز کردن %1 ممکن نشد: %2.</translation>
    </message>
    <message>
        <source>Could not open %1, line %2: %3.</source>
        <translation>باز کردن %1 ممکن نشد، سطر %2: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1, %n line(s)</source>
        <extracomment>Said after a tape was opened: %1 is the file&apos;s name; %n how many lines it holds.</extracomment>
        <translation>
            <numerusform>%1 باز شد، %n سطر</numerusform>
        </translation>
    </message>
    <message>
        <source>tape</source>
        <extracomment>The name a tape never saved is offered to be saved under.</extracomment>
        <translation>نوار</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <extracomment>The title of the dialog that saves the tape to a file.</extracomment>
        <translation>ذخیرهٔ نوار به عنوان</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>A tape could not be saved: %1 is the file&apos;s name, %2 why, as the system says it.</extracomment>
        <translation>ذخیرهٔ %1 ممکن نشد: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>Said after the tape was saved: %1 is the file&apos;s name.</extracomment>
        <translation>%1 ذخیره شد</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>Asked before a changed tape is closed: %1 is the file&apos;s name.</extracomment>
        <translation>تغییرات %1 ذخیره شود؟</translation>
    </message>
    <message>
        <source>The tape is no longer kept; its file is deleted.</source>
        <extracomment>Said when keeping the tape between sessions was turned off.</extracomment>
        <translation>نوار دیگر نگه داشته نمی‌شود؛ پرونده‌اش حذف شد.</translation>
    </message>
    <message>
        <source>The tape is kept between sessions.</source>
        <extracomment>Said when keeping the tape between sessions was turned on.</extracomment>
        <translation>نوار بین نشست‌ها نگه داشته می‌شود.</translation>
    </message>
    <message>
        <source>Another Tallimax keeps the tape; this one keeps nothing.</source>
        <extracomment>Said when the tape cannot be kept because another Tallimax keeps it.</extracomment>
        <translation>Tallimax دیگری نوار را نگه می‌دارد؛ این یکی چیزی نگه نمی‌دارد.</translation>
    </message>
    <message>
        <source>The tape cannot be kept: %1</source>
        <translation>نوار را نمی‌توان نگه داشت: %1</translation>
    </message>
    <message>
        <source>Export Tape as PDF</source>
        <extracomment>The title of the dialog that writes the tape as a PDF document.</extracomment>
        <translation>صدور نوار به PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>In the file dialog: the kind of file a PDF document is.</extracomment>
        <translation>سندهای PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>Said after the tape was written as a PDF document: %1 is the file&apos;s name.</extracomment>
        <translation>%1 صادر شد</translation>
    </message>
    <message>
        <source>Tape printed</source>
        <extracomment>Said after the tape was sent to the printer.</extracomment>
        <translation>نوار چاپ شد</translation>
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
        <source>U&amp;se</source>
        <extracomment>In the tape&apos;s context menu: types the line&apos;s number into the calculator.</extracomment>
        <translation>ا&amp;ستفاده</translation>
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
    <message>
        <source>&amp;File</source>
        <extracomment>The tape&apos;s menu of what is done with the tape as a file.</extracomment>
        <translation>پرو&amp;نده</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>In the tape&apos;s File menu: closes the tape&apos;s window.</extracomment>
        <translation>&amp;بستن</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu</comment>
        <extracomment>The tape&apos;s menu of what is done with its lines.</extracomment>
        <translation>&amp;ویرایش</translation>
    </message>
    <message>
        <source>Edit Li&amp;ne</source>
        <extracomment>In the tape&apos;s Edit menu: corrects the current line&apos;s number, operator or note.</extracomment>
        <translation>ویرایش س&amp;طر</translation>
    </message>
</context>
</TS>
