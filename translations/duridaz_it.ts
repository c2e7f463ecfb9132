<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>ARMATURE DI CHIAVE</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>RISPOSTE</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>GIUSTE</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>SBAGLIATE</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>SCEGLI</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>DIESIS</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>BEMOLLI</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>VIA</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>AZZERA</translation>
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
        <translation>Un esercizio per riconoscere le armature di chiave.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>Vedere duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>«%1» non è una chiave: scegliere tra treble, bass, alto e tenor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>«%1» non è un’opzione.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Mostra le armature nella chiave indicata: treble (violino), bass (basso), alto (contralto) o tenor (tenore).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>chiave</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Chiede le tonalità minori delle armature.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About </source>
        <translation>Informazioni </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>domande</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>Un file necessario non è stato trovato!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Chiede le tonalità con i bemolli; premi per cambiare</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Chiede le tonalità con i diesis; premi per cambiare</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Chiede tutte le quattordici tonalità; premi per cambiare</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Domande rimaste</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Risposte giuste</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Risposte sbagliate</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Secondi per domanda</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Domande per quiz</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Tipo di tonalità</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Avvia il quiz o lo riprende dopo lo stop</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Ferma il quiz</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Azzera i contatori per un nuovo quiz</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Spia delle tonalità con diesis</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Spia delle tonalità con bemolli</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Risposta %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, la tua scelta</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, la risposta giusta</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Armatura di chiave</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Clicca per visitare</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Per saperne di più visita il mio sito web</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 gli autori di Duridaz</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Circolo delle quinte</translation>
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
        <translation>Sol</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>A</source>
        <translation>La</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>F Sharp</source>
        <translation>Fa diesis</translation>
    </message>
    <message>
        <source>C Sharp</source>
        <translation>Do diesis</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>B Flat</source>
        <translation>Si bemolle</translation>
    </message>
    <message>
        <source>E Flat</source>
        <translation>Mi bemolle</translation>
    </message>
    <message>
        <source>A Flat</source>
        <translation>La bemolle</translation>
    </message>
    <message>
        <source>D Flat</source>
        <translation>Re bemolle</translation>
    </message>
    <message>
        <source>G Flat</source>
        <translation>Sol bemolle</translation>
    </message>
    <message>
        <source>C Flat</source>
        <translation>Do bemolle</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Mi minore</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si minore</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>Fa diesis minore</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>Do diesis minore</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>Sol diesis minore</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>Re diesis minore</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>La diesis minore</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Re minore</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol minore</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do minore</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa minore</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>Si bemolle minore</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>Mi bemolle minore</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>La bemolle minore</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>La minore</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The major key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>Do</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Staff without a key signature</source>
        <translation>Pentagramma senza armatura</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Tonalità con bemolli</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Tonalità con diesis</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Tutte le tonalità</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Giusto: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Sbagliato: la risposta giusta è %1</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Hai scelto %1</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Quiz finito: %1</translation>
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
            <numerusform>%n giusta</numerusform>
            <numerusform>%n giuste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n sbagliata</numerusform>
            <numerusform>%n sbagliate</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>non restano domande</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>resta %n domanda</numerusform>
            <numerusform>restano %n domande</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Risposte giuste / domande poste</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Risposte per tonalità</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tempo medio</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Chiave di basso</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Chiave di contralto</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Chiave di tenore</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Chiave di violino</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>tonalità minori</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>tonalità maggiori</translation>
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
        <translation>Almeno il %1% di risposte giuste</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>Dal %1 al %2% di risposte giuste</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Meno del %1% di risposte giuste</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Non ancora chiesta</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>Più di %1 in media</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>I miei progressi</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>Questa &amp;sessione</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>Tutto lo s&amp;torico</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>Nessuno storico viene conservato: si possono mostrare solo le risposte di questa sessione.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Risultati degli ultimi quiz</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Nessun quiz ancora finito</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Un quiz: %1 di risposte giuste</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Ultimo quiz: minimo %1, massimo %2, ultimo %3</numerusform>
            <numerusform>Gli ultimi %n quiz: minimo %1, massimo %2, ultimo %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>Il tuo storico non può essere conservato: %1 è una cartella, non un file. Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>Il tuo storico non può essere conservato: la cartella di %1 non può essere creata. Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Il tuo storico in %1 è stato scritto da una versione più recente di Duridaz. Viene lasciato com’è, e questa versione non salva nulla.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Il tuo storico in %1 era danneggiato. È conservato come %2, e ne è stato iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Il tuo storico in %1 è danneggiato e non è stato possibile metterlo da parte (%2). Resta dov’è, e Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>Il tuo storico non può essere conservato: %1 o la sua cartella è di sola lettura. Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>Il tuo storico non può essere conservato: il disco che contiene %1 è pieno. Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Il tuo storico non può essere conservato in %1 (%2). Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>Non è stato possibile eliminare %1 (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Non è stato possibile salvare un nuovo quiz in %1 (%2). Duridaz continua senza salvare le tue risposte.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Non è stato possibile salvare una risposta in %1 (%2). Duridaz continua senza salvare le tue risposte.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Conserva il mio storico</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Le tue risposte sono in %1 e le tue impostazioni in %2. Eliminare anche queste?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Eliminale</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Tieni i file</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>Le impostazioni in %1 non sono comprensibili, quindi Duridaz parte con le impostazioni consuete. Il file verrà sostituito al prossimo salvataggio delle impostazioni.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>Le impostazioni in %1 non sono leggibili, quindi Duridaz parte con le impostazioni consuete.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Non è stato possibile salvare le impostazioni: la cartella %1 non può essere creata.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>Non è stato possibile salvare le impostazioni in %1 (%2).</translation>
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
            <numerusform>%n diesis</numerusform>
            <numerusform>%n diesis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n bemolle</numerusform>
            <numerusform>%n bemolli</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Chiave</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>Chiave di &amp;violino</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>Chiave di &amp;basso</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>Chiave di c&amp;ontralto</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>Chiave di &amp;tenore</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tonalità</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Maggiori</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>M&amp;inori</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>Informazioni &amp;su Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Conserva il mio st&amp;orico</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>Esercita le tonalità che s&amp;bagli</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>I miei pro&amp;gressi…</translation>
    </message>
</context>
</TS>
