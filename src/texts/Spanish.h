#pragma once

#include <string_view>

namespace amsim {

// One text of a catalogue: its key, the same in every language, and the text
// in UTF-8. "{name}" in a text is filled in when it is used.
struct TextEntry {
    std::string_view key;
    std::string_view text;
};

// Every text the user reads, in Spanish: the source, whose keys and order
// every other language's catalogue repeats. Keys are "<where>.<what>".
inline constexpr TextEntry kSpanish[] = {
    // Grammar: how numbers are written in texts, the joints of a list,
    // "a, b y c", and quotation marks.
    {"number.decimalSeparator", ","},
    {"number.range", "{least} a {most}"},
    {"list.separator", ", "},
    {"list.last", " y "},
    {"text.quoted", "«{text}»"},

    // The engine's errors.
    {"error.empty", "El valor de {label} está vacío: escriba un número."},
    {"error.notANumber", "El valor de {label} no es un número: {text}."},
    {"error.notANumberHint", "El valor de {label} no es un número: {text}; {hint}."},
    {"error.tooLarge", "El valor de {label} es demasiado grande: {text}. Escriba un número menor."},
    {"error.tooSmall",
     "El valor de {label} es demasiado pequeño: {text}. Escriba 0 o un número mayor."},
    {"error.outsideLimits",
     "El valor de {label} está fuera de sus límites: {text}. Escriba {allowed}."},
    {"error.overflow",
     "Desbordamiento: con {values} el dibujo no se puede calcular, porque algún resultado es "
     "demasiado grande. {advice}"},
    {"error.overflow.box", "el valor de {label}"},
    {"error.overflow.values", "estos valores"},
    {"error.overflow.kept.one",
     "Queda a la vista lo dibujado hasta ese punto; escriba un valor menor."},
    {"error.overflow.kept.other",
     "Queda a la vista lo dibujado hasta ese punto; escriba valores menores."},
    {"error.overflow.write.one", "Escriba un valor menor."},
    {"error.overflow.write.other", "Escriba valores menores."},
    {"error.drawingFailed",
     "No se pudo dibujar en la ventana. Queda a la vista lo dibujado hasta ese punto."},
    {"error.internal", "Error interno del programa: {detail}"},

    // What a box takes, as a message asks for it ("Escriba …").
    {"allowed.switch", "0 o 1"},
    {"allowed.nonNegative", "0 o un número mayor"},
    {"allowed.within", "un número entre {low} y {high}"},
    {"allowed.offOrWithin", "0 o un número entre {low} y {high}"},
    {"hint.comma", "use la coma decimal: {text}"},
    {"hint.point", "use el punto decimal: {text}"},
    {"hint.separator", "use el separador decimal «{separator}»: {text}"},

    // The parameters: labels, help, step tooltips, names in the values line.
    {"parameter.mdl.label", "Modulante"},
    {"parameter.mdl.help", "Amplitud de la modulante (al empezar, {start})."},
    {"parameter.mdl.stepNoun", "la modulante"},
    {"parameter.vcc.label", "V(cc)"},
    {"parameter.vcc.stepNoun", "V(cc)"},
    {"parameter.vcc.help", "V(cc), nivel de continua que fija la portadora ({start})."},
    {"parameter.bli.label", "BLI habil"},
    {"parameter.bli.help", "BLI habil: lo mismo para la banda lateral inferior ({start})."},
    {"parameter.bli.values", "BLI"},
    {"parameter.bls.label", "BLS habil"},
    {"parameter.bls.help",
     "BLS habil: 1 deja pasar la banda lateral superior,\n0 la suprime ({start})."},
    {"parameter.bls.values", "BLS"},
    {"parameter.fase.label", "fase port reinsertada"},
    {"parameter.fase.help", "Fase de la portadora reinsertada, en grados ({start})."},
    {"parameter.fase.stepNoun", "la fase"},
    {"parameter.fase.values", "fase"},
    {"parameter.env.label", "det. envolvente"},
    {"parameter.env.help", "Detector de envolvente: 1 lo activa, 0 lo apaga ({start});\n"
                           "ningún otro valor. Activado, el archivo de muestras\n"
                           "lleva también su salida, en la columna envolvente."},
    {"parameter.ruido.label", "ruido"},
    {"parameter.ruido.help", "Ruido del canal: tensión eficaz en 1 kHz de ancho de\n"
                             "banda, 0 o más ({start}). Con ruido, el archivo de\n"
                             "muestras lleva el que llega a los detectores, en la\n"
                             "columna ruido."},
    {"parameter.ruido.stepNoun", "el ruido"},
    {"parameter.escalas.label", "escalas"},
    {"parameter.escalas.help", "Escalas: 1 dibuja la cuadrícula del osciloscopio con\n"
                               "su escala de tiempo y sus voltios por división, y las\n"
                               "escalas de frecuencia y amplitud de los espectros;\n"
                               "0 no ({start}); ningún otro valor."},
    {"parameter.df.label", "error de frec."},
    {"parameter.df.help", "Error de frecuencia de la portadora reinsertada, en Hz,\n"
                          "de {low} a {high} ({start}): su fase deriva con el tiempo."},
    {"parameter.df.stepNoun", "el error de frecuencia"},
    {"parameter.tono.label", "frec. tono"},
    {"parameter.tono.help", "Frecuencia del tono del generador, en Hz, de {low} a\n"
                            "{high} ({start})."},
    {"parameter.tono.stepNoun", "la frecuencia del tono"},
    {"parameter.tono2.label", "2º tono"},
    {"parameter.tono2.help", "Segundo tono del generador, en Hz, de {low} a {high};\n"
                             "0 lo apaga ({start}). Con dos tonos, cada uno lleva la\n"
                             "mitad de la modulante."},
    {"parameter.tono2.stepNoun", "el segundo tono"},
    {"parameter.base.label", "base de tiempo"},
    {"parameter.base.help", "Base de tiempo del osciloscopio, en ms por división,\n"
                            "de {low} a {high} ({start}): la pantalla muestra 8 divisiones."},
    {"parameter.base.stepNoun", "la base de tiempo"},
    {"parameter.analizador.label", "analizador"},
    {"spectrum.csvComment", "# RBW {rbw} Hz (ventana de techo plano), media de {records} "
                            "registros de {milliseconds} ms; potencia por bin en dBV"},
    {"parameter.analizador.help", "Analizador de espectro: 1 muestra en dB los espectros\n"
                                  "medidos de las señales, con su ruido; 0 las líneas\n"
                                  "calculadas ({start}); ningún otro valor."},
    {"unit.degrees", "grados"},
    {"unit.hertz", "Hz"},
    {"unit.msPerDivision", "ms/div"},
    {"stage.generator", "Generador"},
    {"stage.transmitter", "Transmisor"},
    {"stage.receiver", "Receptor"},
    {"stage.screen", "Pantalla"},
    {"step.up", "Subir {noun} {step}"},
    {"step.down", "Bajar {noun} {step}"},
    {"step.floor", "{step} (no baja de 0)"},
    {"step.withUnit", "{number} {unit}"},

    // The drawing's description for a listener.
    {"drawing.name", "Osciloscopio y analizador de espectro"},
    {"drawing.generatorLabel", "modulante + Vcc"},
    {"summary.modulation", "modulación del {percent} %"},
    {"summary.modulationBeyond", "modulación de {beyond}"},
    {"summary.phaseError.one", "error de fase {degrees} grado"},
    {"summary.phaseError.other", "error de fase {degrees} grados"},
    {"summary.drift", "que deriva con un error de frecuencia de {hertz} Hz"},
    {"summary.envelope", "con detector de envolvente"},
    {"summary.invalid", "Parámetros no válidos: {problems}"},
    {"summary.notANumber.one", "{boxes} no es un número"},
    {"summary.notANumber.other", "{boxes} no son números"},
    {"summary.outside.one", "{boxes} está fuera de sus límites"},
    {"summary.outside.other", "{boxes} están fuera de sus límites"},
    {"summary.tooLarge", "{box} es demasiado grande"},
    {"summary.tooSmall", "{box} es demasiado pequeño"},
    {"summary.values", "Valores: {values}"},
    {"summary.valuesSeparator", "; "},

    // The modes.
    {"mode.am", "AM"},
    {"mode.dsb", "DSB"},
    {"mode.ssb", "SSB {carrier}, {sideband}"},
    {"mode.withCarrier", "con portadora"},
    {"mode.withoutCarrier", "sin portadora"},
    {"mode.upper", "banda lateral superior"},
    {"mode.lower", "banda lateral inferior"},
    {"mode.carrierOnly", "Solo portadora"},
    {"mode.noSignal", "Sin señal"},

    // The readout under the drawing.
    {"readout.none", "—"},
    {"readout.beyondAbove", "más de {bound} {unit}"},
    {"readout.beyondBelow", "menos de {bound} {unit}"},
    {"readout.noMeasurementsOf", "Sin medidas: corrija {label}"},
    {"readout.noMeasurements", "Sin medidas: el dibujo no se pudo completar"},
    {"readout.mode", "Modo: {mode}"},
    {"readout.modulationIndex", "Índice de modulación: {percent}"},
    {"readout.carrierPower", "Potencia de portadora: {power}"},
    {"readout.upperPower", "Potencia BLS: {power}"},
    {"readout.lowerPower", "Potencia BLI: {power}"},
    {"readout.totalPower", "Potencia total: {watts} W"},
    {"readout.efficiency", "Eficiencia: {percent}"},
    {"readout.peakPower", "Potencia de pico (PEP): {watts} W"},
    {"readout.averagePower", "Potencia media: {watts} W"},
    {"readout.peakToAverage", "PEP/potencia media: {ratio}"},
    {"readout.bandwidth", "Ancho de banda: {kilohertz} kHz"},
    {"readout.audio", "Audio detectado: {volts} V de pico, {loss}"},
    {"readout.audioInverted", "Audio detectado: {volts} V de pico (invertido), {loss}"},
    {"readout.phaseNow", "Error de fase ahora: {degrees}°"},
    {"readout.tone", "Tono detectado: {hertz}"},
    {"readout.level", "Continua detectada: {volts} V"},
    {"readout.envelopeDistortion", "Distorsión del detector de envolvente: {distortion}"},
    {"readout.envelopeDominant", "no recupera el tono: domina {kilohertz} kHz"},
    {"readout.envelopeNoTone", "sin tono"},
    {"readout.filter", "Filtro del receptor: {band}"},
    {"readout.filterUpper", "3 kHz, BLS"},
    {"readout.filterLower", "3 kHz, BLI"},
    {"readout.filterBoth", "6 kHz, BLI y BLS"},
    {"readout.inputRatio", "S/N de entrada: {ratio}"},
    {"readout.audioRatioTheory", "S/N de audio (teórica): {ratio}"},
    {"readout.audioRatioMeasured", "S/N de audio (medida): {ratio}"},
    {"readout.figureOfMerit", "Figura de mérito: {ratio}"},
    {"readout.envelopeRatioMeasured", "S/N de audio, det. envolvente (medida): {ratio}"},

    // The menu: each item's caption and what it says once done.
    {"menu.CopiarEnlace", "Copiar enlace"},
    {"menu.CopiarEnlace.done", "Enlace copiado"},
    {"menu.CopiarOrden", "Copiar orden"},
    {"menu.CopiarOrden.done", "Orden copiada"},
    {"menu.GuardarImagen", "Guardar imagen…"},
    {"menu.GuardarDatos", "Guardar datos…"},
    {"menu.GuardarSonido", "Guardar sonido…"},
    {"menu.GuardarEspectro", "Guardar espectro…"},
    {"menu.saved", "Guardado: "},
    {"menu.CurvaSN", "Curva S/N"},
    {"menu.VistaIQ", "Vista I/Q"},
    {"panel.close", "Cerrar"},

    // Exercises: the teacher's dialog, the questions, the answer and its verdict.
    {"menu.CrearEjercicio", "Crear ejercicio…"},
    {"menu.Ejercicios", "Ejercicios"},
    {"exercise.create.title", "Crear ejercicio"},
    {"exercise.create.hide", "Valores ocultos:"},
    {"exercise.create.question", "Pregunta:"},
    {"exercise.create.firstHidden", "la del primer valor oculto"},
    {"exercise.create.tolerance", "Tolerancia:"},
    {"exercise.create.make", "Crear"},
    {"exercise.create.link", "Enlace:"},
    {"exercise.create.command", "Orden:"},
    {"exercise.create.copyLink", "Copiar enlace"},
    {"exercise.create.copyCommand", "Copiar orden"},
    {"exercise.list.title", "Ejercicios"},
    {"exercise.list.seed", "Semilla:"},
    {"exercise.list.open", "Abrir"},
    {"exercise.answerLabel", "Respuesta"},
    {"exercise.check", "Comprobar"},
    {"exercise.showSolution", "Mostrar la solución"},
    {"exercise.questionName", "Pregunta del ejercicio"},
    {"exercise.questionDescription", "Lo que se pide averiguar con lo que muestra el banco."},
    {"exercise.answerDescription", "La respuesta a la pregunta; Intro la comprueba."},
    {"exercise.checkDescription", "Comprueba la respuesta con el banco tal como está."},
    {"exercise.verdictName", "Resultado de la respuesta"},
    {"exercise.verdictDescription",
     "Si la última respuesta es correcta y, si no, qué pantalla ayuda; o la solución."},
    {"exercise.showSolutionDescription", "Muestra la respuesta y los valores ocultos."},
    {"exercise.correct", "Correcto"},
    {"exercise.incorrect", "Incorrecto. {hint}"},
    {"exercise.unreadable", "Escriba un número, por ejemplo {example}."},
    {"exercise.unreadableSideband", "Escriba «inferior», «superior», «ninguna» o «ambas»."},
    {"exercise.solution", "Solución: {answer}"},
    {"exercise.badCode",
     "El código de ejercicio {code} no es válido: falta una parte o algún carácter cambió. "
     "Cópielo otra vez, entero, del enlace que le dieron."},
    {"exercise.badHidden",
     "No hay ningún valor llamado {name} que ocultar. Los nombres son: {names}."},
    {"exercise.badSeed", "La semilla {seed} no es válida: escriba un número entero de 0 a "
                         "4294967295."},
    {"exercise.nothingHidden", "Marque al menos un valor que ocultar."},
    {"exercise.noQuestion",
     "Ninguno de los valores ocultos tiene pregunta: elija una pregunta de la lista."},
    {"exercise.badTolerance", "La tolerancia {text} no es válida: escriba un número mayor que 0."},
    {"answer.neither", "ninguna"},
    {"answer.lower", "inferior"},
    {"answer.upper", "superior"},
    {"answer.both", "ambas"},
    {"question.mdl", "¿Cuánto vale la modulante (mdl), en V?"},
    {"question.vcc", "¿Cuánto vale V(cc), en V?"},
    {"question.fase",
     "¿Cuántos grados mide el error de fase de la portadora reinsertada (sin signo)?"},
    {"question.ruido", "¿Cuánto vale el ruido del canal, en V eficaces por kHz?"},
    {"question.df",
     "¿Cuál es el error de frecuencia de la portadora reinsertada, en Hz (con su signo)?"},
    {"question.deriva", "¿Cuántos hercios se aparta la portadora reinsertada (sin signo)?"},
    {"question.tono", "¿Qué frecuencia tiene el tono del generador, en Hz?"},
    {"question.tono2", "¿Qué frecuencia tiene el segundo tono, en Hz?"},
    {"question.base", "¿Cuántos ms por división tiene la base de tiempo?"},
    {"question.indice", "¿Cuál es el índice de modulación, en %?"},
    {"question.banda", "¿Qué banda lateral falta: inferior, superior, ninguna o ambas?"},
    {"questionHint.mdl",
     "Mida la envolvente en el osciloscopio o las bandas laterales en el espectro."},
    {"questionHint.vcc", "Mida la línea de la portadora en el espectro, con las escalas."},
    {"questionHint.fase", "Compare la amplitud del audio detectado con la que da a 0°."},
    {"questionHint.ruido", "Parta de la S/N de entrada y de la potencia recibida."},
    {"questionHint.df", "Compare el tono detectado con el del generador."},
    {"questionHint.deriva",
     "Mida cada cuánto se anula el audio detectado con el tiempo corriendo."},
    {"questionHint.tono",
     "Mida el periodo con las escalas del osciloscopio o la línea en el espectro."},
    {"questionHint.tono2", "Busque la segunda línea en el espectro del generador."},
    {"questionHint.base", "Cuente los periodos del tono en la pantalla."},
    {"questionHint.indice", "Compare las bandas laterales con la portadora en el espectro."},
    {"questionHint.banda", "Mire el espectro de la señal transmitida."},
    {"exercise.builtin.indice", "Índice de modulación por la envolvente"},
    {"exercise.builtin.vcc", "V(cc) por la línea de la portadora"},
    {"exercise.builtin.banda", "¿Qué banda lateral se suprimió?"},
    {"exercise.builtin.fase", "Error de fase por la amplitud detectada"},
    {"exercise.builtin.deriva", "Error de frecuencia por el desvanecimiento"},
    {"exercise.builtin.tonoBlu", "Error de frecuencia por el tono (BLU)"},
    {"exercise.builtin.ruido", "Nivel de ruido por la S/N"},
    {"exercise.builtin.tono", "Frecuencia del tono con las escalas"},
    {"exercise.builtin.sobremodulacion", "Sobremodulación y detector de envolvente"},
    {"exercise.builtin.segundoTono", "Segundo tono en el espectro"},

    // The I/Q view.
    {"iqView.title", "Señal recibida en el plano I/Q"},
    {"iqView.i", "I"},
    {"iqView.q", "Q"},
    {"iqView.scale", "{volts} V/div"},
    {"iqView.legend.carrier", "portadora ({volts} V)"},
    {"iqView.legend.trajectory", "bandas laterales: recorrido en {milliseconds} ms de pantalla"},
    {"iqView.legend.noise", "ruido del canal: puntos de {sweeps} barridos de la pantalla"},
    {"iqView.legend.detector", "eje del detector de producto, a {degrees}° (el error de fase)"},
    {"iqView.legend.detectorTurning", "eje del detector de producto: a {start}° y gira {turn}°"},
    {"iqView.legend.projection", "su salida sigue la proyección sobre el eje: {volts} V de pico"},
    {"iqView.legend.envelope", "detector de envolvente: distancia al origen menos el radio;"},
    {"iqView.legend.envelopeWhy", "sigue al audio mientras la trayectoria no pase por el origen"},
    {"iqView.legend.noEnvelope", "sin portadora no hay círculo: la envolvente no sigue al audio"},

    // The command line.
    {"cli.seeHelp", "{message} Escriba «amsim --help» para ver las opciones."},
    {"cli.unknownOption", "Opción desconocida: {argument}."},
    {"cli.missingValue", "Falta el valor de la opción {argument}."},
    {"cli.unreadable", "No se entiende la línea de órdenes."},
    {"cli.twice", "La opción {option} aparece más de una vez."},
    {"cli.unexpected", "Argumento inesperado: {argument}."},
    {"cli.zoomWindowOnly", "La opción --zoom solo sirve para abrir la ventana."},
    {"cli.scaleWithExport", "La opción --scale solo sirve junto con --export."},
    {"cli.secondsWithWav", "La opción --segundos solo sirve junto con --export-wav."},
    {"cli.factor", "El valor de {option} debe ser un número de {range}: {text}."},
    {"cli.boxAndOption", "{label} (--{option})"},
    {"cli.seedWithExercise", "La opción --semilla solo sirve junto con --ejercicio."},
    {"cli.hiddenOrExercise",
     "Las opciones --ocultar y --ejercicio no van juntas: el ejercicio ya dice qué se oculta."},
    {"cli.valueName", "VALOR"},
    {"cli.help",
     "Uso: amsim [opciones]\n"
     "\n"
     "{title}. Sin opciones abre la ventana del simulador.\n"
     "\n"
     "Opciones:\n"
     "  -h, --help                Muestra esta ayuda y termina.\n"
     "  -v, --version             Muestra la versión y termina.\n"
     "  --export ARCHIVO.png      Guarda en ARCHIVO.png la imagen de la ventana entera,\n"
     "                            sin mostrarla ni necesitar pantalla, en el formato que\n"
     "                            dice la extensión: .png, .bmp, .jpg…, o en vectores,\n"
     "                            para diapositivas e impresión, con .svg y .pdf.\n"
     "  --scale S                 Con --export, la imagen que mostraría una pantalla con\n"
     "                            esa escala, de {scale} (se admiten fracciones).\n"
     "  --medidas                 Escribe en la salida estándar una línea con los\n"
     "                            valores y luego las medidas que la ventana muestra\n"
     "                            bajo el dibujo, una por línea.\n"
     "  --zoom Z                  Abre la ventana ampliada o reducida por Z, de {zoom}.\n"
     "                            Sin esta opción, la ventana que no cabe en la pantalla\n"
     "                            se abre reducida hasta caber.\n"
     "  --export-csv ARCHIVO.csv  Guarda en ARCHIVO.csv las muestras de las seis trazas\n"
     "                            y del audio detectado, con punto decimal, junto a la\n"
     "                            columna x de la pantalla y el tiempo t_ms en\n"
     "                            milisegundos (400 columnas son 1 ms). Puede ser\n"
     "                            /dev/stdout, para leerlas en la salida estándar.\n"
     "  --export-wav ARCHIVO.wav  Guarda en ARCHIVO.wav el sonido del receptor: el audio\n"
     "                            del detector de producto, o el del detector de\n"
     "                            envolvente si está activado, sin su continua, mono,\n"
     "                            a 48 kHz y 16 bits. El nivel es el mismo en todos los\n"
     "                            modos: 1 V de audio es media escala; lo que pase de\n"
     "                            la escala completa (2 V) se recorta. Puede ser\n"
     "                            /dev/stdout, para pasarlo a otro programa.\n"
     "  --export-espectro ARCHIVO.csv\n"
     "                            Guarda en ARCHIVO.csv los espectros del analizador:\n"
     "                            la potencia de cada bin en dBV del generador, de la\n"
     "                            señal recibida y del audio detectado (y del detector\n"
     "                            de envolvente si está activado), de 0 a 24 kHz, con\n"
     "                            el ancho de banda de resolución en la primera línea.\n"
     "  --export-curva ARCHIVO    Guarda la curva S/N del receptor: la S/N del audio de\n"
     "                            los detectores de producto y de envolvente frente a\n"
     "                            la S/N de entrada, de -10 a 30 dB, con el modo, la\n"
     "                            modulante y la fase dados, cada punto medido sobre\n"
     "                            10 s de la salida con su dispersión, y la teoría. Con\n"
     "                            .csv, los puntos con punto decimal; con .png o .svg,\n"
     "                            su gráfica.\n"
     "  --export-iq ARCHIVO.png   Guarda en ARCHIVO.png o ARCHIVO.svg la vista I/Q: la\n"
     "                            envolvente compleja de la señal recibida, con el eje\n"
     "                            del detector de producto y el círculo del de\n"
     "                            envolvente, en el instante de --tiempo.\n"
     "  --segundos S              Con --export-wav, la duración del sonido, de {seconds}\n"
     "                            segundos (2).\n"
     "  --tiempo S                El instante del banco, en segundos desde que empieza,\n"
     "                            de {instant} (0): lo muestran la imagen, las\n"
     "                            muestras, las medidas y el principio del sonido.\n"
     "                            La ventana se abre con el tiempo detenido en ese\n"
     "                            instante.\n"
     "  --ocultar NOMBRES         Oculta los valores de esos nombres de opción, separados\n"
     "                            por comas (mdl,fase): sus casillas muestran «?», las\n"
     "                            medidas que los dicen también, y el banco funciona con\n"
     "                            ellos igual. La pregunta pide el primero.\n"
     "  --ejercicio CÓDIGO        Abre el ejercicio de ese código (el de un enlace\n"
     "                            ?ejercicio=…) o uno de los del programa por su nombre:\n"
     "                            {exercises}.\n"
     "  --semilla N               Con el nombre de un ejercicio del programa, la semilla\n"
     "                            de sus valores, de 0 a 4294967295; sin ella, una nueva.\n"
     "{options}\n"
     "Sin exportar, los valores abren la ventana con ellos en sus casillas:\n"
     "  amsim --vcc 0 --bls 0     abre el banco en SSB sin portadora.\n"
     "\n"
     "Los valores se escriben como en las casillas de la ventana, con el separador\n"
     "decimal de la configuración regional (0,8 con coma decimal, 0.8 con punto).\n"
     "Si un valor no es válido, el programa muestra el mismo mensaje que la ventana,\n"
     "no escribe ningún archivo y termina con el código 2. Con varias opciones de\n"
     "exportación se escriben todos los archivos o ninguno.\n"
     "\n"
     "Acepta también las opciones propias de Qt, como -platform, -style o -reverse,\n"
     "para la ventana; al exportar no cambian nada: el tamaño lo fija --scale.\n"
     "\n"
     "Ejemplos:\n"
     "  amsim --export dsb.png --export-csv dsb.csv --vcc 0 --fase 30\n"
     "  amsim --export banco.pdf --bls 0\n"
     "  amsim --export banco.png --scale 2\n"
     "  amsim --export-wav ssb.wav --segundos 5 --vcc 0 --bls 0\n"
     "  amsim --export-wav gorgoteo.wav --vcc 0 --df 1\n"
     "  amsim --export deriva.png --vcc 0 --bls 0 --df 100\n"
     "  amsim --export-curva curva.png\n"},

    // The files the program writes and the window's own messages.
    {"file.reason.noSpace", "no queda espacio en el disco"},
    {"file.reason.permission", "no hay permiso para escribir en él o en su carpeta"},
    {"file.reason.noFolder", "la carpeta no existe"},
    {"file.reason.folder", "es una carpeta"},
    {"file.reason.readOnly", "está en un disco de solo lectura"},
    {"file.reason.readerLeft", "quien lo leía dejó de hacerlo"},
    {"file.reason.nameTooLong", "nombre de archivo demasiado largo"},
    {"file.reason.notAFile", "no es un archivo ni un dispositivo"},
    {"file.reason.links", "hay demasiados enlaces simbólicos seguidos"},
    {"file.reason.tooBig", "el archivo sería demasiado grande"},
    {"file.reason.io", "el disco dio un error de lectura o escritura"},
    {"file.reason.busy", "está en uso"},
    {"file.reason.notAllowed", "el sistema de archivos no permite guardarlo así"},
    {"file.reason.other", "el sistema respondió con el error {error}"},
    {"file.reason.disk", "es un disco, no un archivo"},
    {"file.reason.hardLink", "el archivo tiene otro nombre (un enlace duro), que seguiría con el "
                             "contenido viejo; borre ese otro nombre o elija otro archivo"},
    {"file.reason.noName", "el archivo ya se borró y no tiene nombre"},
    {"file.received", "{name} ya recibió {what}"},
    {"file.receivedToo", "{sent}, y {received}"},
    {"file.writeFailed", "No se pudo escribir el archivo {name}: {reason}. {written}"},
    {"file.nothingWritten", "No se escribió ningún archivo."},
    {"file.nothingElseWritten",
     "{sent}, y eso no se puede deshacer; no se escribió ningún otro archivo."},
    {"file.picture", "la imagen"},
    {"file.spectrum", "el espectro"},
    {"file.spectrum.gender", "m"},
    {"file.samples", "las muestras"},
    {"file.sound", "el sonido"},
    {"file.picture.gender", "f"},
    {"file.samples.gender", "f"},
    {"file.sound.gender", "m"},
    {"file.saveFailed", "No se pudo guardar el archivo {name}: {reason}."},
    {"sound.noOutput", "No se puede escuchar: este equipo no tiene ninguna salida de sonido."},
    {"sound.noFormat", "No se puede escuchar: la salida de sonido no admite 48 kHz en 16 bits."},
    {"window.zoomNote", ", ventana reducida al {percent} % para caber en la pantalla"},
    {"sound.failed", "La salida de sonido ha fallado y el sonido se ha parado."},
    {"window.confirmation.name", "Confirmación"},
    {"window.confirmation.description",
     "Dice durante dos segundos que el menú ha copiado o guardado lo pedido."},
    {"window.pictureFilter", "Imágenes (*.png *.svg *.pdf *.bmp *.jpg)"},
    {"file.reason.format", "el nombre necesita la extensión de uno de estos formatos: {formats}"},
    {"file.reason.encoding", "la imagen no se pudo codificar como {format}"},
    {"window.messageFailed", "amsim: no se pudo mostrar un mensaje de error\n"},
    {"cli.noDisplay", "No se puede abrir la ventana: no hay ninguna pantalla. Para guardar la "
                      "imagen sin pantalla, use --export."},
    {"cli.scaleIgnored",
     "Se ignora {variables}: la ventana se muestra a una escala de {least} a {most}."},
    {"cli.sameFile.masculine",
     "{files} son el mismo archivo: {whats} necesitan un archivo cada uno."},
    {"cli.sameFile.feminine",
     "{files} son el mismo archivo: {whats} necesitan un archivo cada una."},
    {"cli.wavName", "El sonido {name} necesita la extensión .wav."},
    {"cli.iconFormat", "La imagen {name} no cabe en un .{format}, que no pasa de 256 × 256 "
                       "píxeles. Use uno de estos formatos: {formats}."},
    {"cli.panelPictureName", "La imagen {name} necesita la extensión .png o .svg."},
    {"cli.pictureName", "La imagen {name} necesita la extensión de un formato que el programa sepa "
                        "escribir, como .png, .bmp o .jpg."},

    // The S/N curve: its plot and its export.
    {"snrCurve.caption", "Curva S/N: {mode}, Modulante {modulante}, fase {fase}°"},
    {"snrCurve.inputAxis", "S/N de entrada (dB)"},
    {"snrCurve.audioAxis", "S/N del audio (dB)"},
    {"snrCurve.productMeasured", "Detector de producto, medido"},
    {"snrCurve.productTheory", "Detector de producto, teoría"},
    {"snrCurve.envelopeMeasured", "Detector de envolvente, medido"},
    {"snrCurve.envelopeTheory", "Detector de envolvente, teoría"},
    {"snrCurve.file", "la curva S/N"},
    {"snrCurve.file.gender", "f"},
    {"cli.curveName", "La curva S/N {name} necesita la extensión .csv, .png o .svg."},

    // The page's messages from its engine.
    {"address.instant",
     "El valor de {option}= en la dirección debe ser un número de {range}: {text}. El banco "
     "empieza en el instante 0."},
    {"internal.noButton", "no hay ningún botón {name}."},
    {"internal.noBox", "no hay ninguna casilla {name}."},
    {"internal.noMenuItem", "no hay ninguna opción de menú {name}."},
    {"internal.noQuestion", "no hay ninguna pregunta {name}."},
    {"internal.noExercise", "no hay ningún ejercicio {name}."},

    // The page's own words: its script's and its markup's.
    {"page.copied", "Copiado: {text}"},
    {"page.copyFailed", "No se pudo copiar; cópielo a mano: {text}"},
    {"page.noEngine", "Este navegador no puede ejecutar el simulador: {error}"},
    {"page.messageClose", "Aceptar"},

    // The window's form: "form.<control>.<property>", the texts Form1.ui
    // leaves out. "{step}", "{series}", "{first}", "{low}" and "{high}" are
    // the numbers of the control's parameter row (FormTexts).
    {"form.Form1.windowTitle", "Form1"},
    {"form.Form1.accessibleName", "Simulador de AM, DSB y SSB"},
    {"form.Image1.accessibleName", "Diagrama de bloques del banco"},
    {"form.Image1.accessibleDescription",
     "De arriba abajo: modulador balanceado con el oscilador de portadora de 20 kHz, V(cc) "
     "y el oscilador de la modulante de 1 kHz; portadora, BLS y BLI, cada banda con su "
     "interruptor de habilitación; suma de las tres; detector de envolvente; detector de "
     "producto con su oscilador de portadora; salida del detector de producto."},
    {"form.Label9.text", "fase port reinsertada"},
    {"form.Label9.accessibleName", "Fase de la portadora reinsertada"},
    {"form.Label9.accessibleDescription",
     "Rótulo de la casilla de la fase de la portadora reinsertada, en grados."},
    {"form.Label8.text", "Simulación de AM, DSB y SSB  TIVELO 10/mar/2018"},
    {"form.Label8.accessibleName", "Simulación de AM, DSB y SSB"},
    {"form.Label8.accessibleDescription", "Título del simulador, fechado el 10 de marzo de 2018."},
    {"form.Label7.text", "salida det de producto"},
    {"form.Label7.accessibleName", "Salida del detector de producto"},
    {"form.Label7.accessibleDescription",
     "Rótulo del último trazo del osciloscopio: la salida del detector de producto, con el "
     "audio detectado en verde."},
    {"form.Label4.text", "BLI habil ="},
    {"form.Label4.accessibleName", "BLI habilitada"},
    {"form.Label4.accessibleDescription",
     "Rótulo de la casilla que habilita la banda lateral inferior."},
    {"form.Label3.text", "BLS habil ="},
    {"form.Label3.accessibleName", "BLS habilitada"},
    {"form.Label3.accessibleDescription",
     "Rótulo de la casilla que habilita la banda lateral superior."},
    {"form.Label2.text", "V(cc) ="},
    {"form.Label2.accessibleName", "V(cc)"},
    {"form.Label2.accessibleDescription",
     "Rótulo de la casilla de la tensión continua superpuesta, V(cc)."},
    {"form.Label1.text", "modu- lante ="},
    {"form.Label1.accessibleName", "Modulante"},
    {"form.Label1.accessibleDescription", "Rótulo de la casilla de la amplitud de la modulante."},
    {"form.EnvelopeLabel.text", "det. envolvente ="},
    {"form.EnvelopeLabel.accessibleName", "Detector de envolvente"},
    {"form.EnvelopeLabel.accessibleDescription",
     "Rótulo de la casilla que activa el detector de envolvente."},
    {"form.EscalasLabel.text", "escalas ="},
    {"form.EscalasLabel.accessibleName", "Escalas"},
    {"form.EscalasLabel.accessibleDescription",
     "Rótulo de la casilla que muestra las escalas de tiempo, tensión y frecuencia."},
    {"form.Measurements.text", "Medidas"},
    {"form.Measurements.accessibleName", "Medidas"},
    {"form.Measurements.accessibleDescription",
     "Medidas de la señal transmitida y del audio detectado, para una carga de 1 ohmio, que "
     "se actualizan tras cada dibujo."},
    {"form.AcercaTexto.accessibleName", "Acerca del programa"},
    {"form.AcercaTexto.accessibleDescription",
     "Texto sobre el programa: su fecha, cómo obtenerlo y dónde se probó. Se oculta con el "
     "botón «Acerca del programa»."},
    {"form.Acerca.text", "Acerca del programa"},
    {"form.Acerca.accessibleName", "Acerca del programa"},
    {"form.Acerca.accessibleDescription",
     "Muestra u oculta el texto sobre el programa. Al ocultarlo se vuelve a dibujar lo que "
     "cubría."},
    {"form.Text1.plainText", "Text1"},
    {"form.Text1.accessibleName", "Ayuda"},
    {"form.Text1.accessibleDescription",
     "Texto de ayuda, que guía los experimentos con el simulador. Se oculta con el botón "
     "«Ayuda»."},
    {"form.Ayuda.text", "Ayuda"},
    {"form.Ayuda.accessibleName", "Ayuda"},
    {"form.Ayuda.accessibleDescription",
     "Muestra u oculta el texto de ayuda. Al ocultarlo se vuelve a dibujar lo que cubría."},
    {"form.Menu.text", "Menú"},
    {"form.Menu.toolTip",
     "Copiar el enlace o la orden que abren el simulador con estos valores, o guardar la "
     "imagen, los datos o el sonido"},
    {"form.Menu.accessibleName", "Menú"},
    {"form.Menu.accessibleDescription",
     "Abre un menú para copiar el enlace de la página o la orden que abren el simulador con "
     "los valores de las casillas, o para guardar la imagen, los datos o el sonido de lo "
     "que se ve."},
    {"form.fase.text", "fase"},
    {"form.fase.accessibleName", "Fase de la portadora reinsertada"},
    {"form.fase.accessibleDescription",
     "Fase, en grados, de la portadora que reinserta el detector de producto; 0 es la fase "
     "correcta. Escriba un número o use los botones Subir fase y Bajar fase."},
    {"form.FaseBajar.accessibleName", "Bajar fase"},
    {"form.FaseBajar.accessibleDescription",
     "Resta {step} a la fase de la portadora reinsertada; no tiene límite. Mantenga pulsado "
     "para repetir."},
    {"form.FaseSubir.accessibleName", "Subir fase"},
    {"form.FaseSubir.accessibleDescription",
     "Suma {step} a la fase de la portadora reinsertada; no tiene límite. Mantenga pulsado "
     "para repetir."},
    {"form.EnvelopeOnOff.text", "EnvelopeOnOff"},
    {"form.EnvelopeOnOff.accessibleName", "Detector de envolvente activado"},
    {"form.EnvelopeOnOff.accessibleDescription",
     "Detector de envolvente: 1 lo activa y dibuja su salida en azul junto al audio "
     "detectado; 0 lo apaga. Escriba 0 o 1 o use el botón que está a su derecha."},
    {"form.EnvelopeToggle.text", "sí/no"},
    {"form.EnvelopeToggle.toolTip", "Activar o apagar el detector de envolvente"},
    {"form.EnvelopeToggle.accessibleName", "Activar o apagar el detector de envolvente"},
    {"form.EnvelopeToggle.accessibleDescription",
     "Si la casilla del detector de envolvente vale 1 la pone en 0 y lo apaga; si vale 0 la "
     "pone en 1 y lo activa."},
    {"form.EscalasSiNo.text", "EscalasSiNo"},
    {"form.EscalasSiNo.accessibleName", "Escalas visibles"},
    {"form.EscalasSiNo.accessibleDescription",
     "Escalas: 1 dibuja la cuadrícula del osciloscopio con su escala de tiempo y sus "
     "voltios por división, y las escalas de frecuencia y amplitud de los espectros; 0 las "
     "quita. Escriba 0 o 1 o use el botón que está a su derecha."},
    {"form.EscalasSi.text", "sí/no"},
    {"form.EscalasSi.toolTip", "Mostrar u ocultar las escalas"},
    {"form.EscalasSi.accessibleName", "Mostrar u ocultar las escalas"},
    {"form.EscalasSi.accessibleDescription",
     "Si la casilla de las escalas vale 1 la pone en 0 y las oculta; si vale 0 la pone en 1 "
     "y las muestra."},
    {"form.Escuchar.text", "Escuchar"},
    {"form.Escuchar.toolTip", "Escuchar la salida del receptor"},
    {"form.Escuchar.accessibleName", "Escuchar"},
    {"form.Escuchar.accessibleDescription",
     "Pulsado, el altavoz da la salida del receptor: el audio del detector de producto, o "
     "el del detector de envolvente si está activado, con el ruido; sigue cada cambio. "
     "Pulse otra vez para callarlo."},
    {"form.TonoLabel.text", "frec. tono ="},
    {"form.TonoLabel.accessibleName", "Frecuencia del tono"},
    {"form.TonoLabel.accessibleDescription", "Rótulo de la casilla de la frecuencia del tono."},
    {"form.Tono.text", "Tono"},
    {"form.Tono.accessibleName", "Frecuencia del tono del generador"},
    {"form.Tono.accessibleDescription",
     "Frecuencia del tono que el generador envía, en Hz, entre {low} y {high}. Escriba un "
     "número o use los botones Subir frecuencia del tono y Bajar frecuencia del tono."},
    {"form.TonoSubir.accessibleName", "Subir frecuencia del tono"},
    {"form.TonoSubir.accessibleDescription",
     "Lleva la frecuencia del tono al siguiente valor de la serie {series}. Mantenga pulsado "
     "para repetir."},
    {"form.TonoBajar.accessibleName", "Bajar frecuencia del tono"},
    {"form.TonoBajar.accessibleDescription",
     "Lleva la frecuencia del tono al valor anterior de la misma serie; no baja de {first}. "
     "Mantenga pulsado para repetir."},
    {"form.Tono2Label.text", "2º tono ="},
    {"form.Tono2Label.accessibleName", "Segundo tono"},
    {"form.Tono2Label.accessibleDescription", "Rótulo de la casilla del segundo tono."},
    {"form.Tono2.text", "Tono2"},
    {"form.Tono2.accessibleName", "Segundo tono del generador"},
    {"form.Tono2.accessibleDescription",
     "Frecuencia de un segundo tono, en Hz, entre {low} y {high}; 0 lo apaga. Con dos "
     "tonos cada uno lleva la mitad de la modulante, y la lectura compara la potencia de "
     "pico con la media. Escriba un número o use los botones Subir segundo tono y Bajar "
     "segundo tono."},
    {"form.Tono2Subir.accessibleName", "Subir segundo tono"},
    {"form.Tono2Subir.accessibleDescription",
     "Lleva el segundo tono al siguiente valor de la serie {series}. Mantenga pulsado para "
     "repetir."},
    {"form.Tono2Bajar.accessibleName", "Bajar segundo tono"},
    {"form.Tono2Bajar.accessibleDescription",
     "Lleva el segundo tono al valor anterior de la serie {series}; no baja de {first}, que "
     "lo apaga. Mantenga pulsado para repetir."},
    {"form.DfLabel.text", "error de frec. ="},
    {"form.DfLabel.accessibleName", "Error de frecuencia"},
    {"form.DfLabel.accessibleDescription",
     "Rótulo de la casilla del error de frecuencia de la portadora reinsertada."},
    {"form.Df.text", "Df"},
    {"form.Df.accessibleName", "Error de frecuencia de la portadora reinsertada"},
    {"form.Df.accessibleDescription",
     "Frecuencia de la portadora reinsertada menos la del transmisor, en Hz; con 0 no hay "
     "error y el banco está quieto. Entre {low} y {high}. Escriba un número o use los "
     "botones Subir error de frecuencia y Bajar error de frecuencia."},
    {"form.DfSubir.accessibleName", "Subir error de frecuencia"},
    {"form.DfSubir.accessibleDescription",
     "Lleva el error de frecuencia al siguiente valor de la serie {series}. Mantenga "
     "pulsado para repetir."},
    {"form.DfBajar.accessibleName", "Bajar error de frecuencia"},
    {"form.DfBajar.accessibleDescription",
     "Lleva el error de frecuencia al valor anterior de la misma serie; no baja de {first}. "
     "Mantenga pulsado para repetir."},
    {"form.BaseLabel.text", "base de tiempo ="},
    {"form.BaseLabel.accessibleName", "Base de tiempo"},
    {"form.BaseLabel.accessibleDescription",
     "Rótulo de la casilla de la base de tiempo del osciloscopio."},
    {"form.Base.text", "Base"},
    {"form.Base.accessibleName", "Base de tiempo del osciloscopio"},
    {"form.Base.accessibleDescription",
     "Milisegundos por división del osciloscopio, cuya pantalla tiene 8 divisiones. Entre "
     "{low} y {high}. Escriba un número o use los botones Subir base de tiempo y Bajar base "
     "de tiempo."},
    {"form.BaseSubir.accessibleName", "Subir base de tiempo"},
    {"form.BaseSubir.accessibleDescription",
     "Lleva la base de tiempo al siguiente valor de la serie {series}. Mantenga pulsado "
     "para repetir."},
    {"form.BaseBajar.accessibleName", "Bajar base de tiempo"},
    {"form.BaseBajar.accessibleDescription",
     "Lleva la base de tiempo al valor anterior de la misma serie; no baja de {first}. "
     "Mantenga pulsado para repetir."},
    {"form.AnalizadorLabel.text", "analizador ="},
    {"form.AnalizadorLabel.accessibleName", "Analizador de espectro"},
    {"form.AnalizadorLabel.accessibleDescription",
     "Rótulo de la casilla que pone los espectros en modo analizador."},
    {"form.Analizador.text", "Analizador"},
    {"form.Analizador.accessibleName", "Analizador de espectro"},
    {"form.Analizador.accessibleDescription",
     "Analizador: 1 muestra en decibelios los espectros medidos del generador, de la señal "
     "recibida y del audio detectado, con su ruido y su ancho de banda de resolución; 0 las "
     "líneas espectrales calculadas. Escriba 0 o 1 o use el botón que está a su derecha."},
    {"form.AnalizadorSi.text", "sí/no"},
    {"form.AnalizadorSi.toolTip", "Poner o quitar el analizador de espectro"},
    {"form.AnalizadorSi.accessibleName", "Poner o quitar el analizador de espectro"},
    {"form.AnalizadorSi.accessibleDescription",
     "Si la casilla del analizador vale 1 la pone en 0 y vuelve a las líneas espectrales; si "
     "vale 0 la pone en 1 y muestra los espectros medidos."},
    {"form.Pausa.text", "Pausa"},
    {"form.Pausa.toolTip",
     "Detener o reanudar el tiempo del banco (barra espaciadora sobre el dibujo)"},
    {"form.Pausa.accessibleName", "Pausa"},
    {"form.Pausa.accessibleDescription",
     "Pulsado, el tiempo del banco se detiene y el dibujo queda quieto en el instante que "
     "muestra; pulse otra vez para que siga corriendo. Sin error de frecuencia, ruido ni "
     "sonido el banco está quieto de todos modos."},
    {"form.RuidoLabel.text", "ruido ="},
    {"form.RuidoLabel.accessibleName", "Ruido"},
    {"form.RuidoLabel.accessibleDescription", "Rótulo de la casilla del ruido del canal."},
    {"form.Ruido.text", "Ruido"},
    {"form.Ruido.accessibleName", "Ruido del canal"},
    {"form.Ruido.accessibleDescription",
     "Ruido que el canal suma a la señal: tensión eficaz en 1 kHz de ancho de banda; 0 es "
     "un canal limpio. Escriba 0 o un número mayor o use los botones Subir ruido y Bajar "
     "ruido."},
    {"form.RuidoSubir.accessibleName", "Subir ruido"},
    {"form.RuidoSubir.accessibleDescription",
     "Lleva el ruido al siguiente valor de la serie {series}. Mantenga pulsado para repetir."},
    {"form.RuidoBajar.accessibleName", "Bajar ruido"},
    {"form.RuidoBajar.accessibleDescription",
     "Lleva el ruido al valor anterior de la serie {series}; no baja de {first}. Mantenga "
     "pulsado para repetir."},
    {"form.BliSiNo.text", "BliSiNo"},
    {"form.BliSiNo.accessibleName", "BLI habilitada"},
    {"form.BliSiNo.accessibleDescription",
     "Banda lateral inferior: 1 la deja pasar y 0 la anula. Escriba un número o use el "
     "botón que está a su derecha."},
    {"form.BliSi.text", "síi/no"},
    {"form.BliSi.toolTip", "Habilitar o anular la banda lateral inferior"},
    {"form.BliSi.accessibleName", "Habilitar o anular la banda lateral inferior"},
    {"form.BliSi.accessibleDescription",
     "Si la casilla BLI habilitada vale 1 la pone en 0 y anula la banda lateral inferior; "
     "con cualquier otro valor la pone en 1."},
    {"form.BlsSi.text", "sí/no"},
    {"form.BlsSi.toolTip", "Habilitar o anular la banda lateral superior"},
    {"form.BlsSi.accessibleName", "Habilitar o anular la banda lateral superior"},
    {"form.BlsSi.accessibleDescription",
     "Si la casilla BLS habilitada vale 1 la pone en 0 y anula la banda lateral superior; "
     "con cualquier otro valor la pone en 1."},
    {"form.BlsSiNo.text", "BlsSiNo"},
    {"form.BlsSiNo.accessibleName", "BLS habilitada"},
    {"form.BlsSiNo.accessibleDescription",
     "Banda lateral superior: 1 la deja pasar y 0 la anula. Escriba un número o use el "
     "botón que está a su derecha."},
    {"form.VccSubir.accessibleName", "Subir V(cc)"},
    {"form.VccSubir.accessibleDescription",
     "Suma {step} a V(cc); no tiene límite. Mantenga pulsado para repetir."},
    {"form.VccBajar.accessibleName", "Bajar V(cc)"},
    {"form.VccBajar.accessibleDescription",
     "Resta {step} a V(cc); no tiene límite y puede quedar negativa. Mantenga pulsado para "
     "repetir."},
    {"form.Vcc.text", "Vcc"},
    {"form.Vcc.accessibleName", "V(cc)"},
    {"form.Vcc.accessibleDescription",
     "Tensión continua superpuesta a la modulante, que fija la amplitud de la portadora; "
     "con 0 se suprime la portadora. Escriba un número o use los botones Subir V(cc) y "
     "Bajar V(cc)."},
    {"form.mdl.text", "Modulante"},
    {"form.mdl.accessibleName", "Modulante"},
    {"form.mdl.accessibleDescription",
     "Amplitud de la modulante; igual a V(cc) es una modulación del 100 %. Escriba un "
     "número o use los botones Subir modulante y Bajar modulante."},
    {"form.ModulanteBajar.accessibleName", "Bajar modulante"},
    {"form.ModulanteBajar.accessibleDescription",
     "Resta {step} a la amplitud de la modulante; no baja de 0. Mantenga pulsado para "
     "repetir."},
    {"form.ModulanteSubir.accessibleName", "Subir modulante"},
    {"form.ModulanteSubir.accessibleDescription",
     "Suma {step} a la amplitud de la modulante; no tiene límite. Mantenga pulsado para "
     "repetir."},

    // The panels and the window's title.
    {"window.title", "Simulador de AM, DSB y SSB"},
    {"help.paragraph1",
     "Este programa intenta transmitir el concepto de estos modos de modulación de "
     "amplitud: AM (portadora y ambas bandas laterales), DSB (doble banda lateral "
     "con portadora suprimida) y SSB (banda lateral única). Los presenta como si "
     "usted estuviera sentado frente a un banco de trabajo con un generador de "
     "audio, un transmisor multimodo, un receptor, un osciloscopio y un "
     "analizador de espectro."},
    {"help.paragraph2",
     "Se puede controlar a voluntad el nivel de la modulante y la tensión continua "
     "superpuesta, V(cc), y anular una de las bandas laterales o ambas. Los "
     "resultados se ven de inmediato en el osciloscopio y en el analizador de "
     "espectro. Con «escalas» en 1 se leen en la pantalla el tiempo (una división, "
     "0,2 ms), los voltios por división de cada traza y, en los espectros, la "
     "frecuencia en kHz y la amplitud en voltios."},
    {"help.paragraph3",
     "Se supone que la modulación se hace con un modulador balanceado, incluso en "
     "AM. En una etapa de salida real modulada en alto nivel, una modulación "
     "superior al 100 % recorta la señal. El simulador no representa ese "
     "recorte: su salida es siempre la portadora multiplicada por la suma de la "
     "modulante y la continua, y cuando esa suma se hace negativa la portadora "
     "simplemente invierte su fase."},
    {"help.paragraph4", "Para DSB y SSB se supone, por simplicidad, que la señal se genera "
                        "directamente en la frecuencia de salida, sin generarla primero en una "
                        "frecuencia más baja y trasladarla después con mezcladores, como suele "
                        "hacerse en los equipos reales."},
    {"help.paragraph5",
     "En el receptor se demodula con un detector de producto y, si se activa con «det. "
     "envolvente», también con un detector de pico (detector de envolvente), el que "
     "dibuja el diagrama de bloques. El audio del detector de producto se destaca en "
     "verde sobre la salida del detector; el del detector de envolvente, en azul, con "
     "la misma escala."},
    {"help.paragraph6",
     "Inicialmente se asigna un valor de 1 a la amplitud de la modulante y un "
     "valor de 1 a la continua superpuesta, V(cc), lo que equivale a una "
     "modulación del 100 %, y pasan ambas bandas laterales. Suba y baje "
     "Modulante y V(cc) con sus botones y observe los niveles y las formas de "
     "onda. La amplitud de las bandas laterales es proporcional a la de la "
     "modulante, mientras que la portadora depende solo de la continua. Con "
     "V(cc) en cero la portadora desaparece y se obtiene DSB; sin embargo, el "
     "audio detectado no cambia, lo que demuestra que la portadora no transporta "
     "información."},
    {"help.paragraph7",
     "Ahora anule una de las bandas laterales y tendrá SSB, con la mitad de la "
     "potencia de DSB. La tensión detectada se reduce a la mitad, de modo que la "
     "potencia de audio cae a la cuarta parte y la relación señal/ruido empeora "
     "cuatro veces (6 dB). Pero un receptor de SSB necesita solo la mitad del "
     "ancho de banda y, por lo tanto, deja pasar la mitad de la potencia de "
     "ruido, con lo que la pérdida neta es de dos veces (3 dB). Un transmisor "
     "que ponga en la única banda lateral la potencia de las dos bandas "
     "laterales de DSB alcanza la relación señal/ruido de DSB con la mitad del "
     "ancho de banda. Compruébelo: ponga ruido en 0,05 y lea bajo el dibujo la "
     "S/N de audio; anule una banda lateral y la S/N empeora 3 dB; suba "
     "Modulante √2 veces (de 1 a 1,41) y vuelve a la de DSB."},
    {"help.paragraph8",
     "Juegue con la fase de la portadora reinsertada. En SSB la fase no tiene "
     "influencia: el audio detectado conserva su amplitud y solo se corre en el "
     "tiempo. En AM y DSB, un error de fase de 90 grados hace desaparecer el "
     "audio detectado y uno de 180 grados lo invierte. En la práctica no se "
     "puede reinsertar la portadora exactamente en la frecuencia correcta, así "
     "que el error de fase varía sin cesar y el audio aparece y desaparece con "
     "un sonido de gorgoteo. Compruébelo con «error de frec.»: con 1 Hz y ambas "
     "bandas laterales, el audio se desvanece y se invierte dos veces por segundo; con "
     "una sola banda lateral su nivel no cambia y es la fase del tono la que se "
     "desliza. Con 100 Hz en SSB, el período del tono en la pantalla es "
     "1/(1 kHz − 100 Hz) con la banda superior y 1/(1 kHz + 100 Hz) con la inferior. "
     "Mientras algo se mueve, el banco corre en tiempo real; «Pausa», o la barra "
     "espaciadora sobre el dibujo, detiene el tiempo y lo deja correr de nuevo. "
     "Con V(cc) y sin modulante, el detector funciona "
     "como detector de fase: entrega una tensión continua que depende de la "
     "fase de la portadora reinsertada. La medida «Continua detectada» muestra esa "
     "tensión, (V(cc)/2)·sen φ, 0,433 V a 60 grados con V(cc) 1: el detector de producto "
     "recibe las frecuencias laterales en fase seno, no en la fase coseno con que las "
     "suma el transmisor, así que la portadora reinsertada que da todo el audio (φ = 0) "
     "no da continua, y en el archivo de muestras el producto del detector no es la "
     "salida del transmisor multiplicada por la portadora."},
    {"help.paragraph9",
     "Active el detector de envolvente y compare los dos detectores. En AM, hasta el "
     "100 % de modulación, el detector de envolvente entrega el mismo tono que el de "
     "producto, limpio (con menos del 5 % de distorsión) y proporcional a la modulante. "
     "Con sobremodulación, por ejemplo con Modulante 2 y V(cc) 1, su salida se deforma: "
     "la distorsión pasa del 10 %. En DSB, con V(cc) en cero, entrega una onda "
     "rectificada del doble de la frecuencia del tono: en el espectro, la raya azul de "
     "2 kHz supera a la de 1 kHz. En SSB sin portadora no entrega casi nada. La fase de "
     "la portadora reinsertada no lo afecta, porque no la usa. El detector de producto, "
     "en cambio, recupera el audio en los tres modos: por eso los receptores de DSB y "
     "SSB lo necesitan."},
    {"help.paragraph10",
     "Cambie la frecuencia del tono con «frec. tono», de 100 a 2000 Hz: las frecuencias "
     "laterales se apartan de la portadora tanto como el tono, y el ancho de banda es el "
     "doble del tono en AM y DSB y el tono mismo en SSB. Un tono grave, de 100 o 200 Hz, "
     "se ve entero con la «base de tiempo» en 1 ms por división. Con «2º tono» el "
     "generador envía dos tonos de igual amplitud, cada uno con la mitad de la "
     "modulante: es la prueba de dos tonos con que se mide un transmisor de SSB. Ponga "
     "V(cc) en 0, 700 Hz y 1900 Hz: la envolvente de la salida late con la diferencia "
     "de los tonos y se anula en cada latido, y la medida «PEP/potencia media» vale 4 en "
     "DSB; anule una banda lateral y vale 2, porque en SSB la potencia de pico es la de "
     "los dos tonos sumados en fase y la media, la suma de sus potencias."},
    {"help.paragraph12",
     "Ejercicios: cualquier valor se puede ocultar (ocultar=mdl,fase en el enlace, "
     "--ocultar mdl,fase en la orden): su casilla muestra «?» y el banco funciona con él "
     "igual; las medidas que lo dicen muestran «?» y las que obligan a calcularlo se quedan. "
     "«Crear ejercicio…» en el menú da un enlace y una orden con los valores ocultos que "
     "marque, una pregunta y su tolerancia. Bajo las medidas, escriba la respuesta en "
     "«Respuesta» y pulse «Comprobar»; tras tres respuestas incorrectas puede ver la "
     "solución. «Ejercicios» trae diez, con valores nuevos de una semilla (semilla=17): la "
     "misma semilla da los mismos valores. El código del enlace no deja leer los valores a "
     "simple vista, pero no es seguro: quien estudie el programa puede descifrarlo."},
    {"help.paragraph11",
     "Con «analizador» en 1 los tres espectros son los de un analizador de espectro: cada "
     "uno se mide sobre la señal que corre, en registros de 150 ms con una ventana de techo "
     "plano, como la media de los 16 últimos, y se dibuja en dBV a 10 dB por división, con "
     "su nivel de referencia y su ancho de banda de resolución (RBW 25 Hz). Se ve lo que "
     "las líneas calculadas no muestran: el piso de ruido que deja pasar el filtro del "
     "receptor, la mitad de ancho con una sola banda lateral; las dos líneas del audio de "
     "DSB con la portadora reinsertada corrida (950 y 1050 Hz con 50 Hz de error) y la "
     "distorsión del detector de envolvente. En el menú, «Curva S/N» mide la S/N del audio "
     "de los dos detectores frente a la S/N de entrada, de -10 a 30 dB, para el modo, la "
     "modulante y la fase de las casillas: con la modulante en 0,3, el detector de "
     "envolvente se aparta del de producto cerca de 0 dB de entrada (el efecto umbral). "
     "«Vista I/Q» dibuja la envolvente compleja de la señal recibida: la portadora como "
     "vector, el recorrido de las bandas laterales, el ruido como nube, el eje del detector "
     "de producto y el círculo del de envolvente. En DSB a 90° el recorrido queda de "
     "través al eje y el audio se anula."},
    {"about.piece1", "07/03/2018 Simulador de AM, DSB y SSB"},
    {"about.piece2", "Este es un programa gratuito que se construye a partir de su código "
                     "fuente. Para obtenerlo, clone el repositorio git del proyecto. En Debian "
                     "12, ejecute como root, desde la carpeta del proyecto, la orden «bash "
                     "tools/run.sh»: ese guion instala con apt-get lo que falte, compila el "
                     "programa con CMake y arranca el simulador. El mismo simulador funciona en "
                     "cualquier navegador web a partir de un solo archivo, amsim.html, que hace "
                     "la orden «bash tools/web.sh»: se abre desde el disco o una memoria USB, "
                     "se envía por correo o se publica en una página web, sin instalar nada y "
                     "sin conexión a la red. Para consultas, sugerencias o avisos de errores, "
                     "escriba en el gestor de incidencias del proyecto."},
    {"about.piece3", "Se probó en Debian 12 con Qt 6.4.2, en un escritorio X11 y con la "
                     "plataforma «offscreen» de las pruebas automáticas, y su página web en "
                     "Chromium. Instalado como "
                     "paquete, su entrada de menú se coloca en la categoría Educación; en los "
                     "escritorios que ordenan las aplicaciones por categorías, se encuentra "
                     "en:"},
    {"about.piece4", "Aplicaciones -> Educación -> Simulador de AM, DSB y SSB"},
    {"about.piece5", "NOTA: como en textos similares, se supone que la modulante es senoidal. La "
                     "voz real tiene una relación muy alta entre su potencia de pico y su "
                     "potencia media, pero para la enseñanza una senoide sirve mejor que la "
                     "forma de onda de un «hola» dicho ante el micrófono."},

    // The languages: each catalogue's own name for its language, the menu's
    // item that chooses one, and the command line's option.
    {"language.name", "Español"},
    {"menu.Idioma", "Idioma"},
    {"error.unknownLanguage", "El programa no tiene el idioma {text}: elija {languages}."},
    {"cli.languageOption",
     "  --idioma IDIOMA           El idioma de los textos: es (español, sin esta\n"
     "                            opción ni otra elección guardada en la ventana),\n"
     "                            en (inglés) o pt (portugués)."},
    {"manual.valueName", "valor"},
    {"manual.languageValue", "idioma"},
    {"manual.languageOption", "El idioma de los textos: es (español, sin esta opción ni otra "
                              "elección guardada en la ventana), en (inglés) o pt (portugués)."},
};

} // namespace amsim
