#pragma once

#include "texts/Spanish.h"

namespace amsim {

// Every text the user reads, in English: the Spanish catalogue's keys, in its
// order.
inline constexpr TextEntry kEnglish[] = {
    // Grammar: how numbers are written in texts, the joints of a list,
    // "a, b and c", and quotation marks.
    {"number.decimalSeparator", "."},
    {"number.range", "{least} to {most}"},
    {"list.separator", ", "},
    {"list.last", " and "},
    {"text.quoted", "“{text}”"},

    // The engine's errors.
    {"error.empty", "The value of {label} is empty: enter a number."},
    {"error.notANumber", "The value of {label} is not a number: {text}."},
    {"error.notANumberHint", "The value of {label} is not a number: {text}; {hint}."},
    {"error.tooLarge", "The value of {label} is too large: {text}. Enter a smaller number."},
    {"error.tooSmall", "The value of {label} is too small: {text}. Enter 0 or a larger number."},
    {"error.outsideLimits", "The value of {label} is outside its limits: {text}. Enter {allowed}."},
    {"error.overflow",
     "Overflow: with {values} the drawing cannot be computed, because some result is "
     "too large. {advice}"},
    {"error.overflow.box", "the value of {label}"},
    {"error.overflow.values", "these values"},
    {"error.overflow.kept.one",
     "What was drawn up to that point stays in view; enter a smaller value."},
    {"error.overflow.kept.other",
     "What was drawn up to that point stays in view; enter smaller values."},
    {"error.overflow.write.one", "Enter a smaller value."},
    {"error.overflow.write.other", "Enter smaller values."},
    {"error.drawingFailed",
     "Could not draw in the window. What was drawn up to that point stays in view."},
    {"error.internal", "Internal program error: {detail}"},

    // What a box takes, as a message asks for it ("Enter …").
    {"allowed.switch", "0 or 1"},
    {"allowed.nonNegative", "0 or a larger number"},
    {"allowed.within", "a number between {low} and {high}"},
    {"allowed.offOrWithin", "0 or a number between {low} and {high}"},
    {"hint.comma", "use a decimal comma: {text}"},
    {"hint.point", "use a decimal point: {text}"},
    {"hint.separator", "use the decimal separator “{separator}”: {text}"},

    // The parameters: labels, help, step tooltips, names in the values line.
    {"parameter.mdl.label", "Modulating signal"},
    {"parameter.mdl.help", "Amplitude of the modulating signal (at start, {start})."},
    {"parameter.mdl.stepNoun", "the modulating signal"},
    {"parameter.vcc.label", "V(cc)"},
    {"parameter.vcc.stepNoun", "V(cc)"},
    {"parameter.vcc.help", "V(cc), DC level that sets the carrier ({start})."},
    {"parameter.bli.label", "LSB on"},
    {"parameter.bli.help", "LSB on: the same for the lower sideband ({start})."},
    {"parameter.bli.values", "LSB"},
    {"parameter.bls.label", "USB on"},
    {"parameter.bls.help",
     "USB on: 1 lets the upper sideband through,\n0 suppresses it ({start})."},
    {"parameter.bls.values", "USB"},
    {"parameter.fase.label", "reinserted carr. phase"},
    {"parameter.fase.help", "Phase of the reinserted carrier, in degrees ({start})."},
    {"parameter.fase.stepNoun", "the phase"},
    {"parameter.fase.values", "phase"},
    {"parameter.env.label", "envelope det."},
    {"parameter.env.help", "Envelope detector: 1 switches it on, 0 off ({start});\n"
                           "no other value. When on, the samples file also\n"
                           "carries its output, in the envolvente column."},
    {"parameter.ruido.label", "noise"},
    {"parameter.ruido.help", "Channel noise: RMS voltage in a 1 kHz bandwidth,\n"
                             "0 or more ({start}). With noise, the samples file\n"
                             "carries the noise reaching the detectors, in the\n"
                             "ruido column."},
    {"parameter.ruido.stepNoun", "the noise"},
    {"parameter.escalas.label", "scales"},
    {"parameter.escalas.help", "Scales: 1 draws the oscilloscope's graticule with\n"
                               "its time scale and its volts per division, and the\n"
                               "frequency and amplitude scales of the spectra;\n"
                               "0 does not ({start}); no other value."},
    {"parameter.df.label", "frequency error"},
    {"parameter.df.help", "Frequency error of the reinserted carrier, in Hz,\n"
                          "from {low} to {high} ({start}): its phase drifts with time."},
    {"parameter.df.stepNoun", "the frequency error"},
    {"parameter.tono.label", "tone freq."},
    {"parameter.tono.help", "Frequency of the generator tone, in Hz, from {low} to\n"
                            "{high} ({start})."},
    {"parameter.tono.stepNoun", "the tone frequency"},
    {"parameter.tono2.label", "2nd tone"},
    {"parameter.tono2.help", "Second generator tone, in Hz, from {low} to {high};\n"
                             "0 switches it off ({start}). With two tones, each carries\n"
                             "half of the modulating signal."},
    {"parameter.tono2.stepNoun", "the second tone"},
    {"parameter.base.label", "time base"},
    {"parameter.base.help", "Time base of the oscilloscope, in ms per division,\n"
                            "from {low} to {high} ({start}): the screen shows 8 divisions."},
    {"parameter.base.stepNoun", "the time base"},
    {"parameter.analizador.label", "analyser"},
    {"spectrum.csvComment", "# RBW {rbw} Hz (flat-top window), average of {records} "
                            "records of {milliseconds} ms; power per bin in dBV"},
    {"parameter.analizador.help", "Spectrum analyser: 1 shows in dB the measured\n"
                                  "spectra of the signals, with their noise; 0 the\n"
                                  "computed lines ({start}); no other value."},
    {"unit.degrees", "degrees"},
    {"unit.hertz", "Hz"},
    {"unit.msPerDivision", "ms/div"},
    {"stage.generator", "Generator"},
    {"stage.transmitter", "Transmitter"},
    {"stage.receiver", "Receiver"},
    {"stage.screen", "Screen"},
    {"step.up", "Raise {noun} {step}"},
    {"step.down", "Lower {noun} {step}"},
    {"step.floor", "{step} (not below 0)"},
    {"step.withUnit", "{number} {unit}"},

    // The drawing's description for a listener.
    {"drawing.name", "Oscilloscope and spectrum analyser"},
    {"drawing.generatorLabel", "modulating + Vcc"},
    {"summary.modulation", "{percent} % modulation"},
    {"summary.modulationBeyond", "modulation of {beyond}"},
    {"summary.phaseError.one", "phase error {degrees} degree"},
    {"summary.phaseError.other", "phase error {degrees} degrees"},
    {"summary.drift", "drifting with a frequency error of {hertz} Hz"},
    {"summary.envelope", "with envelope detector"},
    {"summary.invalid", "Invalid parameters: {problems}"},
    {"summary.notANumber.one", "{boxes} is not a number"},
    {"summary.notANumber.other", "{boxes} are not numbers"},
    {"summary.outside.one", "{boxes} is outside its limits"},
    {"summary.outside.other", "{boxes} are outside their limits"},
    {"summary.tooLarge", "{box} is too large"},
    {"summary.tooSmall", "{box} is too small"},
    {"summary.values", "Values: {values}"},
    {"summary.valuesSeparator", "; "},

    // The modes.
    {"mode.am", "AM"},
    {"mode.dsb", "DSB"},
    {"mode.ssb", "SSB {carrier}, {sideband}"},
    {"mode.withCarrier", "with carrier"},
    {"mode.withoutCarrier", "without carrier"},
    {"mode.upper", "upper sideband"},
    {"mode.lower", "lower sideband"},
    {"mode.carrierOnly", "Carrier only"},
    {"mode.noSignal", "No signal"},

    // The readout under the drawing.
    {"readout.none", "—"},
    {"readout.beyondAbove", "over {bound} {unit}"},
    {"readout.beyondBelow", "under {bound} {unit}"},
    {"readout.noMeasurementsOf", "No measurements: correct {label}"},
    {"readout.noMeasurements", "No measurements: the drawing could not be completed"},
    {"readout.mode", "Mode: {mode}"},
    {"readout.modulationIndex", "Modulation index: {percent}"},
    {"readout.carrierPower", "Carrier power: {power}"},
    {"readout.upperPower", "USB power: {power}"},
    {"readout.lowerPower", "LSB power: {power}"},
    {"readout.totalPower", "Total power: {watts} W"},
    {"readout.efficiency", "Efficiency: {percent}"},
    {"readout.peakPower", "Peak envelope power (PEP): {watts} W"},
    {"readout.averagePower", "Average power: {watts} W"},
    {"readout.peakToAverage", "PEP/average power: {ratio}"},
    {"readout.bandwidth", "Bandwidth: {kilohertz} kHz"},
    {"readout.audio", "Detected audio: {volts} V peak, {loss}"},
    {"readout.audioInverted", "Detected audio: {volts} V peak (inverted), {loss}"},
    {"readout.phaseNow", "Phase error now: {degrees}°"},
    {"readout.tone", "Detected tone: {hertz}"},
    {"readout.level", "Detected DC: {volts} V"},
    {"readout.envelopeDistortion", "Envelope detector distortion: {distortion}"},
    {"readout.envelopeDominant", "does not recover the tone: {kilohertz} kHz dominates"},
    {"readout.envelopeNoTone", "no tone"},
    {"readout.filter", "Receiver filter: {band}"},
    {"readout.filterUpper", "3 kHz, USB"},
    {"readout.filterLower", "3 kHz, LSB"},
    {"readout.filterBoth", "6 kHz, LSB and USB"},
    {"readout.inputRatio", "Input S/N: {ratio}"},
    {"readout.audioRatioTheory", "Audio S/N (theory): {ratio}"},
    {"readout.audioRatioMeasured", "Audio S/N (measured): {ratio}"},
    {"readout.figureOfMerit", "Figure of merit: {ratio}"},
    {"readout.envelopeRatioMeasured", "Audio S/N, envelope det. (measured): {ratio}"},

    // The menu: each item's caption and what it says once done.
    {"menu.CopiarEnlace", "Copy link"},
    {"menu.CopiarEnlace.done", "Link copied"},
    {"menu.CopiarOrden", "Copy command"},
    {"menu.CopiarOrden.done", "Command copied"},
    {"menu.GuardarImagen", "Save picture…"},
    {"menu.GuardarDatos", "Save data…"},
    {"menu.GuardarSonido", "Save sound…"},
    {"menu.GuardarEspectro", "Save spectrum…"},
    {"menu.saved", "Saved: "},
    {"menu.CurvaSN", "S/N curve"},
    {"menu.VistaIQ", "I/Q view"},
    {"panel.close", "Close"},

    // Exercises: the teacher's dialog, the questions, the answer and its verdict.
    {"menu.CrearEjercicio", "Create exercise…"},
    {"menu.Ejercicios", "Exercises"},
    {"exercise.create.title", "Create exercise"},
    {"exercise.create.hide", "Hidden values:"},
    {"exercise.create.question", "Question:"},
    {"exercise.create.firstHidden", "that of the first hidden value"},
    {"exercise.create.tolerance", "Tolerance:"},
    {"exercise.create.make", "Create"},
    {"exercise.create.link", "Link:"},
    {"exercise.create.command", "Command:"},
    {"exercise.create.copyLink", "Copy link"},
    {"exercise.create.copyCommand", "Copy command"},
    {"exercise.list.title", "Exercises"},
    {"exercise.list.seed", "Seed:"},
    {"exercise.list.open", "Open"},
    {"exercise.answerLabel", "Answer"},
    {"exercise.check", "Check"},
    {"exercise.showSolution", "Show the solution"},
    {"exercise.questionName", "Exercise question"},
    {"exercise.questionDescription", "What is to be found from what the bench shows."},
    {"exercise.answerDescription", "The answer to the question; Enter checks it."},
    {"exercise.checkDescription", "Checks the answer against the bench as it stands."},
    {"exercise.verdictName", "Result of the answer"},
    {"exercise.verdictDescription",
     "Whether the last answer is right and, if not, which screen helps; or the solution."},
    {"exercise.showSolutionDescription", "Shows the answer and the hidden values."},
    {"exercise.correct", "Correct"},
    {"exercise.incorrect", "Incorrect. {hint}"},
    {"exercise.unreadable", "Enter a number, for example {example}."},
    {"exercise.unreadableSideband", "Enter “lower”, “upper”, “none” or “both”."},
    {"exercise.solution", "Solution: {answer}"},
    {"exercise.badCode",
     "The exercise code {code} is not valid: a part is missing or some character has changed. "
     "Copy it again, whole, from the link you were given."},
    {"exercise.badHidden", "There is no value called {name} to hide. The names are: {names}."},
    {"exercise.badSeed", "The seed {seed} is not valid: enter a whole number from 0 to "
                         "4294967295."},
    {"exercise.nothingHidden", "Tick at least one value to hide."},
    {"exercise.noQuestion",
     "None of the hidden values has a question: choose a question from the list."},
    {"exercise.badTolerance", "The tolerance {text} is not valid: enter a number greater than 0."},
    {"answer.neither", "none"},
    {"answer.lower", "lower"},
    {"answer.upper", "upper"},
    {"answer.both", "both"},
    {"question.mdl", "What is the modulating signal's amplitude (mdl), in V?"},
    {"question.vcc", "What is V(cc), in V?"},
    {"question.fase", "How many degrees is the phase error of the reinserted carrier (unsigned)?"},
    {"question.ruido", "What is the channel noise, in V RMS per kHz?"},
    {"question.df",
     "What is the frequency error of the reinserted carrier, in Hz (with its sign)?"},
    {"question.deriva", "By how many hertz is the reinserted carrier off (unsigned)?"},
    {"question.tono", "What is the frequency of the generator's tone, in Hz?"},
    {"question.tono2", "What is the frequency of the second tone, in Hz?"},
    {"question.base", "How many ms per division is the time base set to?"},
    {"question.indice", "What is the modulation index, in %?"},
    {"question.banda", "Which sideband is missing: lower, upper, none or both?"},
    {"questionHint.mdl",
     "Measure the envelope on the oscilloscope or the sidebands in the spectrum."},
    {"questionHint.vcc", "Measure the carrier line in the spectrum, with the scales."},
    {"questionHint.fase", "Compare the detected audio's amplitude with the one it gives at 0°."},
    {"questionHint.ruido", "Start from the input S/N and the received power."},
    {"questionHint.df", "Compare the detected tone with the generator's."},
    {"questionHint.deriva", "Measure how often the detected audio nulls with time running."},
    {"questionHint.tono",
     "Measure the period with the oscilloscope's scales or the line in the spectrum."},
    {"questionHint.tono2", "Look for the second line in the generator's spectrum."},
    {"questionHint.base", "Count the tone's periods on the screen."},
    {"questionHint.indice", "Compare the sidebands with the carrier in the spectrum."},
    {"questionHint.banda", "Look at the spectrum of the transmitted signal."},
    {"exercise.builtin.indice", "Modulation index from the envelope"},
    {"exercise.builtin.vcc", "V(cc) from the carrier line"},
    {"exercise.builtin.banda", "Which sideband was suppressed?"},
    {"exercise.builtin.fase", "Phase error from the detected amplitude"},
    {"exercise.builtin.deriva", "Frequency error from the fading"},
    {"exercise.builtin.tonoBlu", "Frequency error from the tone (SSB)"},
    {"exercise.builtin.ruido", "Noise level from the S/N"},
    {"exercise.builtin.tono", "Tone frequency with the scales"},
    {"exercise.builtin.sobremodulacion", "Overmodulation and envelope detector"},
    {"exercise.builtin.segundoTono", "Second tone in the spectrum"},

    // The I/Q view.
    {"iqView.title", "Received signal in the I/Q plane"},
    {"iqView.i", "I"},
    {"iqView.q", "Q"},
    {"iqView.scale", "{volts} V/div"},
    {"iqView.legend.carrier", "carrier ({volts} V)"},
    {"iqView.legend.trajectory", "sidebands: path over {milliseconds} ms of screen"},
    {"iqView.legend.noise", "channel noise: points from {sweeps} sweeps of the screen"},
    {"iqView.legend.detector", "product detector's axis, at {degrees}° (the phase error)"},
    {"iqView.legend.detectorTurning", "product detector's axis: at {start}°, turning {turn}°"},
    {"iqView.legend.projection", "its output follows the projection on the axis: {volts} V peak"},
    {"iqView.legend.envelope", "envelope detector: distance from the origin minus the radius;"},
    {"iqView.legend.envelopeWhy", "it follows the audio as long as the path avoids the origin"},
    {"iqView.legend.noEnvelope", "no carrier, no circle: the envelope does not follow the audio"},

    // The command line.
    {"cli.seeHelp", "{message} Type “amsim --help” to see the options."},
    {"cli.unknownOption", "Unknown option: {argument}."},
    {"cli.missingValue", "The option {argument} is missing its value."},
    {"cli.unreadable", "The command line cannot be understood."},
    {"cli.twice", "The option {option} appears more than once."},
    {"cli.unexpected", "Unexpected argument: {argument}."},
    {"cli.zoomWindowOnly", "The option --zoom only applies when opening the window."},
    {"cli.scaleWithExport", "The option --scale only works together with --export."},
    {"cli.secondsWithWav", "The option --segundos only works together with --export-wav."},
    {"cli.factor", "The value of {option} must be a number from {range}: {text}."},
    {"cli.boxAndOption", "{label} (--{option})"},
    {"cli.seedWithExercise", "The option --semilla only works together with --ejercicio."},
    {"cli.hiddenOrExercise",
     "The options --ocultar and --ejercicio do not go together: the exercise already says "
     "what is hidden."},
    {"cli.valueName", "VALUE"},
    {"cli.help", "Usage: amsim [options]\n"
                 "\n"
                 "{title}. Without options it opens the simulator's window.\n"
                 "\n"
                 "Options:\n"
                 "  -h, --help                Shows this help and exits.\n"
                 "  -v, --version             Shows the version and exits.\n"
                 "  --export FILE.png         Saves to FILE.png the whole window's picture,\n"
                 "                            without showing it or needing a display, in the\n"
                 "                            format of its extension: .png, .bmp, .jpg…, or as\n"
                 "                            vectors, for slides and print, in .svg and .pdf.\n"
                 "  --scale S                 With --export, the picture a screen with that scale\n"
                 "                            would show, from {scale} (fractions allowed).\n"
                 "  --medidas                 Writes to standard output a line with the values\n"
                 "                            and then the measurements the window shows under\n"
                 "                            the drawing, one per line.\n"
                 "  --zoom Z                  Opens the window scaled by Z, from {zoom}.\n"
                 "                            Without this option, a window that does not fit on\n"
                 "                            the screen opens reduced until it fits.\n"
                 "  --export-csv FILE.csv     Saves to FILE.csv the samples of the six traces and\n"
                 "                            of the detected audio, with a decimal point, beside\n"
                 "                            the screen's column x and the time t_ms in\n"
                 "                            milliseconds (400 columns are 1 ms). It may be\n"
                 "                            /dev/stdout, to read them on standard output.\n"
                 "  --export-wav FILE.wav     Saves to FILE.wav the receiver's sound: the audio\n"
                 "                            of the product detector, or that of the envelope\n"
                 "                            detector if it is on, without its DC, mono, at\n"
                 "                            48 kHz and 16 bits. The level is the same in every\n"
                 "                            mode: 1 V of audio is half scale; whatever exceeds\n"
                 "                            full scale (2 V) is clipped. It may be /dev/stdout,\n"
                 "                            to pipe it to another program.\n"
                 "  --export-espectro FILE.csv\n"
                 "                            Saves to FILE.csv the analyser's spectra: the power\n"
                 "                            of each bin in dBV of the generator, the received\n"
                 "                            signal and the detected audio (and the envelope\n"
                 "                            detector if on), from 0 to 24 kHz, with the\n"
                 "                            resolution bandwidth on the first line.\n"
                 "  --export-curva FILE       Saves the receiver's S/N curve: the audio S/N of\n"
                 "                            the product and envelope detectors against the\n"
                 "                            input S/N, from -10 to 30 dB, with the given mode,\n"
                 "                            modulating signal and phase, each point measured\n"
                 "                            over 10 s of output with its spread, and the\n"
                 "                            theory. With .csv, the points with a decimal point;\n"
                 "                            with .png or .svg, their graph.\n"
                 "  --export-iq FILE.png      Saves to FILE.png or FILE.svg the I/Q view: the\n"
                 "                            complex envelope of the received signal, with the\n"
                 "                            product detector's axis and the envelope detector's\n"
                 "                            circle, at the instant of --tiempo.\n"
                 "  --segundos S              With --export-wav, the length of the sound, from\n"
                 "                            {seconds} seconds (2).\n"
                 "  --tiempo S                The bench's instant, in seconds from its start,\n"
                 "                            from {instant} (0): the picture, the samples,\n"
                 "                            the measurements and the start of the sound show\n"
                 "                            it. The window opens with time stopped at that\n"
                 "                            instant.\n"
                 "  --ocultar NAMES           Hides the values of those options, separated by\n"
                 "                            commas (mdl,fase): their boxes show “?”, as do the\n"
                 "                            measurements that tell them; the bench works with\n"
                 "                            them as before. The question asks for the first.\n"
                 "  --ejercicio CODE          Opens the exercise of that code (the one of a link\n"
                 "                            ?ejercicio=…) or a built-in exercise by its name:\n"
                 "                            {exercises}.\n"
                 "  --semilla N               With a built-in exercise's name, the seed of its\n"
                 "                            values, 0 to 4294967295; without it, a new one.\n"
                 "{options}\n"
                 "Without exporting, the values open the window with them in its boxes:\n"
                 "  amsim --vcc 0 --bls 0     opens the bench in SSB without carrier.\n"
                 "\n"
                 "Values are written as in the window's boxes, with the decimal separator of\n"
                 "the regional settings (0,8 with a decimal comma, 0.8 with a point).\n"
                 "If a value is not valid, the program shows the same message as the window,\n"
                 "writes no file and exits with code 2. With several export options, either\n"
                 "every file is written or none.\n"
                 "\n"
                 "It also accepts Qt's own options, such as -platform, -style or -reverse,\n"
                 "for the window; when exporting they change nothing: --scale sets the size.\n"
                 "\n"
                 "Examples:\n"
                 "  amsim --export dsb.png --export-csv dsb.csv --vcc 0 --fase 30\n"
                 "  amsim --export bench.pdf --bls 0\n"
                 "  amsim --export bench.png --scale 2\n"
                 "  amsim --export-wav ssb.wav --segundos 5 --vcc 0 --bls 0\n"
                 "  amsim --export-wav gurgle.wav --vcc 0 --df 1\n"
                 "  amsim --export drift.png --vcc 0 --bls 0 --df 100\n"
                 "  amsim --export-curva curve.png\n"},

    // The files the program writes and the window's own messages.
    {"file.reason.noSpace", "there is no space left on the disk"},
    {"file.reason.permission", "there is no permission to write to it or to its folder"},
    {"file.reason.noFolder", "the folder does not exist"},
    {"file.reason.folder", "it is a folder"},
    {"file.reason.readOnly", "it is on a read-only disk"},
    {"file.reason.readerLeft", "whatever was reading it stopped doing so"},
    {"file.reason.nameTooLong", "file name too long"},
    {"file.reason.notAFile", "it is neither a file nor a device"},
    {"file.reason.links", "there are too many symbolic links in a row"},
    {"file.reason.tooBig", "the file would be too large"},
    {"file.reason.io", "the disk gave a read or write error"},
    {"file.reason.busy", "it is in use"},
    {"file.reason.notAllowed", "the file system does not allow saving it like this"},
    {"file.reason.other", "the system answered with the error {error}"},
    {"file.reason.disk", "it is a disk, not a file"},
    {"file.reason.hardLink", "the file has another name (a hard link), which would keep the "
                             "old contents; delete that other name or choose another file"},
    {"file.reason.noName", "the file has already been deleted and has no name"},
    {"file.received", "{name} had already received {what}"},
    {"file.receivedToo", "{sent}, and {received}"},
    {"file.writeFailed", "Could not write the file {name}: {reason}. {written}"},
    {"file.nothingWritten", "No file was written."},
    {"file.nothingElseWritten", "{sent}, and that cannot be undone; no other file was written."},
    {"file.picture", "the picture"},
    {"file.spectrum", "the spectrum"},
    {"file.spectrum.gender", "m"},
    {"file.samples", "the samples"},
    {"file.sound", "the sound"},
    {"file.picture.gender", "m"},
    {"file.samples.gender", "m"},
    {"file.sound.gender", "m"},
    {"file.saveFailed", "Could not save the file {name}: {reason}."},
    {"sound.noOutput", "Cannot listen: this computer has no sound output."},
    {"sound.noFormat", "Cannot listen: the sound output does not take 48 kHz at 16 bits."},
    {"window.zoomNote", ", window reduced to {percent} % to fit on the screen"},
    {"sound.failed", "The sound output has failed and the sound has stopped."},
    {"window.confirmation.name", "Confirmation"},
    {"window.confirmation.description",
     "Says for two seconds that the menu has copied or saved what was asked."},
    {"window.pictureFilter", "Pictures (*.png *.svg *.pdf *.bmp *.jpg)"},
    {"file.reason.format", "the name needs the extension of one of these formats: {formats}"},
    {"file.reason.encoding", "the picture could not be encoded as {format}"},
    {"window.messageFailed", "amsim: could not show an error message\n"},
    {"cli.noDisplay", "Cannot open the window: there is no display. To save the "
                      "picture without a display, use --export."},
    {"cli.scaleIgnored",
     "{variables} ignored: the window is shown at a scale of {least} to {most}."},
    {"cli.sameFile.masculine", "{files} are the same file: {whats} need a file each."},
    {"cli.sameFile.feminine", "{files} are the same file: {whats} need a file each."},
    {"cli.wavName", "The sound {name} needs the extension .wav."},
    {"cli.iconFormat", "The picture {name} does not fit in a .{format}, which goes no larger "
                       "than 256 × 256 pixels. Use one of these formats: {formats}."},
    {"cli.panelPictureName", "The picture {name} needs the extension .png or .svg."},
    {"cli.pictureName", "The picture {name} needs the extension of a format the program can "
                        "write, such as .png, .bmp or .jpg."},

    // The S/N curve: its plot and its export.
    {"snrCurve.caption", "S/N curve: {mode}, modulating signal {modulante}, phase {fase}°"},
    {"snrCurve.inputAxis", "Input S/N (dB)"},
    {"snrCurve.audioAxis", "Audio S/N (dB)"},
    {"snrCurve.productMeasured", "Product detector, measured"},
    {"snrCurve.productTheory", "Product detector, theory"},
    {"snrCurve.envelopeMeasured", "Envelope detector, measured"},
    {"snrCurve.envelopeTheory", "Envelope detector, theory"},
    {"snrCurve.file", "the S/N curve"},
    {"snrCurve.file.gender", "m"},
    {"cli.curveName", "The S/N curve {name} needs the extension .csv, .png or .svg."},

    // The page's messages from its engine.
    {"address.instant",
     "The value of {option}= in the address must be a number from {range}: {text}. The bench "
     "starts at instant 0."},
    {"internal.noButton", "there is no button {name}."},
    {"internal.noBox", "there is no box {name}."},
    {"internal.noMenuItem", "there is no menu item {name}."},
    {"internal.noQuestion", "there is no question {name}."},
    {"internal.noExercise", "there is no exercise {name}."},

    // The page's own words: its script's and its markup's.
    {"page.copied", "Copied: {text}"},
    {"page.copyFailed", "Could not copy; copy it by hand: {text}"},
    {"page.noEngine", "This browser cannot run the simulator: {error}"},
    {"page.messageClose", "OK"},

    // The window's form: "form.<control>.<property>", the texts Form1.ui
    // leaves out. "{step}", "{series}", "{first}", "{low}" and "{high}" are
    // the numbers of the control's parameter row (FormTexts).
    {"form.Form1.windowTitle", "Form1"},
    {"form.Form1.accessibleName", "AM, DSB and SSB simulator"},
    {"form.Image1.accessibleName", "Block diagram of the bench"},
    {"form.Image1.accessibleDescription",
     "From top to bottom: balanced modulator with the 20 kHz carrier oscillator, V(cc) "
     "and the 1 kHz modulating oscillator; carrier, USB and LSB, each sideband with its "
     "enable switch; sum of the three; envelope detector; product detector with its "
     "carrier oscillator; product detector output."},
    {"form.Label9.text", "reinserted carr. phase"},
    {"form.Label9.accessibleName", "Phase of the reinserted carrier"},
    {"form.Label9.accessibleDescription",
     "Label of the box for the phase of the reinserted carrier, in degrees."},
    {"form.Label8.text", "AM, DSB and SSB simulation  TIVELO 10/mar/2018"},
    {"form.Label8.accessibleName", "AM, DSB and SSB simulation"},
    {"form.Label8.accessibleDescription", "Title of the simulator, dated 10 March 2018."},
    {"form.Label7.text", "product det output"},
    {"form.Label7.accessibleName", "Product detector output"},
    {"form.Label7.accessibleDescription",
     "Label of the oscilloscope's last trace: the product detector output, with the "
     "detected audio in green."},
    {"form.Label4.text", "LSB on ="},
    {"form.Label4.accessibleName", "LSB enabled"},
    {"form.Label4.accessibleDescription", "Label of the box that enables the lower sideband."},
    {"form.Label3.text", "USB on ="},
    {"form.Label3.accessibleName", "USB enabled"},
    {"form.Label3.accessibleDescription", "Label of the box that enables the upper sideband."},
    {"form.Label2.text", "V(cc) ="},
    {"form.Label2.accessibleName", "V(cc)"},
    {"form.Label2.accessibleDescription",
     "Label of the box for the superimposed DC voltage, V(cc)."},
    {"form.Label1.text", "mod. sig. ="},
    {"form.Label1.accessibleName", "Modulating signal"},
    {"form.Label1.accessibleDescription",
     "Label of the box for the modulating signal's amplitude."},
    {"form.EnvelopeLabel.text", "envelope det. ="},
    {"form.EnvelopeLabel.accessibleName", "Envelope detector"},
    {"form.EnvelopeLabel.accessibleDescription",
     "Label of the box that switches the envelope detector on."},
    {"form.EscalasLabel.text", "scales ="},
    {"form.EscalasLabel.accessibleName", "Scales"},
    {"form.EscalasLabel.accessibleDescription",
     "Label of the box that shows the time, voltage and frequency scales."},
    {"form.Measurements.text", "Measurements"},
    {"form.Measurements.accessibleName", "Measurements"},
    {"form.Measurements.accessibleDescription",
     "Measurements of the transmitted signal and of the detected audio, into a 1 ohm load, "
     "updated after each drawing."},
    {"form.AcercaTexto.accessibleName", "About the program"},
    {"form.AcercaTexto.accessibleDescription",
     "Text about the program: its date, how to get it and where it was tested. The "
     "“About the program” button hides it."},
    {"form.Acerca.text", "About the program"},
    {"form.Acerca.accessibleName", "About the program"},
    {"form.Acerca.accessibleDescription",
     "Shows or hides the text about the program. Hiding it redraws what it was "
     "covering."},
    {"form.Text1.plainText", "Text1"},
    {"form.Text1.accessibleName", "Help"},
    {"form.Text1.accessibleDescription",
     "Help text, which guides the experiments with the simulator. The “Help” button "
     "hides it."},
    {"form.Ayuda.text", "Help"},
    {"form.Ayuda.accessibleName", "Help"},
    {"form.Ayuda.accessibleDescription",
     "Shows or hides the help text. Hiding it redraws what it was covering."},
    {"form.Menu.text", "Menu"},
    {"form.Menu.toolTip",
     "Copy the link or the command that open the simulator with these values, or save the "
     "picture, the data or the sound"},
    {"form.Menu.accessibleName", "Menu"},
    {"form.Menu.accessibleDescription",
     "Opens a menu to copy the page's link or the command that open the simulator with "
     "the values of the boxes, or to save the picture, the data or the sound of what is "
     "shown."},
    {"form.fase.text", "fase"},
    {"form.fase.accessibleName", "Phase of the reinserted carrier"},
    {"form.fase.accessibleDescription",
     "Phase, in degrees, of the carrier the product detector reinserts; 0 is the correct "
     "phase. Enter a number or use the buttons Raise phase and Lower phase."},
    {"form.FaseBajar.accessibleName", "Lower phase"},
    {"form.FaseBajar.accessibleDescription",
     "Subtracts {step} from the phase of the reinserted carrier; it has no limit. Hold "
     "down to repeat."},
    {"form.FaseSubir.accessibleName", "Raise phase"},
    {"form.FaseSubir.accessibleDescription",
     "Adds {step} to the phase of the reinserted carrier; it has no limit. Hold down to "
     "repeat."},
    {"form.EnvelopeOnOff.text", "EnvelopeOnOff"},
    {"form.EnvelopeOnOff.accessibleName", "Envelope detector on"},
    {"form.EnvelopeOnOff.accessibleDescription",
     "Envelope detector: 1 switches it on and draws its output in blue beside the detected "
     "audio; 0 switches it off. Enter 0 or 1 or use the button to its right."},
    {"form.EnvelopeToggle.text", "yes/no"},
    {"form.EnvelopeToggle.toolTip", "Switch the envelope detector on or off"},
    {"form.EnvelopeToggle.accessibleName", "Switch the envelope detector on or off"},
    {"form.EnvelopeToggle.accessibleDescription",
     "If the envelope detector's box holds 1 it sets it to 0 and switches it off; if it "
     "holds 0 it sets it to 1 and switches it on."},
    {"form.EscalasSiNo.text", "EscalasSiNo"},
    {"form.EscalasSiNo.accessibleName", "Scales shown"},
    {"form.EscalasSiNo.accessibleDescription",
     "Scales: 1 draws the oscilloscope's graticule with its time scale and its volts per "
     "division, and the frequency and amplitude scales of the spectra; 0 removes them. "
     "Enter 0 or 1 or use the button to its right."},
    {"form.EscalasSi.text", "yes/no"},
    {"form.EscalasSi.toolTip", "Show or hide the scales"},
    {"form.EscalasSi.accessibleName", "Show or hide the scales"},
    {"form.EscalasSi.accessibleDescription",
     "If the scales' box holds 1 it sets it to 0 and hides them; if it holds 0 it sets it "
     "to 1 and shows them."},
    {"form.Escuchar.text", "Listen"},
    {"form.Escuchar.toolTip", "Listen to the receiver's output"},
    {"form.Escuchar.accessibleName", "Listen"},
    {"form.Escuchar.accessibleDescription",
     "When pressed, the loudspeaker plays the receiver's output: the product detector's "
     "audio, or the envelope detector's if it is on, with the noise; it follows every "
     "change. Press again to silence it."},
    {"form.TonoLabel.text", "tone freq. ="},
    {"form.TonoLabel.accessibleName", "Tone frequency"},
    {"form.TonoLabel.accessibleDescription", "Label of the box for the tone frequency."},
    {"form.Tono.text", "Tono"},
    {"form.Tono.accessibleName", "Frequency of the generator's tone"},
    {"form.Tono.accessibleDescription",
     "Frequency of the tone the generator sends, in Hz, between {low} and {high}. Enter a "
     "number or use the buttons Raise tone frequency and Lower tone frequency."},
    {"form.TonoSubir.accessibleName", "Raise tone frequency"},
    {"form.TonoSubir.accessibleDescription",
     "Takes the tone frequency to the next value of the series {series}. Hold down to "
     "repeat."},
    {"form.TonoBajar.accessibleName", "Lower tone frequency"},
    {"form.TonoBajar.accessibleDescription",
     "Takes the tone frequency to the previous value of the same series; not below "
     "{first}. Hold down to repeat."},
    {"form.Tono2Label.text", "2nd tone ="},
    {"form.Tono2Label.accessibleName", "Second tone"},
    {"form.Tono2Label.accessibleDescription", "Label of the box for the second tone."},
    {"form.Tono2.text", "Tono2"},
    {"form.Tono2.accessibleName", "Second tone of the generator"},
    {"form.Tono2.accessibleDescription",
     "Frequency of a second tone, in Hz, between {low} and {high}; 0 switches it off. With "
     "two tones each carries half of the modulating signal, and the readout compares the "
     "peak envelope power with the average. Enter a number or use the buttons Raise second "
     "tone and Lower second tone."},
    {"form.Tono2Subir.accessibleName", "Raise second tone"},
    {"form.Tono2Subir.accessibleDescription",
     "Takes the second tone to the next value of the series {series}. Hold down to "
     "repeat."},
    {"form.Tono2Bajar.accessibleName", "Lower second tone"},
    {"form.Tono2Bajar.accessibleDescription",
     "Takes the second tone to the previous value of the series {series}; not below "
     "{first}, which switches it off. Hold down to repeat."},
    {"form.DfLabel.text", "frequency error ="},
    {"form.DfLabel.accessibleName", "Frequency error"},
    {"form.DfLabel.accessibleDescription",
     "Label of the box for the frequency error of the reinserted carrier."},
    {"form.Df.text", "Df"},
    {"form.Df.accessibleName", "Frequency error of the reinserted carrier"},
    {"form.Df.accessibleDescription",
     "Frequency of the reinserted carrier minus that of the transmitter, in Hz; with 0 "
     "there is no error and the bench stands still. Between {low} and {high}. Enter a "
     "number or use the buttons Raise frequency error and Lower frequency error."},
    {"form.DfSubir.accessibleName", "Raise frequency error"},
    {"form.DfSubir.accessibleDescription",
     "Takes the frequency error to the next value of the series {series}. Hold down to "
     "repeat."},
    {"form.DfBajar.accessibleName", "Lower frequency error"},
    {"form.DfBajar.accessibleDescription",
     "Takes the frequency error to the previous value of the same series; not below "
     "{first}. Hold down to repeat."},
    {"form.BaseLabel.text", "time base ="},
    {"form.BaseLabel.accessibleName", "Time base"},
    {"form.BaseLabel.accessibleDescription", "Label of the box for the oscilloscope's time base."},
    {"form.Base.text", "Base"},
    {"form.Base.accessibleName", "Oscilloscope time base"},
    {"form.Base.accessibleDescription",
     "Milliseconds per division of the oscilloscope, whose screen has 8 divisions. Between "
     "{low} and {high}. Enter a number or use the buttons Raise time base and Lower time "
     "base."},
    {"form.BaseSubir.accessibleName", "Raise time base"},
    {"form.BaseSubir.accessibleDescription",
     "Takes the time base to the next value of the series {series}. Hold down to "
     "repeat."},
    {"form.BaseBajar.accessibleName", "Lower time base"},
    {"form.BaseBajar.accessibleDescription",
     "Takes the time base to the previous value of the same series; not below {first}. "
     "Hold down to repeat."},
    {"form.AnalizadorLabel.text", "analyser ="},
    {"form.AnalizadorLabel.accessibleName", "Spectrum analyser"},
    {"form.AnalizadorLabel.accessibleDescription",
     "Label of the box that puts the spectra in analyser mode."},
    {"form.Analizador.text", "Analizador"},
    {"form.Analizador.accessibleName", "Spectrum analyser"},
    {"form.Analizador.accessibleDescription",
     "Analyser: 1 shows in decibels the measured spectra of the generator, of the received "
     "signal and of the detected audio, with their noise and their resolution bandwidth; 0 "
     "the computed spectral lines. Enter 0 or 1 or use the button to its right."},
    {"form.AnalizadorSi.text", "yes/no"},
    {"form.AnalizadorSi.toolTip", "Switch the spectrum analyser on or off"},
    {"form.AnalizadorSi.accessibleName", "Switch the spectrum analyser on or off"},
    {"form.AnalizadorSi.accessibleDescription",
     "If the analyser's box holds 1 it sets it to 0 and goes back to the spectral lines; if "
     "it holds 0 it sets it to 1 and shows the measured spectra."},
    {"form.Pausa.text", "Pause"},
    {"form.Pausa.toolTip", "Stop or resume the bench's time (space bar over the drawing)"},
    {"form.Pausa.accessibleName", "Pause"},
    {"form.Pausa.accessibleDescription",
     "When pressed, the bench's time stops and the drawing holds still at the instant it "
     "shows; press again to let it run on. With no frequency error, noise or sound the "
     "bench stands still anyway."},
    {"form.RuidoLabel.text", "noise ="},
    {"form.RuidoLabel.accessibleName", "Noise"},
    {"form.RuidoLabel.accessibleDescription", "Label of the box for the channel noise."},
    {"form.Ruido.text", "Ruido"},
    {"form.Ruido.accessibleName", "Channel noise"},
    {"form.Ruido.accessibleDescription",
     "Noise the channel adds to the signal: RMS voltage in a 1 kHz bandwidth; 0 is a "
     "clean channel. Enter 0 or a larger number or use the buttons Raise noise and Lower "
     "noise."},
    {"form.RuidoSubir.accessibleName", "Raise noise"},
    {"form.RuidoSubir.accessibleDescription",
     "Takes the noise to the next value of the series {series}. Hold down to repeat."},
    {"form.RuidoBajar.accessibleName", "Lower noise"},
    {"form.RuidoBajar.accessibleDescription",
     "Takes the noise to the previous value of the series {series}; not below {first}. "
     "Hold down to repeat."},
    {"form.BliSiNo.text", "BliSiNo"},
    {"form.BliSiNo.accessibleName", "LSB enabled"},
    {"form.BliSiNo.accessibleDescription",
     "Lower sideband: 1 lets it through and 0 suppresses it. Enter a number or use the "
     "button to its right."},
    {"form.BliSi.text", "yes/no"},
    {"form.BliSi.toolTip", "Enable or suppress the lower sideband"},
    {"form.BliSi.accessibleName", "Enable or suppress the lower sideband"},
    {"form.BliSi.accessibleDescription",
     "If the LSB enabled box holds 1 it sets it to 0 and suppresses the lower sideband; "
     "with any other value it sets it to 1."},
    {"form.BlsSi.text", "yes/no"},
    {"form.BlsSi.toolTip", "Enable or suppress the upper sideband"},
    {"form.BlsSi.accessibleName", "Enable or suppress the upper sideband"},
    {"form.BlsSi.accessibleDescription",
     "If the USB enabled box holds 1 it sets it to 0 and suppresses the upper sideband; "
     "with any other value it sets it to 1."},
    {"form.BlsSiNo.text", "BlsSiNo"},
    {"form.BlsSiNo.accessibleName", "USB enabled"},
    {"form.BlsSiNo.accessibleDescription",
     "Upper sideband: 1 lets it through and 0 suppresses it. Enter a number or use the "
     "button to its right."},
    {"form.VccSubir.accessibleName", "Raise V(cc)"},
    {"form.VccSubir.accessibleDescription",
     "Adds {step} to V(cc); it has no limit. Hold down to repeat."},
    {"form.VccBajar.accessibleName", "Lower V(cc)"},
    {"form.VccBajar.accessibleDescription",
     "Subtracts {step} from V(cc); it has no limit and may go negative. Hold down to "
     "repeat."},
    {"form.Vcc.text", "Vcc"},
    {"form.Vcc.accessibleName", "V(cc)"},
    {"form.Vcc.accessibleDescription",
     "DC voltage superimposed on the modulating signal, which sets the carrier's "
     "amplitude; 0 suppresses the carrier. Enter a number or use the buttons Raise V(cc) "
     "and Lower V(cc)."},
    {"form.mdl.text", "Modulante"},
    {"form.mdl.accessibleName", "Modulating signal"},
    {"form.mdl.accessibleDescription",
     "Amplitude of the modulating signal; equal to V(cc) it gives 100 % modulation. Enter a "
     "number or use the buttons Raise modulating signal and Lower modulating signal."},
    {"form.ModulanteBajar.accessibleName", "Lower modulating signal"},
    {"form.ModulanteBajar.accessibleDescription",
     "Subtracts {step} from the modulating signal's amplitude; not below 0. Hold down to "
     "repeat."},
    {"form.ModulanteSubir.accessibleName", "Raise modulating signal"},
    {"form.ModulanteSubir.accessibleDescription",
     "Adds {step} to the modulating signal's amplitude; it has no limit. Hold down to "
     "repeat."},

    // The panels and the window's title.
    {"window.title", "AM, DSB and SSB simulator"},
    {"help.paragraph1",
     "This program tries to convey the idea of these amplitude modulation modes: AM "
     "(carrier and both sidebands), DSB (double sideband with suppressed carrier) and "
     "SSB (single sideband). It presents them as if you were sitting at a workbench "
     "with an audio generator, a multimode transmitter, a receiver, an oscilloscope "
     "and a spectrum analyser."},
    {"help.paragraph2",
     "You can set at will the level of the modulating signal and the superimposed DC "
     "voltage, V(cc), and suppress one of the sidebands or both. The results show at "
     "once on the oscilloscope and on the spectrum analyser. With “scales” at 1 the "
     "screen shows the time (one division, 0.2 ms), the volts per division of each "
     "trace and, in the spectra, the frequency in kHz and the amplitude in volts."},
    {"help.paragraph3",
     "The modulation is assumed to be done by a balanced modulator, even in AM. In a "
     "real output stage with high-level modulation, modulation beyond 100 % clips the "
     "signal. The simulator does not show that clipping: its output is always the "
     "carrier multiplied by the sum of the modulating signal and the DC, and when that "
     "sum goes negative the carrier simply reverses its phase."},
    {"help.paragraph4", "For DSB and SSB it is assumed, for simplicity, that the signal is "
                        "generated directly at the output frequency, rather than first at a "
                        "lower frequency and then translated with mixers, as real equipment "
                        "usually does."},
    {"help.paragraph5",
     "The receiver demodulates with a product detector and, if switched on with “envelope "
     "det.”, also with a peak detector (envelope detector), the one the block diagram "
     "draws. The product detector's audio stands out in green over the detector output; "
     "the envelope detector's, in blue, on the same scale."},
    {"help.paragraph6",
     "At start the amplitude of the modulating signal is set to 1 and the superimposed "
     "DC, V(cc), to 1, which amounts to 100 % modulation, and both sidebands pass. Raise "
     "and lower Modulating signal and V(cc) with their buttons and watch the levels and "
     "the waveforms. The amplitude of the sidebands is proportional to that of the "
     "modulating signal, while the carrier depends only on the DC. With V(cc) at zero "
     "the carrier disappears and you get DSB; yet the detected audio does not change, "
     "which shows that the carrier carries no information."},
    {"help.paragraph7",
     "Now suppress one of the sidebands and you have SSB, with half the power of DSB. "
     "The detected voltage is halved, so the audio power falls to a quarter and the "
     "signal-to-noise ratio gets four times worse (6 dB). But an SSB receiver needs only "
     "half the bandwidth and so lets through half the noise power, which makes the net "
     "loss twofold (3 dB). A transmitter that puts into its single sideband the power of "
     "both sidebands of DSB reaches the signal-to-noise ratio of DSB in half the "
     "bandwidth. Try it: set noise to 0.05 and read the audio S/N under the drawing; "
     "suppress a sideband and the S/N gets 3 dB worse; raise Modulating signal √2 times "
     "(from 1 to 1.41) and it is back to that of DSB."},
    {"help.paragraph8",
     "Play with the phase of the reinserted carrier. In SSB the phase has no influence: "
     "the detected audio keeps its amplitude and only shifts in time. In AM and DSB, a "
     "phase error of 90 degrees makes the detected audio vanish and one of 180 degrees "
     "inverts it. In practice the carrier cannot be reinserted at exactly the right "
     "frequency, so the phase error keeps changing and the audio comes and goes with a "
     "gurgling sound. Try it with “frequency error”: with 1 Hz and both sidebands, the "
     "audio fades out and inverts twice a second; with a single sideband its level does "
     "not change and it is the tone's phase that slides. With 100 Hz in SSB, the tone's "
     "period on the screen is 1/(1 kHz − 100 Hz) with the upper sideband and "
     "1/(1 kHz + 100 Hz) with the lower. While something moves, the bench runs in real "
     "time; “Pause”, or the space bar over the drawing, stops time and lets it run "
     "again. With V(cc) and no modulating signal, the detector works as a phase "
     "detector: it delivers a DC voltage that depends on the phase of the reinserted "
     "carrier. The “Detected DC” measurement shows that voltage, (V(cc)/2)·sin φ, "
     "0.433 V at 60 degrees with V(cc) 1: the product detector receives the side "
     "frequencies in sine phase, not in the cosine phase in which the transmitter adds "
     "them, so the reinserted carrier that gives all the audio (φ = 0) gives no DC, and "
     "in the samples file the detector's product is not the transmitter output "
     "multiplied by the carrier."},
    {"help.paragraph9",
     "Switch on the envelope detector and compare the two detectors. In AM, up to 100 % "
     "modulation, the envelope detector delivers the same tone as the product detector, "
     "clean (under 5 % distortion) and proportional to the modulating signal. With "
     "overmodulation, for example with Modulating signal 2 and V(cc) 1, its output is "
     "distorted: the distortion goes above 10 %. In DSB, with V(cc) at zero, it delivers "
     "a rectified wave at twice the tone frequency: in the spectrum, the blue line at "
     "2 kHz is higher than the one at 1 kHz. In SSB without carrier it delivers almost "
     "nothing. The phase of the reinserted carrier does not affect it, because it does "
     "not use it. The product detector, on the other hand, recovers the audio in all "
     "three modes: that is why DSB and SSB receivers need it."},
    {"help.paragraph10",
     "Change the tone frequency with “tone freq.”, from 100 to 2000 Hz: the side "
     "frequencies lie as far from the carrier as the tone, and the bandwidth is twice "
     "the tone in AM and DSB and the tone itself in SSB. A low tone, of 100 or 200 Hz, "
     "shows whole with the “time base” at 1 ms per division. With “2nd tone” the "
     "generator sends two tones of equal amplitude, each with half of the modulating "
     "signal: it is the two-tone test with which an SSB transmitter is measured. Set "
     "V(cc) to 0, 700 Hz and 1900 Hz: the envelope of the output beats at the difference "
     "of the tones and goes to zero at each beat, and the “PEP/average power” "
     "measurement reads 4 in DSB; suppress a sideband and it reads 2, because in SSB the "
     "peak envelope power is that of the two tones added in phase and the average, the "
     "sum of their powers."},
    {"help.paragraph12",
     "Exercises: any value can be hidden (ocultar=mdl,fase in the link, --ocultar "
     "mdl,fase in the command): its box shows “?” and the bench works with it just the "
     "same; the measurements that tell it show “?” and those that make you work it out "
     "stay. “Create exercise…” in the menu gives a link and a command with the hidden "
     "values you tick, a question and its tolerance. Under the measurements, type the "
     "answer in “Answer” and press “Check”; after three wrong answers you can see the "
     "solution. “Exercises” brings ten, with new values from a seed (semilla=17): the "
     "same seed gives the same values. The link's code keeps the values from being read "
     "at a glance, but it is not secure: whoever studies the program can decode it."},
    {"help.paragraph11",
     "With “analyser” at 1 the three spectra are those of a spectrum analyser: each is "
     "measured on the running signal, in records of 150 ms with a flat-top window, as "
     "the average of the last 16, and drawn in dBV at 10 dB per division, with its "
     "reference level and its resolution bandwidth (RBW 25 Hz). It shows what the "
     "computed lines do not: the noise floor the receiver's filter lets through, half "
     "as wide with a single sideband; the two lines of the DSB audio with the reinserted "
     "carrier off frequency (950 and 1050 Hz with a 50 Hz error) and the distortion of "
     "the envelope detector. In the menu, “S/N curve” measures the audio S/N of the two "
     "detectors against the input S/N, from -10 to 30 dB, for the mode, the modulating "
     "signal and the phase in the boxes: with the modulating signal at 0.3, the envelope "
     "detector parts from the product detector near 0 dB input (the threshold effect). "
     "“I/Q view” draws the complex envelope of the received signal: the carrier as a "
     "vector, the path of the sidebands, the noise as a cloud, the product detector's "
     "axis and the envelope detector's circle. In DSB at 90° the path lies across the "
     "axis and the audio vanishes."},
    {"about.piece1", "07/03/2018 AM, DSB and SSB simulator"},
    {"about.piece2", "This is a free program built from its source code. To get it, clone "
                     "the project's git repository. On Debian 12, run as root, from the "
                     "project's folder, the command “bash tools/run.sh”: that script installs "
                     "whatever is missing with apt-get, builds the program with CMake and "
                     "starts the simulator. The same simulator works in any web browser from "
                     "a single file, amsim.html, which the command “bash tools/web.sh” makes: "
                     "it opens from the disk or a USB stick, can be sent by e-mail or "
                     "published on a web page, with nothing to install and no network "
                     "connection. For questions, suggestions or bug reports, write in the "
                     "project's issue tracker."},
    {"about.piece3", "It was tested on Debian 12 with Qt 6.4.2, on an X11 desktop and with "
                     "the “offscreen” platform of the automatic tests, and its web page in "
                     "Chromium. Installed as a package, its menu entry goes in the Education "
                     "category; on desktops that sort applications by category, it is "
                     "found under:"},
    {"about.piece4", "Applications -> Education -> AM, DSB and SSB simulator"},
    {"about.piece5", "NOTE: as in similar texts, the modulating signal is assumed to be a "
                     "sine wave. Real speech has a very high ratio of peak to average power, "
                     "but for teaching a sine wave serves better than the waveform of a "
                     "“hello” spoken into the microphone."},

    // The languages: each catalogue's own name for its language, the menu's
    // item that chooses one, and the command line's option.
    {"language.name", "English"},
    {"menu.Idioma", "Language"},
    {"error.unknownLanguage", "The program has no language {text}: choose {languages}."},
    {"cli.languageOption",
     "  --idioma LANGUAGE         The language of the texts: es (Spanish, without\n"
     "                            this option or another choice kept by the\n"
     "                            window), en (English) or pt (Portuguese)."},
    {"manual.valueName", "value"},
    {"manual.languageValue", "language"},
    {"manual.languageOption", "The language of the texts: es (Spanish, without this option or "
                              "another choice kept by the window), en (English) or pt "
                              "(Portuguese)."},
};

} // namespace amsim
