<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A card game for one to four players that teaches that %1, %2, 1/2 and a half-shaded tile are the same number.</source>
        <translation>Un juego de cartas de uno a cuatro jugadores que enseña que %1; %2; 1/2 y una cuadrícula sombreada a la mitad representan el mismo número.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>%1 is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (%2). It comes with no warranty.</source>
        <translation>%1 es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU publicada por la Free Software Foundation, ya sea la versión 3 de la Licencia o (a su elección) cualquier versión posterior (%2). Se distribuye sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Read the licence: </source>
        <translation>Lea la licencia: </translation>
    </message>
    <message>
        <source>on this computer</source>
        <translation>en este ordenador</translation>
    </message>
    <message>
        <source> (Debian and systems like it) or </source>
        <translation> (Debian y sistemas similares) o </translation>
    </message>
    <message>
        <source>on the web</source>
        <translation>en la web</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Made by the Zandoli developers.</source>
        <translation>Hecho por los desarrolladores de Zandoli.</translation>
    </message>
    <message>
        <source>Every picture, sound and text of the game, this page and the printable rules included, is made by the game&apos;s own code.</source>
        <translation>Cada imagen, sonido y texto del juego, incluidas esta página y las reglas para imprimir, lo crea el propio código del juego.</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>one tenth</source>
        <translation>una décima</translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>un quinto</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un cuarto</translation>
    </message>
    <message>
        <source>three tenths</source>
        <translation>tres décimas</translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation>dos quintos</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un medio</translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation>tres quintos</translation>
    </message>
    <message>
        <source>seven tenths</source>
        <translation>siete décimas</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>tres cuartos</translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation>cuatro quintos</translation>
    </message>
    <message>
        <source>nine tenths</source>
        <translation>nueve décimas</translation>
    </message>
    <message>
        <source>one whole</source>
        <translation>una unidad</translation>
    </message>
    <message>
        <source>%1, as a whole number: %2</source>
        <translation>%1, como número entero: %2</translation>
    </message>
    <message>
        <source>%1, as a decimal: %2</source>
        <translation>%1, como número decimal: %2</translation>
    </message>
    <message>
        <source>%1, as a percentage: %2 percent</source>
        <translation>%1, como porcentaje: %2 por ciento</translation>
    </message>
    <message>
        <source>%1, as a fraction: %2 over %3</source>
        <translation>%1, como fracción: %2 sobre %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, as a tile with %n of 20 squares shaded</source>
        <translation>
            <numerusform>%1, como cuadrícula con %n de sus 20 cuadrados sombreado</numerusform>
            <numerusform>%1, como cuadrícula con %n de sus 20 cuadrados sombreados</numerusform>
        </translation>
    </message>
    <message>
        <source>star on red: discard any one card</source>
        <translation>estrella sobre fondo rojo: descarta la carta que quieras</translation>
    </message>
    <message>
        <source>star on blue: take a card from the pack</source>
        <translation>estrella sobre fondo azul: roba una carta del mazo</translation>
    </message>
    <message>
        <source>half shaded</source>
        <translation>figura sombreada a la mitad</translation>
    </message>
    <message>
        <source>all shaded</source>
        <translation>figura sombreada por completo</translation>
    </message>
    <message>
        <source>%1 shaded</source>
        <translation>figura sombreada (%1)</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>1 game</source>
        <translation>1 partida</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>a game</source>
        <translation>una partida</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>un jugador</translation>
    </message>
    <message>
        <source>a choice</source>
        <translation>una elección</translation>
    </message>
    <message>
        <source>%1 is not a Zandoli? record</source>
        <translation>%1 no es un archivo de resultados de Zandoli?</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 está dañado</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Zandoli?; update this one first</source>
        <translation>%1 lo escribió una versión más reciente de Zandoli?; actualiza primero esta</translation>
    </message>
    <message>
        <source>%1 holds %2 this version cannot read</source>
        <translation>%1 contiene %2 que esta versión no puede leer</translation>
    </message>
    <message>
        <source>%1 holds a name that is not text</source>
        <translation>%1 contiene un nombre que no es texto</translation>
    </message>
    <message>
        <source>no game has been recorded on this computer yet</source>
        <translation>todavía no se ha guardado ninguna partida en este ordenador</translation>
    </message>
    <message>
        <source>wrote %1 to %2</source>
        <translation>archivo %2 escrito: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a Zandoli? record</source>
        <translation>%1 es demasiado grande para ser un archivo de resultados de Zandoli?</translation>
    </message>
    <message>
        <source>cannot write the record %1</source>
        <translation>no se pueden escribir los resultados en %1</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already here</source>
        <translation>%1: %2 más; ya había %3</translation>
    </message>
    <message>
        <source>%1: %2 added</source>
        <translation>%1: %2 más</translation>
    </message>
    <message>
        <source>wrote 1 row to %1</source>
        <translation>1 fila escrita en %1</translation>
    </message>
    <message>
        <source>wrote %1 rows to %2</source>
        <translation>%1 filas escritas en %2</translation>
    </message>
    <message>
        <source>--import needs a file: zandoli --import FILE.zandoli</source>
        <translation>--import necesita un archivo: zandoli --import ARCHIVO.zandoli</translation>
    </message>
    <message>
        <source>--export needs a file ending in .pdf, .csv or .zandoli</source>
        <translation>--export necesita un archivo .pdf, .csv o .zandoli</translation>
    </message>
    <message>
        <source>no period &quot;%1&quot;: it is today, week, term or all</source>
        <translation>«%1» no es un periodo: elige today, week, term o all</translation>
    </message>
    <message>
        <source>%1: the file&apos;s name ends in .pdf, .csv or .zandoli</source>
        <translation>%1: el nombre del archivo termina en .pdf, .csv o .zandoli</translation>
    </message>
    <message>
        <source>the record could not be read</source>
        <translation>no se han podido leer los resultados</translation>
    </message>
    <message>
        <source>--practice needs the name of a pupil</source>
        <translation>--practice necesita el nombre de un alumno</translation>
    </message>
</context>
<context>
    <name>Explain</name>
    <message>
        <source>Spinner</source>
        <translation>Ruleta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>In your hand</source>
        <translation>En tu mano</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Tu carta</translation>
    </message>
    <message>
        <source>The digits of a fraction are not tenths: %1 is not %2.</source>
        <translation>Las cifras de una fracción no son décimas: %1 no es igual a %2.</translation>
    </message>
    <message>
        <source>You counted the white squares.</source>
        <translation>Has contado los cuadrados blancos.</translation>
    </message>
    <message>
        <source>%1 is one tenth more than %2.</source>
        <translation>%1 es una décima más que %2.</translation>
    </message>
    <message>
        <source>%1 is one tenth less than %2.</source>
        <translation>%1 es una décima menos que %2.</translation>
    </message>
    <message>
        <source>%1 and %2 begin with the same digit, but %1 is more than %2.</source>
        <translation>%1 y %2 empiezan por la misma cifra, pero %1 es mayor que %2.</translation>
    </message>
    <message>
        <source>%1 and %2 begin with the same digit, but %1 is less than %2.</source>
        <translation>%1 y %2 empiezan por la misma cifra, pero %1 es menor que %2.</translation>
    </message>
    <message>
        <source>%1 is more than %2.</source>
        <translation>%1 es mayor que %2.</translation>
    </message>
    <message>
        <source>%1 is less than %2.</source>
        <translation>%1 es menor que %2.</translation>
    </message>
    <message>
        <source>The shaded part is %1 of 20: %2.</source>
        <translation>Están sombreados %1 de los 20 cuadrados: %2.</translation>
    </message>
    <message>
        <source>Your card shades %1 of 20.</source>
        <translation>Tu carta tiene sombreados %1 de los 20 cuadrados.</translation>
    </message>
    <message>
        <source>Your card, %1, is %2 of 20.</source>
        <translation>Tu carta (%1) equivale a %2 de los 20 cuadrados.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Your card: %1.</source>
        <translation>Tu carta: %1.</translation>
    </message>
    <message>
        <source>You also had %1, the same as %2.</source>
        <translation>Tenías en la mano %1: el mismo número que %2.</translation>
    </message>
    <message>
        <source>Cards left in your hand: %1.</source>
        <translation>Cartas que te quedan en la mano: %1.</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Ruleta: %1.</translation>
    </message>
    <message>
        <source>a tile with %1 of 20 shaded</source>
        <translation>una cuadrícula con %1 de los 20 cuadrados sombreados</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>Every value, every form</source>
        <translation>Todos los valores y formas</translation>
    </message>
    <message>
        <source>the lesson is locked on this computer; %1 is not played</source>
        <translation>la lección está bloqueada en este ordenador; no se jugará %1</translation>
    </message>
    <message>
        <source>Halves, quarters and tenths</source>
        <translation>Medios, cuartos y décimas</translation>
    </message>
    <message>
        <source>Tenths and quarters as decimals and percentages</source>
        <translation>Décimas y cuartos como decimales y porcentajes</translation>
    </message>
    <message>
        <source>Fifths and tenths as fractions and tiles</source>
        <translation>Quintos y décimas como fracciones y cuadrículas</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Choose what the class plays: a lesson from the list, or the values and forms ticked below.</source>
        <translation>Elige con qué cartas juega la clase: una lección de la lista, o los valores y las formas que marques abajo.</translation>
    </message>
    <message>
        <source>Built-in lessons</source>
        <translation>Lecciones incluidas</translation>
    </message>
    <message>
        <source>Built-in lessons:</source>
        <translation>Lecciones incluidas:</translation>
    </message>
    <message>
        <source>Name of the lesson</source>
        <translation>Nombre de la lección</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Cards of these values:</source>
        <translation>Cartas de estos valores:</translation>
    </message>
    <message>
        <source>Cards in these forms:</source>
        <translation>Cartas en estas formas:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Class code</source>
        <translation>Código de clase</translation>
    </message>
    <message>
        <source>letters and digits: every computer with the same code deals the same games</source>
        <translation>letras y cifras: todos los ordenadores con el mismo código reparten las mismas partidas</translation>
    </message>
    <message>
        <source>Class code:</source>
        <translation>Código de clase:</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <source>Save as File…</source>
        <translation>Guardar en un archivo…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type a name for the lesson.</source>
        <translation>Escribe un nombre para la lección.</translation>
    </message>
    <message>
        <source>No card has a value and a form ticked: tick another value or form.</source>
        <translation>Ninguna carta tiene su valor y su forma marcados: marca otro valor u otra forma.</translation>
    </message>
    <message>
        <source>Save the Lesson as a File</source>
        <translation>Guardar la lección en un archivo</translation>
    </message>
    <message>
        <source>Open a Lesson File</source>
        <translation>Abrir un archivo de lección</translation>
    </message>
    <message>
        <source>Lessons (*.lesson);;All files (*)</source>
        <translation>Lecciones (*.lesson);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>Se ha abierto %1.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Se ha guardado como %1.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se ha podido escribir %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>it is not a lesson: a lesson is a text file</source>
        <translation>no es una lección: una lección es un archivo de texto</translation>
    </message>
    <message>
        <source>it is too large for a lesson (64 KiB at most)</source>
        <translation>es demasiado grande para una lección (64 KiB como máximo)</translation>
    </message>
    <message>
        <source>no card has a value and a form of this lesson</source>
        <translation>ninguna carta tiene un valor y una forma de esta lección</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line of the form key = value</source>
        <translation>«%1» no es una línea de la forma clave = valor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of a lesson (name, values, forms, explain, sound, code)</source>
        <translation>«%1» no es una clave de lección (name, values, forms, explain, sound, code)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>«%1» aparece dos veces</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of the game (1/10 to 9/10, 1/5 to 4/5, 1/4, 1/2, 3/4, 1)</source>
        <translation>«%1» no es un valor del juego (de 1/10 a 9/10; de 1/5 a 4/5; 1/4; 1/2; 3/4; 1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a form (decimal, percent, fraction, tile, whole)</source>
        <translation>«%1» no es una forma (decimal, percent, fraction, tile, whole)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither on nor off</source>
        <translation>«%1» no es ni on ni off</translation>
    </message>
    <message>
        <source>the name must be 1 to 60 characters</source>
        <translation>el nombre debe tener de 1 a 60 caracteres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a class code: 1 to 12 letters and digits</source>
        <translation>«%1» no es un código de clase: de 1 a 12 letras y cifras</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player Names</source>
        <translation>Nombres de los jugadores</translation>
    </message>
    <message>
        <source>The results show each player by this name. Leave it empty for the colour.</source>
        <translation>Los resultados muestran a cada jugador con este nombre. Déjalo vacío para usar el color.</translation>
    </message>
    <message>
        <source>%1 player&apos;s name</source>
        <translation>nombre del jugador %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Took the unshaded part for the shaded part</source>
        <translation>Tomó la parte sin sombrear por la parte sombreada</translation>
    </message>
    <message>
        <source>Read the digits of a fraction as a decimal</source>
        <translation>Leyó las cifras de una fracción como un número decimal</translation>
    </message>
    <message>
        <source>One tenth away from the value</source>
        <translation>A una décima del valor</translation>
    </message>
    <message>
        <source>Confused a percentage or decimal with another of the same tenths</source>
        <translation>Confundió un porcentaje o un número decimal con otro de las mismas décimas</translation>
    </message>
    <message>
        <source>Another value</source>
        <translation>Otro valor</translation>
    </message>
    <message>
        <source>Passed by a card of the value</source>
        <translation>Dejó pasar una carta del valor</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>no game was recorded in this period</source>
        <translation>no se guardó ninguna partida en este periodo</translation>
    </message>
    <message>
        <source>%1 played no game in this period</source>
        <translation>%1 no jugó ninguna partida en este periodo</translation>
    </message>
    <message>
        <source>wrote a page for 1 pupil to %1</source>
        <translation>una página para 1 alumno escrita en %1</translation>
    </message>
    <message>
        <source>wrote a page for each of %1 pupils to %2</source>
        <translation>una página para cada uno de los %1 alumnos escrita en %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>All games recorded: %1</source>
        <translation>Todas las partidas guardadas: %1</translation>
    </message>
    <message>
        <source>Games since %1: %2</source>
        <translation>Partidas desde el %1: %2</translation>
    </message>
    <message>
        <source>Week of %1: %2 matched, %3 wrong, %4 missed</source>
        <translation>Semana del %1: acertadas %2, errores %3, olvidadas %4</translation>
    </message>
    <message>
        <source>(%1 matched, %2 wrong, %3 missed on the week before)</source>
        <translation>(acertadas %1, errores %2, olvidadas %3 respecto a la semana anterior)</translation>
    </message>
    <message>
        <source>Zandoli? — what %1 learned</source>
        <translation>Zandoli? — lo que aprendió %1</translation>
    </message>
    <message>
        <source>Week by week</source>
        <translation>Semana a semana</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Zandoli? report</source>
        <translation>Informe de Zandoli?</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This Term (12 Weeks)</source>
        <translation>Este trimestre (12 semanas)</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>Teacher&apos;s Report</source>
        <translation>Informe para el docente</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>save the pages shown as a PDF to print</source>
        <translation>guardar las páginas mostradas como PDF para imprimirlas</translation>
    </message>
    <message>
        <source>Save for a Spreadsheet…</source>
        <translation>Guardar para hoja de cálculo…</translation>
    </message>
    <message>
        <source>save every choice of the period as a CSV file, a row a choice</source>
        <translation>guardar cada elección del periodo en un archivo CSV, una fila por elección</translation>
    </message>
    <message>
        <source>close the report</source>
        <translation>cerrar el informe</translation>
    </message>
    <message>
        <source>Every Pupil</source>
        <translation>Todos los alumnos</translation>
    </message>
    <message>
        <source>No game was recorded in this period.</source>
        <translation>No se registró ninguna partida en este periodo.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Zandoli report.pdf</source>
        <translation>Informe Zandoli.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save for a Spreadsheet</source>
        <translation>Guardar para hoja de cálculo</translation>
    </message>
    <message>
        <source>Zandoli choices.csv</source>
        <translation>Elecciones Zandoli.csv</translation>
    </message>
    <message>
        <source>CSV files for spreadsheets (*.csv)</source>
        <translation>Archivos CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation>Confusiones</translation>
    </message>
    <message>
        <source>Resolved in this period: %1</source>
        <translation>Resueltas en este periodo: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Lessons: %1</source>
        <translation>Lecciones: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Bars: filled for cards matched, hatched for wrong cards, outlined for cards missed</source>
        <translation>Barras: llenas para las cartas acertadas, rayadas para los errores, vacías para las cartas olvidadas</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>acertadas</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errores</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>olvidadas</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Todavía no se ha guardado ninguna partida.</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Partida anterior</translation>
    </message>
    <message>
        <source>the results of the game before</source>
        <translation>los resultados de la partida anterior</translation>
    </message>
    <message>
        <source>Next Game</source>
        <translation>Partida siguiente</translation>
    </message>
    <message>
        <source>the results of the game after</source>
        <translation>los resultados de la partida siguiente</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Borrar los resultados</translation>
    </message>
    <message>
        <source>delete every game recorded on this computer, after asking</source>
        <translation>borrar todas las partidas guardadas en este ordenador, después de preguntar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>close the results</source>
        <translation>cerrar los resultados</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Ningún error</translation>
    </message>
    <message>
        <source>Forget the results of every game played on this computer? This cannot be undone.</source>
        <translation>¿Borrar los resultados de todas las partidas jugadas en este ordenador? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>dos veces</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>1 spin</source>
        <translation>1 giro</translation>
    </message>
    <message numerus="yes">
        <source>%n spins</source>
        <translation>
            <numerusform>%n giro</numerusform>
            <numerusform>%n giros</numerusform>
        </translation>
    </message>
    <message>
        <source>whole cards</source>
        <translation>números enteros</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>decimales</translation>
    </message>
    <message>
        <source>percentages</source>
        <translation>porcentajes</translation>
    </message>
    <message>
        <source>fractions</source>
        <translation>fracciones</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>cuadrículas</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 wrong, %4 missed</source>
        <translation>%1 (acertadas: %2, errores: %3, olvidadas: %4)</translation>
    </message>
    <message>
        <source>no card judged</source>
        <translation>ninguna carta jugada</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2. %3.</source>
        <translation>%1: %2. %3.</translation>
    </message>
    <message>
        <source>%1 matched
%2 wrong
%3 missed</source>
        <translation>acertadas: %1
errores: %2
olvidadas: %3</translation>
    </message>
    <message>
        <source>Missed %1: %2. The spinner showed %3.</source>
        <translation>Olvidada %1: %2. La ruleta mostraba %3.</translation>
    </message>
    <message>
        <source>%1, %2. The spinner showed %3; pressed: %4.</source>
        <translation>%1, %2. La ruleta mostraba %3; carta elegida: %4.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy, HH:mm</source>
        <translation>dddd d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>ganó %1</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>sin terminar</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>the teacher&apos;s report: each pupil&apos;s page over a period, to print or save</source>
        <translation>el informe para el docente: la página de cada alumno en un periodo, para imprimir o guardar</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>No se han podido leer los resultados.</translation>
    </message>
    <message>
        <source>%1 (%2) passed by at %3</source>
        <translation>%1 (%2) olvidada con %3</translation>
    </message>
    <message>
        <source>%1 (%2) for %3</source>
        <translation>%1 (%2) por %3</translation>
    </message>
    <message>
        <source>whole card</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>número decimal</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>fracción</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>cuadrícula</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>still there, 1 session</source>
        <translation>sigue ahí, 1 sesión</translation>
    </message>
    <message numerus="yes">
        <source>still there, %n sessions</source>
        <translation>
            <numerusform>sigue ahí, %n sesión</numerusform>
            <numerusform>sigue ahí, %n sesiones</numerusform>
        </translation>
    </message>
    <message>
        <source>resolved on %1</source>
        <translation>resuelta el %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Box %3 of 3; %4.</source>
        <translation>%1: %2. Caja %3 de 3; %4.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Practicar</translation>
    </message>
    <message>
        <source>a one-player game for %1, dealt from what %1 confuses</source>
        <translation>una partida en solitario para %1, repartida a partir de lo que %1 confunde</translation>
    </message>
    <message>
        <source>Confusions: %1</source>
        <translation>Confusiones: %1</translation>
    </message>
    <message>
        <source>%1: %2. Resolved on %3.</source>
        <translation>%1: %2. Resuelta el %3.</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>The Rules of Zandoli?</source>
        <translation>Las reglas de Zandoli?</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>LAS REGLAS</translation>
    </message>
    <message>
        <source>Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, Green.</source>
        <translation>En Zandoli? pueden participar de 1 a 4 jugadores. Para empezar la partida, haz clic en el botón que indica el número de jugadores. Se juega en este orden: Azul, Amarillo, Magenta, Verde.</translation>
    </message>
    <message>
        <source>The computer shuffles the cards and deals 7 cards to each player. The smaller card towards the top of the screen represents the rest of the pack of cards.</source>
        <translation>El ordenador baraja las cartas y reparte 7 cartas a cada jugador. La carta más pequeña, en la parte superior de la pantalla, representa el resto del mazo.</translation>
    </message>
    <message>
        <source>Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the player can discard all their equivalent cards. To do this the player clicks on the card and it will disappear. For example, if the shape is half shaded, the player can click on the cards showing %1, %2, 1/2 or the half shaded tile card to discard them. If the player clicks on an incorrect card, their turn ends and the turn passes to the next player.</source>
        <translation>Por turnos, cada jugador hace girar la ruleta. Si la ruleta señala una figura sombreada, el jugador puede descartar todas las cartas de su mano que representan el mismo número que la figura. Para ello, hace clic en la carta y esta desaparece. Por ejemplo, si la figura está sombreada a la mitad, el jugador puede hacer clic en las cartas que muestran %1; %2; 1/2 o la cuadrícula sombreada a la mitad para descartarlas. Si el jugador hace clic en una carta incorrecta, su turno termina y pasa al siguiente jugador.</translation>
    </message>
    <message>
        <source>If the spinner points to a star on a blue background, the player must pick up another card from the pack. The player does this by clicking on the small card towards the top of the screen representing the pack.</source>
        <translation>Si la ruleta señala una estrella sobre fondo azul, el jugador debe robar otra carta del mazo. Para ello, hace clic en la carta pequeña de la parte superior de la pantalla, que representa el mazo.</translation>
    </message>
    <message>
        <source>If the spinner points to a star on a red background, the player can discard any one of their cards by clicking on it.</source>
        <translation>Si la ruleta señala una estrella sobre fondo rojo, el jugador puede descartar la carta que quiera haciendo clic en ella.</translation>
    </message>
    <message>
        <source>When a player has completed their turn, they should click the &apos;Next Player&apos; button.</source>
        <translation>Cuando un jugador ha terminado su turno, debe hacer clic en el botón «Siguiente jugador».</translation>
    </message>
    <message>
        <source>The first player to get rid of all their cards wins the game.</source>
        <translation>El primer jugador que se quede sin cartas gana la partida.</translation>
    </message>
    <message>
        <source>The same value, four ways</source>
        <translation>Cuatro maneras de representar el mismo número</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Número decimal</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fracción</translation>
    </message>
    <message>
        <source>Shaded squares out of 20</source>
        <translation>Cuadrícula (cuadrados sombreados de 20)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Abrir las reglas para imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>close the rules</source>
        <translation>cerrar las reglas</translation>
    </message>
    <message>
        <source>open the rules document to print it</source>
        <translation>abrir el documento de las reglas para imprimirlo</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Zandoli Rules.doc</source>
        <extracomment>The printable rules&apos; file name, shown in the word processor&apos;s title bar</extracomment>
        <translation>Reglas de Zandoli.doc</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>About Zandoli?</source>
        <translation>Acerca de Zandoli?</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Zandoli? logo: a half is %1 is %2 percent</source>
        <translation>logo de Zandoli?: un medio; %1 y %2 por ciento representan el mismo número</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Ocultar escritorio</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Elige el número de jugadores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>show the rules of the game</source>
        <translation>mostrar las reglas del juego</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jugadores</translation>
    </message>
    <message>
        <source>Select Number of Players: start a game for %1</source>
        <translation>Elige el número de jugadores: empezar una partida para %1</translation>
    </message>
    <message>
        <source>go back to the title screen</source>
        <translation>volver a la pantalla de inicio</translation>
    </message>
    <message>
        <source>choose the number of players</source>
        <translation>elegir el número de jugadores</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>what each player learned in the games played</source>
        <translation>lo que cada jugador aprendió en las partidas jugadas</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>give each player a name for the results</source>
        <translation>dar a cada jugador un nombre para los resultados</translation>
    </message>
    <message>
        <source>Explain Mistakes</source>
        <translation>Explicar los errores</translation>
    </message>
    <message>
        <source>after a wrong card, show why, and wait until it is read</source>
        <translation>después de una carta equivocada, mostrar por qué y esperar a que se lea</translation>
    </message>
    <message>
        <source>Lesson…</source>
        <translation>Lección…</translation>
    </message>
    <message>
        <source>choose the values and forms the class plays</source>
        <translation>elegir los valores y las formas con que juega la clase</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lección: %1</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Blue to Play</source>
        <translation>Turno de Azul</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Turno de Amarillo</translation>
    </message>
    <message>
        <source>Magenta to Play</source>
        <translation>Turno de Magenta</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Turno de Verde</translation>
    </message>
    <message>
        <source>BLUE HAS WON!!!</source>
        <translation>¡¡¡AZUL HA GANADO!!!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!!!</source>
        <translation>¡¡¡AMARILLO HA GANADO!!!</translation>
    </message>
    <message>
        <source>MAGENTA HAS WON!!!</source>
        <translation>¡¡¡MAGENTA HA GANADO!!!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!!!</source>
        <translation>¡¡¡VERDE HA GANADO!!!</translation>
    </message>
    <message>
        <source>TURN OVER</source>
        <translation>FIN DEL TURNO</translation>
    </message>
    <message numerus="yes">
        <source>GAME WON IN %n SPINS!</source>
        <translation>
            <numerusform>¡PARTIDA GANADA EN %n GIRO!</numerusform>
            <numerusform>¡PARTIDA GANADA EN %n GIROS!</numerusform>
        </translation>
    </message>
    <message>
        <source>save this game and go back to the title screen</source>
        <translation>guardar esta partida y volver a la pantalla de inicio</translation>
    </message>
    <message>
        <source>YOU HAVE MADE AN INCORRECT CHOICE</source>
        <translation>¡TE HAS EQUIVOCADO DE CARTA!</translation>
    </message>
    <message>
        <source>Spin the Spinner</source>
        <translation>Girar la ruleta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Siguiente jugador</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Number of Spins</source>
        <translation>Número de giros</translation>
    </message>
    <message>
        <source>a card in your hand: press it to discard it when it matches the spinner. Keys: arrows to move between cards, Space or Enter to press</source>
        <translation>una carta de tu mano: púlsala para descartarla cuando coincida con la ruleta. Teclas: las flechas para pasar de una carta a otra, Espacio o Intro para pulsar</translation>
    </message>
    <message>
        <source>shuffle and deal a new game. Key: %1</source>
        <translation>barajar y repartir una partida nueva. Tecla: %1</translation>
    </message>
    <message>
        <source>end your turn and hand over to the next player. Key: %1</source>
        <translation>terminar tu turno y pasar al siguiente jugador. Tecla: %1</translation>
    </message>
    <message>
        <source>show the rules of the game. Key: %1</source>
        <translation>mostrar las reglas del juego. Tecla: %1</translation>
    </message>
    <message>
        <source>the spinner</source>
        <translation>la ruleta</translation>
    </message>
    <message>
        <source>sixteen segments: shaded shapes, stars on red and a star on blue</source>
        <translation>dieciséis sectores: figuras sombreadas, estrellas sobre fondo rojo y una estrella sobre fondo azul</translation>
    </message>
    <message>
        <source>the segment under the spinner&apos;s pointer</source>
        <translation>el sector bajo la flecha de la ruleta</translation>
    </message>
    <message>
        <source>take a card from the pack</source>
        <translation>robar una carta del mazo</translation>
    </message>
    <message>
        <source>press it when the spinner shows the star on blue. Key: %1</source>
        <translation>púlsalo cuando la ruleta muestre la estrella sobre fondo azul. Tecla: %1</translation>
    </message>
    <message>
        <source>Take a card (key: %1)</source>
        <translation>Robar una carta (tecla: %1)</translation>
    </message>
    <message>
        <source>spin the spinner to start your turn. Key: %1</source>
        <translation>hacer girar la ruleta para empezar tu turno. Tecla: %1</translation>
    </message>
    <message>
        <source>no spins yet</source>
        <translation>todavía no hay giros</translation>
    </message>
    <message>
        <source>spinning</source>
        <translation>la ruleta está girando</translation>
    </message>
    <message>
        <source>the spinner&apos;s pointer, not spun yet</source>
        <translation>la flecha de la ruleta, que aún no ha girado</translation>
    </message>
    <message>
        <source>spinner: %1</source>
        <translation>ruleta: %1</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>what each player matched, got wrong and missed in this game. Key: %1</source>
        <translation>lo que cada jugador acertó, falló y olvidó en esta partida. Tecla: %1</translation>
    </message>
    <message>
        <source>See the Results</source>
        <translation>Ver los resultados</translation>
    </message>
    <message>
        <source>Lesson: %1 · class %2, game %3</source>
        <translation>Lección: %1 · clase %2, partida %3</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lección: %1</translation>
    </message>
    <message>
        <source>Practice for %1: what %1 confuses</source>
        <translation>Práctica de %1: lo que %1 confunde</translation>
    </message>
    <message>
        <source>%1 has nothing to practise: an ordinary game</source>
        <translation>%1 no tiene nada que practicar: una partida normal</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cards showing %1, %2 percent, 1 over 2 and a half-shaded tile, beside the spinner</source>
        <translation>cartas que muestran %1; %2 por ciento; 1 sobre 2 y una cuadrícula sombreada a la mitad, junto a la ruleta</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Reanudar la partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>title screen</source>
        <translation>pantalla de inicio</translation>
    </message>
    <message>
        <source>go back to the last game saved on the way out</source>
        <translation>reanudar la última partida, guardada al salir</translation>
    </message>
    <message>
        <source>choose the players and start a new game</source>
        <translation>elegir los jugadores y empezar una partida nueva</translation>
    </message>
    <message>
        <source>end the program</source>
        <translation>cerrar el programa</translation>
    </message>
</context>
<context>
    <name>Zandoli</name>
    <message>
        <source>Zandoli? — made for classrooms and homes</source>
        <translation>Zandoli? — para el aula y el hogar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (key: %2)</source>
        <translation>%1 (tecla: %2)</translation>
    </message>
    <message>
        <source>%1. Key: %2</source>
        <translation>%1. Tecla: %2</translation>
    </message>
</context>
</TS>
