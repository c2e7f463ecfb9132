<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>ARMADURAS</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>RESPUESTAS</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>ACIERTOS</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>ERRORES</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>ELEGIR</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>SOSTENIDOS</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>BEMOLES</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>A CERO</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A drill for naming key signatures.</source>
        <translation>Un ejercicio para nombrar armaduras.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>Véase duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>«%1» no es una clave: elija treble, bass, alto o tenor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>«%1» no es una opción.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Muestra las armaduras en la clave indicada: treble (sol), bass (fa), alto (do en tercera) o tenor (do en cuarta).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>clave</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Pregunta las tonalidades menores de las armaduras.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About </source>
        <translation>Acerca de Duridaz </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>preguntas</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>¡No se encontró un archivo necesario!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Pregunta las tonalidades con bemoles; pulse para cambiar</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Pregunta las tonalidades con sostenidos; pulse para cambiar</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Pregunta las catorce tonalidades; pulse para cambiar</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Preguntas restantes</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Segundos por pregunta</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Preguntas por prueba</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Tipo de tonalidad</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Inicia la prueba o la reanuda después de parar</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Detiene la prueba</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Pone los contadores a cero para una nueva prueba</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Duridaz</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Luz de tonalidades con sostenidos</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Luz de tonalidades con bemoles</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, su elección</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, la respuesta correcta</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Armadura</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>Acerca de Duridaz</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Software gratuito</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Haga clic para visitar</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Más información en mi sitio web</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 los autores de Duridaz</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Círculo de quintas</translation>
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
        <translation>Fa sostenido</translation>
    </message>
    <message>
        <source>C Sharp</source>
        <translation>Do sostenido</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>B Flat</source>
        <translation>Si bemol</translation>
    </message>
    <message>
        <source>E Flat</source>
        <translation>Mi bemol</translation>
    </message>
    <message>
        <source>A Flat</source>
        <translation>La bemol</translation>
    </message>
    <message>
        <source>D Flat</source>
        <translation>Re bemol</translation>
    </message>
    <message>
        <source>G Flat</source>
        <translation>Sol bemol</translation>
    </message>
    <message>
        <source>C Flat</source>
        <translation>Do bemol</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Mi menor</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si menor</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>Fa sostenido menor</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>Do sostenido menor</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>Sol sostenido menor</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>Re sostenido menor</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>La sostenido menor</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Re menor</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol menor</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do menor</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa menor</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>Si bemol menor</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>Mi bemol menor</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>La bemol menor</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>La menor</translation>
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
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Staff without a key signature</source>
        <translation>Pentagrama sin armadura</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Tonalidades con bemoles</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Tonalidades con sostenidos</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Todas las tonalidades</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Incorrecto: la respuesta correcta es %1</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Ha elegido %1</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Prueba terminada: %1</translation>
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
            <numerusform>%n acierto</numerusform>
            <numerusform>%n aciertos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>no quedan preguntas</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>queda %n pregunta</numerusform>
            <numerusform>quedan %n preguntas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Aciertos / preguntas hechas</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Respuestas por tonalidad</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalidad</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tiempo medio</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Clave de fa</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Clave de do en tercera</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Clave de do en cuarta</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Clave de sol</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>tonalidades menores</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>tonalidades mayores</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What the window shows: &quot;Bass clef, minor keys&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: &quot;85%&quot;, as your language writes it.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds with one decimal: &quot;2.4 s&quot;.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1% or more right</source>
        <translation>%1&#xa0;% de aciertos o más</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>Del %1 al %2&#xa0;% de aciertos</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Menos del %1&#xa0;% de aciertos</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Aún no preguntada</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>Más de %1 de media</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>Esta &amp;sesión</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>Todo el &amp;historial</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>No se guarda ningún historial: solo pueden mostrarse las respuestas de esta sesión.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Resultados de las últimas pruebas</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Aún no se ha terminado ninguna prueba</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Una prueba: %1 de aciertos</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Última prueba: mínimo %1, máximo %2, última %3</numerusform>
            <numerusform>Las últimas %n pruebas: mínimo %1, máximo %2, última %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>No se puede guardar su historial: %1 es una carpeta, no un archivo. Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>No se puede guardar su historial: no se puede crear la carpeta de %1. Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Su historial en %1 lo escribió una versión más reciente de Duridaz. Se deja como está, y esta versión no guarda nada.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Su historial en %1 estaba dañado. Se conserva como %2, y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Su historial en %1 está dañado y no se ha podido apartar (%2). Se deja donde está, y Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>No se puede guardar su historial: %1 o su carpeta es de solo lectura. Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>No se puede guardar su historial: el disco que contiene %1 está lleno. Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>No se puede guardar su historial en %1 (%2). Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>No se ha podido borrar %1 (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>No se ha podido guardar una prueba nueva en %1 (%2). Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>No se ha podido guardar una respuesta en %1 (%2). Duridaz sigue sin guardar sus respuestas.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Guardar mi historial</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Sus respuestas se guardan en %1 y sus ajustes en %2. ¿Borrarlos también?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Borrarlos</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Conservar los archivos</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>Los ajustes de %1 no se han podido entender, así que Duridaz empieza con sus ajustes habituales. El archivo se sustituirá la próxima vez que se guarden los ajustes.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>Los ajustes de %1 no se han podido leer, así que Duridaz empieza con sus ajustes habituales.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>No se han podido guardar los ajustes: no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>No se han podido guardar los ajustes en %1 (%2).</translation>
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
            <numerusform>%n sostenido</numerusform>
            <numerusform>%n sostenidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n bemol</numerusform>
            <numerusform>%n bemoles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Clave</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>Clave de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>Clave de &amp;fa</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>Clave de do en &amp;tercera</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>Clave de do en &amp;cuarta</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tonalidades</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Mayores</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>M&amp;enores</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>&amp;Acerca de Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Guardar mi &amp;historial</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>&amp;Practicar las tonalidades que fallo</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>Mi pro&amp;greso…</translation>
    </message>
</context>
</TS>
