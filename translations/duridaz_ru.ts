<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>КЛЮЧЕВЫЕ ЗНАКИ</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>ОТВЕТЫ</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>ВЕРНО</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>НЕВЕРНО</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>ВЫБОР</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>ДИЕЗЫ</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>БЕМОЛИ</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>СБРОС</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>СТОП</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A drill for naming key signatures.</source>
        <translation>Тренажёр для определения тональностей по ключевым знакам.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>См. duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>«%1» — не ключ: выберите treble, bass, alto или tenor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>«%1» — не параметр.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Показывает ключевые знаки в указанном ключе: treble (скрипичный), bass (басовый), alto (альтовый) или tenor (теноровый).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>ключ</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Спрашивает минорные тональности ключевых знаков.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Показывает версию.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Go</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Начинает тест или продолжает его после остановки</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Останавливает тест</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Обнуляет счётчики для нового теста</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Выбор тональностей</translation>
    </message>
    <message>
        <source>About </source>
        <translation>О программе </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>вопросы</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>время</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>Не найден нужный файл!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Спрашивает тональности с бемолями; нажмите, чтобы сменить</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Спрашивает тональности с диезами; нажмите, чтобы сменить</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Спрашивает все четырнадцать тональностей; нажмите, чтобы сменить</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Осталось вопросов</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Верные ответы</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Неверные ответы</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Секунд на вопрос</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Вопросов в тесте</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Индикатор тональностей с диезами</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Индикатор тональностей с бемолями</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Ответ %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, ваш выбор</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, правильный ответ</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Ключевые знаки</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Бесплатная программа</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Нажмите, чтобы перейти на сайт</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Подробнее — на моём сайте</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 авторы Duridaz</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Квинтовый круг</translation>
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
        <translation>Соль</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Ре</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Ля</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Ми</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Си</translation>
    </message>
    <message>
        <source>F Sharp</source>
        <translation>Фа-диез</translation>
    </message>
    <message>
        <source>C Sharp</source>
        <translation>До-диез</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Фа</translation>
    </message>
    <message>
        <source>B Flat</source>
        <translation>Си-бемоль</translation>
    </message>
    <message>
        <source>E Flat</source>
        <translation>Ми-бемоль</translation>
    </message>
    <message>
        <source>A Flat</source>
        <translation>Ля-бемоль</translation>
    </message>
    <message>
        <source>D Flat</source>
        <translation>Ре-бемоль</translation>
    </message>
    <message>
        <source>G Flat</source>
        <translation>Соль-бемоль</translation>
    </message>
    <message>
        <source>C Flat</source>
        <translation>До-бемоль</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Ми минор</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Си минор</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>Фа-диез минор</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>До-диез минор</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>Соль-диез минор</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>Ре-диез минор</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>Ля-диез минор</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Ре минор</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Соль минор</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>До минор</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Фа минор</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>Си-бемоль минор</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>Ми-бемоль минор</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>Ля-бемоль минор</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>Ля минор</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The major key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>До</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Staff without a key signature</source>
        <translation>Нотный стан без ключевых знаков</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Тест окончен: %1</translation>
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
        <translation>Верно: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Неверно: правильный ответ&#xa0;— %1</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Сброс</translation>
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
            <numerusform>%n верный ответ</numerusform>
            <numerusform>%n верных ответа</numerusform>
            <numerusform>%n верных ответов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>вопросов больше нет</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>остался %n вопрос</numerusform>
            <numerusform>осталось %n вопроса</numerusform>
            <numerusform>осталось %n вопросов</numerusform>
        </translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Тональности с бемолями</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Тональности с диезами</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Все тональности</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Ваш выбор: %1</translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Верные ответы / заданные вопросы</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Ответы по тональностям</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Тональность</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Вопросов</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Среднее время</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Басовый ключ</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Альтовый ключ</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Теноровый ключ</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Скрипичный ключ</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>минорные тональности</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>мажорные тональности</translation>
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
        <translation>%1&#xa0;с</translation>
    </message>
    <message>
        <source>%1% or more right</source>
        <translation>%1&#xa0;% и более верных</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>От %1 до %2&#xa0;% верных</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Менее %1&#xa0;% верных</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Ещё не спрашивали</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>В среднем дольше %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>Мои успехи</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>&amp;Этот сеанс</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>Вся &amp;история</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>История не сохраняется: можно показать только ответы этого сеанса.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Результаты последних тестов</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Ещё ни одного законченного теста</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Один тест: %1 верных</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Последний %n тест: худший результат %1, лучший %2, последний %3</numerusform>
            <numerusform>Последние %n теста: худший результат %1, лучший %2, последний %3</numerusform>
            <numerusform>Последние %n тестов: худший результат %1, лучший %2, последний %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>Не удаётся вести ваш журнал: %1 — это папка, а не файл. Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>Не удаётся вести ваш журнал: не удаётся создать папку для %1. Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Ваш журнал в %1 записан более новой версией Duridaz. Он оставлен как есть, а эта версия ничего не сохраняет.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Ваш журнал в %1 был повреждён. Он сохранён как %2, и начат новый журнал.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Ваш журнал в %1 повреждён, и его не удалось отложить (%2). Он остаётся на месте, а Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>Не удаётся вести ваш журнал: %1 или его папка доступны только для чтения. Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>Не удаётся вести ваш журнал: диск, на котором находится %1, заполнен. Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Не удаётся вести ваш журнал в %1 (%2). Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>Не удалось удалить %1 (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Не удалось сохранить новый тест в %1 (%2). Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Не удалось сохранить ответ в %1 (%2). Duridaz продолжает работу, не сохраняя ваши ответы.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Вести мой журнал</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Ваши ответы хранятся в %1, а настройки — в %2. Удалить и их?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Оставить файлы</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>Настройки в %1 непонятны, поэтому Duridaz начинает с обычных настроек. Файл будет заменён при следующем сохранении настроек.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>Не удалось прочитать настройки в %1, поэтому Duridaz начинает с обычных настроек.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Не удалось сохранить настройки: не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>Не удалось сохранить настройки в %1 (%2).</translation>
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
            <numerusform>%n диез</numerusform>
            <numerusform>%n диеза</numerusform>
            <numerusform>%n диезов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n бемоль</numerusform>
            <numerusform>%n бемоля</numerusform>
            <numerusform>%n бемолей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Ключ</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>&amp;Скрипичный</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>&amp;Басовый</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>&amp;Альтовый</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>&amp;Теноровый</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Тональности</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Мажорные</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>Ми&amp;норные</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>О &amp;программе Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Вести мой &amp;журнал</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>&amp;Упражняться в тональностях с ошибками</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>Мои у&amp;спехи…</translation>
    </message>
</context>
</TS>
