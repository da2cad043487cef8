<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
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
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>In the readout&apos;s context menu: types the clipboard&apos;s number or calculation.</extracomment>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>In the readout&apos;s context menu: takes back the last step (key press or paste).</extracomment>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>In the readout&apos;s context menu: puts back the last step taken back.</extracomment>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <extracomment>In the readout&apos;s context menu: opens or closes the tape, the list of every number typed.</extracomment>
        <translation>테이프(&amp;T)</translation>
    </message>
    <message>
        <source>Reset all</source>
        <extracomment>The name a screen reader says for the RESET ALL key, which clears everything.</extracomment>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Divide</source>
        <extracomment>The name a screen reader says for the division key, &quot;/&quot;.</extracomment>
        <translation>나누기</translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>The name a screen reader says for the addition key, &quot;+&quot;.</extracomment>
        <translation>더하기</translation>
    </message>
    <message>
        <source>Multiply</source>
        <extracomment>The name a screen reader says for the multiplication key, &quot;X&quot;.</extracomment>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>Minus</source>
        <extracomment>The name a screen reader says for the subtraction key, &quot;-&quot;, which also starts a negative number.</extracomment>
        <translation>빼기</translation>
    </message>
    <message>
        <source>Equals</source>
        <extracomment>The name a screen reader says for the key that shows the result, &quot;=&quot;.</extracomment>
        <translation>같음</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <extracomment>The name a screen reader says for the decimal point key, &quot;.&quot;, which types the locale&apos;s decimal separator.</extracomment>
        <translation>소수점</translation>
    </message>
    <message>
        <source>Readout: the number being typed or the last result</source>
        <extracomment>What the large label showing the number is for, said by a screen reader after the number.</extracomment>
        <translation>표시창: 입력 중인 숫자 또는 마지막 결과</translation>
    </message>
    <message>
        <source>Action panel: what the calculator just did</source>
        <extracomment>What the label under &quot;Just Did:&quot; is for, said by a screen reader after its text (such as &quot;Plus(+)&quot;, which stays in English).</extracomment>
        <translation>동작 패널: 계산기가 방금 한 일</translation>
    </message>
</context>
<context>
    <name>tallimax::KeyTyper</name>
    <message>
        <source>Nothing to paste: the clipboard holds no text.</source>
        <extracomment>Shown by the readout for five seconds, and said by a screen reader.</extracomment>
        <translation>붙여넣을 것이 없음: 클립보드에 텍스트가 없습니다.</translation>
    </message>
    <message>
        <source>Not pasted: the text is too long to type.</source>
        <extracomment>Shown by the readout: the pasted text is over 10,000 characters or keys.</extracomment>
        <translation>붙여넣지 않음: 텍스트가 너무 길어 입력할 수 없습니다.</translation>
    </message>
    <message>
        <source>Not pasted: the text is not a number or a calculation.</source>
        <extracomment>Shown by the readout: the pasted text holds something no key types.</extracomment>
        <translation>붙여넣지 않음: 텍스트가 숫자나 계산식이 아닙니다.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Undo has no step to take back.</extracomment>
        <translation>실행 취소할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when Redo has no step to put back.</extracomment>
        <translation>다시 실행할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <extracomment>Said by a screen reader after Copy; %1 is the number copied.</extracomment>
        <translation>%1 복사함</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader after a step: the action panel&apos;s text, then the readout&apos;s.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeDocument</name>
    <message>
        <source>it is not a Tallimax tape</source>
        <extracomment>Why a file was not opened: its first line does not say it is a Tallimax tape.</extracomment>
        <translation>Tallimax 테이프가 아닙니다</translation>
    </message>
    <message>
        <source>it was written by a newer Tallimax</source>
        <extracomment>Why a file was not opened: a later Tallimax wrote it, in a format this one lacks.</extracomment>
        <translation>더 새로운 Tallimax에서 저장했습니다</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file was not opened: it holds bytes that are not UTF-8 text.</extracomment>
        <translation>UTF-8 텍스트가 아닙니다</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <extracomment>Why a file was not opened: it is larger than a tape can be.</extracomment>
        <translation>64 MiB보다 큽니다</translation>
    </message>
    <message>
        <source>it has more than 100,000 lines</source>
        <extracomment>Why a file was not opened: it has more lines than a tape can hold.</extracomment>
        <translation>100,000줄이 넘습니다</translation>
    </message>
    <message>
        <source>its number is not a number</source>
        <extracomment>Why a file was not opened: a line&apos;s number is not one the keys can type.</extracomment>
        <translation>숫자가 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>its number is too long</source>
        <extracomment>Why a file was not opened: a line&apos;s number is over 10,000 characters or keys.</extracomment>
        <translation>숫자가 너무 깁니다</translation>
    </message>
    <message>
        <source>its operator is not +, -, X, / or =</source>
        <extracomment>Why a file was not opened: a line&apos;s operator is not +, -, X, / or =.</extracomment>
        <translation>연산자가 +, -, X, /, = 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>its number has no operator</source>
        <extracomment>Why a file was not opened: a number in the middle of the tape has no operator.</extracomment>
        <translation>숫자에 연산자가 없습니다</translation>
    </message>
    <message>
        <source>it does not have the tape&apos;s columns</source>
        <extracomment>Why a file was not opened: a line does not have the tape&apos;s columns.</extracomment>
        <translation>테이프의 열이 없습니다</translation>
    </message>
    <message>
        <source>its note is over 200 characters</source>
        <extracomment>Why a file was not opened: a line&apos;s note is over 200 characters.</extracomment>
        <translation>메모가 200자를 넘습니다</translation>
    </message>
    <message>
        <source>Tallimax tapes (*.tape)</source>
        <extracomment>In the file dialogs: the kind of file a tape is saved as.</extracomment>
        <translation>Tallimax 테이프 (*.tape)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>In the file dialogs: any file.</extracomment>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>In the tape&apos;s File menu: empties the tape for a new one, a step Undo takes back.</extracomment>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <extracomment>In the tape&apos;s File menu: opens a saved tape.</extracomment>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open Tape</source>
        <extracomment>The title of the dialog that opens a saved tape.</extracomment>
        <translation>테이프 열기</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>In the tape&apos;s File menu: saves the tape to its file, asking for one the first time.</extracomment>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <extracomment>In the tape&apos;s File menu: saves the tape to a file chosen now.</extracomment>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <extracomment>In the tape&apos;s File menu: prints the tape.</extracomment>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>E&amp;xport as PDF…</source>
        <extracomment>In the tape&apos;s File menu: writes the tape as a PDF document.</extracomment>
        <translation>PDF로 내보내기(&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Keep the tape between sessions</source>
        <extracomment>In the tape&apos;s File menu, checkable: keeps the tape in a file of its own between sessions.</extracomment>
        <translation>세션 사이에 테이프 유지(&amp;K)</translation>
    </message>
    <message>
        <source>Tallimax tape</source>
        <extracomment>The title of the tape&apos;s window.</extracomment>
        <translation>Tallimax 테이프</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <extracomment>The title of the tape&apos;s window with a file: %1 is the file&apos;s name; [*] is where the desktop&apos;s mark for unsaved changes goes.</extracomment>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <extracomment>A file could not be opened: %1 is its name, %2 why, as the system says it.</extracomment>
        <translation>%1을(를) 열 수 없음: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <extracomment>A file was not opened: %1 is its name, %2 why.</extracomment>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Could not open %1, line %2: %3.</source>
        <translation>%1의 %2번째 줄을 열 수 없습니다: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1, %n line(s)</source>
        <extracomment>Said after a tape was opened: %1 is the file&apos;s name; %n how many lines it holds.</extracomment>
        <translation>
            <numerusform>%1 열림, %n줄</numerusform>
        </translation>
    </message>
    <message>
        <source>tape</source>
        <extracomment>The name a tape never saved is offered to be saved under.</extracomment>
        <translation>테이프</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <extracomment>The title of the dialog that saves the tape to a file.</extracomment>
        <translation>다른 이름으로 테이프 저장</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>A tape could not be saved: %1 is the file&apos;s name, %2 why, as the system says it.</extracomment>
        <translation>%1을(를) 저장할 수 없음: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>Said after the tape was saved: %1 is the file&apos;s name.</extracomment>
        <translation>%1 저장됨</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <extracomment>Asked before a changed tape is closed: %1 is the file&apos;s name.</extracomment>
        <translation>%1의 변경 사항을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The tape is no longer kept; its file is deleted.</source>
        <extracomment>Said when keeping the tape between sessions was turned off.</extracomment>
        <translation>테이프를 더 이상 유지하지 않습니다. 파일을 삭제했습니다.</translation>
    </message>
    <message>
        <source>The tape is kept between sessions.</source>
        <extracomment>Said when keeping the tape between sessions was turned on.</extracomment>
        <translation>세션 사이에 테이프를 유지합니다.</translation>
    </message>
    <message>
        <source>Another Tallimax keeps the tape; this one keeps nothing.</source>
        <extracomment>Said when the tape cannot be kept because another Tallimax keeps it.</extracomment>
        <translation>다른 Tallimax가 테이프를 유지합니다. 이 Tallimax는 아무것도 유지하지 않습니다.</translation>
    </message>
    <message>
        <source>The tape cannot be kept: %1</source>
        <translation>테이프를 유지할 수 없음: %1</translation>
    </message>
    <message>
        <source>Export Tape as PDF</source>
        <extracomment>The title of the dialog that writes the tape as a PDF document.</extracomment>
        <translation>테이프를 PDF로 내보내기</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>In the file dialog: the kind of file a PDF document is.</extracomment>
        <translation>PDF 문서 (*.pdf)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <extracomment>Said after the tape was written as a PDF document: %1 is the file&apos;s name.</extracomment>
        <translation>%1 내보냄</translation>
    </message>
    <message>
        <source>Tape printed</source>
        <extracomment>Said after the tape was sent to the printer.</extracomment>
        <translation>테이프 인쇄함</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeEditor</name>
    <message>
        <source>Not corrected: close the warning first.</source>
        <extracomment>Shown by the readout, and said by a screen reader, when the tape is corrected while the division-by-zero warning is open.</extracomment>
        <translation>수정하지 않음: 먼저 경고를 닫으십시오.</translation>
    </message>
    <message>
        <source>Not corrected: the number is too long.</source>
        <extracomment>Shown by the readout, and said by a screen reader: a corrected number over 10,000 characters or keys.</extracomment>
        <translation>수정하지 않음: 숫자가 너무 깁니다.</translation>
    </message>
    <message>
        <source>Not corrected: the text is not a number.</source>
        <extracomment>Shown by the readout, and said by a screen reader: the tape&apos;s line was given a text that is not one number.</extracomment>
        <translation>수정하지 않음: 텍스트가 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>Total now %1</source>
        <extracomment>Said by a screen reader after a line of the tape was corrected or removed; %1 is the running result the tape now comes to.</extracomment>
        <translation>현재 합계 %1</translation>
    </message>
    <message>
        <source>Tape cleared</source>
        <extracomment>Said by a screen reader when the tape was emptied.</extracomment>
        <translation>테이프를 지웠습니다</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeModel</name>
    <message>
        <source>Reset all</source>
        <extracomment>Said by a screen reader for the tape&apos;s line that RESET ALL draws.</extracomment>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>total %1</source>
        <extracomment>Part of what a screen reader says for a tape line ending with &quot;=&quot;: &quot;34, equals, total 46&quot;.</extracomment>
        <translation>합계 %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <extracomment>Part of what a screen reader says for a tape line whose operator worked out a running result: &quot;3, multiply, result 5&quot;.</extracomment>
        <translation>결과 %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Joins the parts of a tape line said by a screen reader: number, operator, result.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>tallimax::TapePrint</name>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>At the foot of each page of the printed tape.</extracomment>
        <translation>%1/%2쪽</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>After Export as PDF failed: %1 is the file&apos;s path, %2 why it failed.</extracomment>
        <translation>%1에 쓸 수 없음: %2</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>When printing cannot start because Tallimax&apos;s print module is missing or broken; %1 is the system&apos;s reason.</extracomment>
        <translation>인쇄할 수 없음: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <extracomment>When the printer chosen in the print dialog could not be started.</extracomment>
        <translation>프린터를 시작할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>tallimax::TapeWindow</name>
    <message>
        <source>Number</source>
        <extracomment>What a screen reader says for the box that corrects a tape line&apos;s number.</extracomment>
        <translation>숫자</translation>
    </message>
    <message>
        <source>Operator</source>
        <extracomment>What a screen reader says for the list that changes a tape line&apos;s operator.</extracomment>
        <translation>연산자</translation>
    </message>
    <message>
        <source>Tape</source>
        <extracomment>What a screen reader says for the list of the tape&apos;s lines.</extracomment>
        <translation>테이프</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>In the tape&apos;s context menu: corrects the line&apos;s number or operator.</extracomment>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>U&amp;se</source>
        <extracomment>In the tape&apos;s context menu: types the line&apos;s number into the calculator.</extracomment>
        <translation>사용(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>In the tape&apos;s context menu: copies the selected lines, a tab between columns.</extracomment>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>In the tape&apos;s context menu: removes the line&apos;s number and operator.</extracomment>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <extracomment>In the tape&apos;s context menu: selects every line.</extracomment>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>In the tape&apos;s context menu: empties the tape; the calculator stays as it is.</extracomment>
        <translation>지우기(&amp;L)</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n line(s)</source>
        <extracomment>Said by a screen reader when the tape opens; %n is how many lines it holds, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>테이프, %n줄</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n line(s)</source>
        <extracomment>Said by a screen reader after the tape&apos;s Copy; %n is how many lines were copied, one form for each of the language&apos;s plural forms.</extracomment>
        <translation>
            <numerusform>%n줄 복사함</numerusform>
        </translation>
    </message>
    <message>
        <source>No line to delete.</source>
        <extracomment>Shown under the tape, and said by a screen reader, when Delete finds no line.</extracomment>
        <translation>삭제할 줄이 없습니다.</translation>
    </message>
    <message>
        <source>Note</source>
        <extracomment>What a screen reader says for the box that writes a note beside a tape line.</extracomment>
        <translation>메모</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The tape&apos;s menu of what is done with the tape as a file.</extracomment>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>In the tape&apos;s File menu: closes the tape&apos;s window.</extracomment>
        <translation>닫기(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu</comment>
        <extracomment>The tape&apos;s menu of what is done with its lines.</extracomment>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>Edit Li&amp;ne</source>
        <extracomment>In the tape&apos;s Edit menu: corrects the current line&apos;s number, operator or note.</extracomment>
        <translation>줄 편집(&amp;I)</translation>
    </message>
</context>
</TS>
