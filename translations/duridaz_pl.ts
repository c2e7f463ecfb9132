<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>ZNAKI PRZYKLUCZOWE</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>WYNIKI</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>POPRAWNE</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>BŁĘDNE</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>WYBÓR</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>KRZYŻYKI</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>BEMOLE</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>START</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZERUJ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A drill for naming key signatures.</source>
        <translation>Ćwiczenie w rozpoznawaniu tonacji po znakach przykluczowych.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>Zobacz duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>„%1” nie jest kluczem: wybierz treble, bass, alto lub tenor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>„%1” nie jest opcją.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Pokazuje znaki przykluczowe w podanym kluczu: treble (wiolinowy), bass (basowy), alto (altowy) lub tenor (tenorowy).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>klucz</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Pyta o tonacje molowe znaków przykluczowych.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Pokazuje tę pomoc.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Pokazuje wersję.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Rozpoczyna quiz lub wznawia go po zatrzymaniu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Zatrzymuje quiz</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Zeruj</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Zeruje liczniki przed nowym quizem</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Wybór tonacji</translation>
    </message>
    <message>
        <source>About </source>
        <translation>O programie </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>pytania</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>czas</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>Nie znaleziono potrzebnego pliku!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Pyta o tonacje bemolowe; naciśnij, aby zmienić</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Pyta o tonacje krzyżykowe; naciśnij, aby zmienić</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Pyta o wszystkie czternaście tonacji; naciśnij, aby zmienić</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Pozostałe pytania</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Poprawne odpowiedzi</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Błędne odpowiedzi</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekundy na pytanie</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Liczba pytań</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Lampka tonacji krzyżykowych</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Lampka tonacji bemolowych</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Odpowiedź %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, twój wybór</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, poprawna odpowiedź</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Znaki przykluczowe</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Program darmowy</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Kliknij, aby odwiedzić</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Więcej informacji na mojej stronie</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 autorzy Duridaz</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Koło kwintowe</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A sentence of the circle&apos;s description: &quot;80% or more right: G and D.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source></source>
        <comment>The relative minor of each signature: three semitones below its major key, on the letter two steps down (&quot;E Flat&quot; major and &quot;C Minor&quot; both have 3 flats). Write it as your tradition names a minor key.</comment>
        <translation></translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>B</source>
        <translation>H</translation>
    </message>
    <message>
        <source>F Sharp</source>
        <translation>Fis</translation>
    </message>
    <message>
        <source>C Sharp</source>
        <translation>Cis</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>B Flat</source>
        <translation>B</translation>
    </message>
    <message>
        <source>E Flat</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>A Flat</source>
        <translation>As</translation>
    </message>
    <message>
        <source>D Flat</source>
        <translation>Des</translation>
    </message>
    <message>
        <source>G Flat</source>
        <translation>Ges</translation>
    </message>
    <message>
        <source>C Flat</source>
        <translation>Ces</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>e-moll</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>h-moll</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>fis-moll</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>cis-moll</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>gis-moll</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>dis-moll</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>ais-moll</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>d-moll</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>g-moll</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>c-moll</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>f-moll</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>b-moll</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>es-moll</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>as-moll</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>a-moll</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The major key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Staff without a key signature</source>
        <translation>Pięciolinia bez znaków przykluczowych</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Koniec quizu: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list</comment>
        <extracomment>Joins the parts of a list: &quot;1 right, 2 wrong&quot;; %1 may itself be a list.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A sentence told to the listener, closed as your language closes one. Its first letter is made a capital.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Dobrze: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Źle: poprawna odpowiedź to %1</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Wyzerowano</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an answer</comment>
        <extracomment>An answer told with its place: &quot;1, F Sharp&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an answer in the list</comment>
        <extracomment>One of the four answers read out with the question: &quot;1 F Sharp&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n poprawna</numerusform>
            <numerusform>%n poprawne</numerusform>
            <numerusform>%n poprawnych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n błędna</numerusform>
            <numerusform>%n błędne</numerusform>
            <numerusform>%n błędnych</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>nie ma już pytań</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>zostało %n pytanie</numerusform>
            <numerusform>zostały %n pytania</numerusform>
            <numerusform>zostało %n pytań</numerusform>
        </translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Tonacje bemolowe</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Tonacje krzyżykowe</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Wszystkie tonacje</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Twój wybór: %1</translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Poprawne odpowiedzi / zadane pytania</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Odpowiedzi według tonacji</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonacja</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Poprawne</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Średni czas</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Klucz basowy</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Klucz altowy</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Klucz tenorowy</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Klucz wiolinowy</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>tonacje molowe</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>tonacje durowe</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What the window shows: &quot;Bass clef, minor keys&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: &quot;85%&quot;, as your language writes it.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds with one decimal: &quot;2.4 s&quot;.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1% or more right</source>
        <translation>%1% lub więcej poprawnych</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>Od %1 do %2% poprawnych</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Poniżej %1% poprawnych</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Jeszcze nie pytano</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>Średnio ponad %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>Moje postępy</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>Ta &amp;sesja</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>Cała &amp;historia</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>Historia nie jest zapisywana: można pokazać tylko odpowiedzi z tej sesji.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Wyniki ostatnich quizów</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Nie ukończono jeszcze żadnego quizu</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Jeden quiz: %1 poprawnych</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Ostatni %n quiz: najniższy wynik %1, najwyższy %2, ostatni %3</numerusform>
            <numerusform>Ostatnie %n quizy: najniższy wynik %1, najwyższy %2, ostatni %3</numerusform>
            <numerusform>Ostatnich %n quizów: najniższy wynik %1, najwyższy %2, ostatni %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>Nie można prowadzić twojego dziennika: %1 to folder, a nie plik. Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>Nie można prowadzić twojego dziennika: nie da się utworzyć folderu dla %1. Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Twój dziennik w %1 zapisała nowsza wersja Duridaz. Zostaje bez zmian, a ta wersja niczego nie zapisuje.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Twój dziennik w %1 był uszkodzony. Zachowano go jako %2 i rozpoczęto nowy dziennik.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Twój dziennik w %1 jest uszkodzony i nie udało się go odłożyć na bok (%2). Zostaje na miejscu, a Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>Nie można prowadzić twojego dziennika: %1 lub jego folder jest tylko do odczytu. Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>Nie można prowadzić twojego dziennika: dysk z %1 jest pełny. Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Nie można prowadzić twojego dziennika w %1 (%2). Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>Nie udało się usunąć %1 (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Nie udało się zapisać nowego quizu w %1 (%2). Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Nie udało się zapisać odpowiedzi w %1 (%2). Duridaz działa dalej bez zapisywania twoich odpowiedzi.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Prowadź mój dziennik</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Twoje odpowiedzi są w %1, a ustawienia w %2. Usunąć je także?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Usuń je</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Zachowaj pliki</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>Ustawienia w %1 są niezrozumiałe, więc Duridaz zaczyna ze zwykłymi ustawieniami. Plik zostanie zastąpiony przy następnym zapisie ustawień.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>Nie udało się odczytać ustawień w %1, więc Duridaz zaczyna ze zwykłymi ustawieniami.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Nie udało się zapisać ustawień: nie da się utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>Nie udało się zapisać ustawień w %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Signature</name>
    <message>
        <source></source>
        <comment>What a key signature shows, as a screen reader says it; %n is the number of sharps or flats, 1 to 7.</comment>
        <translation></translation>
    </message>
    <message numerus="yes">
        <source>%n sharps</source>
        <translation>
            <numerusform>%n krzyżyk</numerusform>
            <numerusform>%n krzyżyki</numerusform>
            <numerusform>%n krzyżyków</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n bemol</numerusform>
            <numerusform>%n bemole</numerusform>
            <numerusform>%n bemoli</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Klucz</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>Klucz &amp;wiolinowy</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>Klucz &amp;basowy</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>Klucz &amp;altowy</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>Klucz &amp;tenorowy</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tonacje</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Durowe</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>&amp;Molowe</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>&amp;O programie Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Prowadź mój &amp;dziennik</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>Ć&amp;wicz tonacje, w których się mylę</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>Moje &amp;postępy…</translation>
    </message>
</context>
</TS>
