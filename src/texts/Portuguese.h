#pragma once

#include "texts/Spanish.h"

namespace amsim {

// Every text the user reads, in Brazilian Portuguese: the Spanish catalogue's keys, in its
// order.
inline constexpr TextEntry kPortuguese[] = {
    // Grammar: how numbers are written in texts, the joints of a list,
    // "a, b e c", and quotation marks.
    {"number.decimalSeparator", ","},
    {"number.range", "{least} a {most}"},
    {"list.separator", ", "},
    {"list.last", " e "},
    {"text.quoted", "“{text}”"},

    // The engine's errors.
    {"error.empty", "O valor de {label} está vazio: digite um número."},
    {"error.notANumber", "O valor de {label} não é um número: {text}."},
    {"error.notANumberHint", "O valor de {label} não é um número: {text}; {hint}."},
    {"error.tooLarge", "O valor de {label} é grande demais: {text}. Digite um número menor."},
    {"error.tooSmall", "O valor de {label} é pequeno demais: {text}. Digite 0 ou um número maior."},
    {"error.outsideLimits",
     "O valor de {label} está fora dos seus limites: {text}. Digite {allowed}."},
    {"error.overflow",
     "Estouro: com {values} o desenho não pode ser calculado, porque algum resultado é "
     "grande demais. {advice}"},
    {"error.overflow.box", "o valor de {label}"},
    {"error.overflow.values", "estes valores"},
    {"error.overflow.kept.one",
     "Continua visível o que foi desenhado até esse ponto; digite um valor menor."},
    {"error.overflow.kept.other",
     "Continua visível o que foi desenhado até esse ponto; digite valores menores."},
    {"error.overflow.write.one", "Digite um valor menor."},
    {"error.overflow.write.other", "Digite valores menores."},
    {"error.drawingFailed",
     "Não foi possível desenhar na janela. Continua visível o que foi desenhado até esse ponto."},
    {"error.internal", "Erro interno do programa: {detail}"},

    // What a box takes, as a message asks for it ("Digite …").
    {"allowed.switch", "0 ou 1"},
    {"allowed.nonNegative", "0 ou um número maior"},
    {"allowed.within", "um número entre {low} e {high}"},
    {"allowed.offOrWithin", "0 ou um número entre {low} e {high}"},
    {"hint.comma", "use a vírgula decimal: {text}"},
    {"hint.point", "use o ponto decimal: {text}"},
    {"hint.separator", "use o separador decimal “{separator}”: {text}"},

    // The parameters: labels, help, step tooltips, names in the values line.
    {"parameter.mdl.label", "Modulante"},
    {"parameter.mdl.help", "Amplitude da modulante (no início, {start})."},
    {"parameter.mdl.stepNoun", "a modulante"},
    {"parameter.vcc.label", "V(cc)"},
    {"parameter.vcc.stepNoun", "V(cc)"},
    {"parameter.vcc.help", "V(cc), nível contínuo que fixa a portadora ({start})."},
    {"parameter.bli.label", "BLI hab."},
    {"parameter.bli.help", "BLI hab.: idem para a banda lateral inferior ({start})."},
    {"parameter.bli.values", "BLI"},
    {"parameter.bls.label", "BLS hab."},
    {"parameter.bls.help",
     "BLS hab.: 1 deixa passar a banda lateral superior,\n0 a suprime ({start})."},
    {"parameter.bls.values", "BLS"},
    {"parameter.fase.label", "fase port. reinserida"},
    {"parameter.fase.help", "Fase da portadora reinserida, em graus ({start})."},
    {"parameter.fase.stepNoun", "a fase"},
    {"parameter.fase.values", "fase"},
    {"parameter.env.label", "det. envoltória"},
    {"parameter.env.help", "Detector de envoltória: 1 o ativa, 0 o desliga ({start});\n"
                           "nenhum outro valor. Ativado, o arquivo de amostras\n"
                           "traz também sua saída, na coluna envolvente."},
    {"parameter.ruido.label", "ruído"},
    {"parameter.ruido.help", "Ruído do canal: tensão eficaz em 1 kHz de largura\n"
                             "de banda, 0 ou mais ({start}). Com ruído, o arquivo\n"
                             "de amostras traz o que chega aos detectores, na\n"
                             "coluna ruido."},
    {"parameter.ruido.stepNoun", "o ruído"},
    {"parameter.escalas.label", "escalas"},
    {"parameter.escalas.help", "Escalas: 1 desenha a grade do osciloscópio com sua\n"
                               "escala de tempo e seus volts por divisão, e as\n"
                               "escalas de frequência e amplitude dos espectros;\n"
                               "0 não ({start}); nenhum outro valor."},
    {"parameter.df.label", "erro de freq."},
    {"parameter.df.help", "Erro de frequência da portadora reinserida, em Hz,\n"
                          "de {low} a {high} ({start}): sua fase deriva com o tempo."},
    {"parameter.df.stepNoun", "o erro de frequência"},
    {"parameter.tono.label", "freq. tom"},
    {"parameter.tono.help", "Frequência do tom do gerador, em Hz, de {low} a\n"
                            "{high} ({start})."},
    {"parameter.tono.stepNoun", "a frequência do tom"},
    {"parameter.tono2.label", "2º tom"},
    {"parameter.tono2.help", "Segundo tom do gerador, em Hz, de {low} a {high};\n"
                             "0 o desliga ({start}). Com dois tons, cada um leva a\n"
                             "metade da modulante."},
    {"parameter.tono2.stepNoun", "o segundo tom"},
    {"parameter.base.label", "base de tempo"},
    {"parameter.base.help", "Base de tempo do osciloscópio, em ms por divisão,\n"
                            "de {low} a {high} ({start}): a tela mostra 8 divisões."},
    {"parameter.base.stepNoun", "a base de tempo"},
    {"parameter.analizador.label", "analisador"},
    {"spectrum.csvComment", "# RBW {rbw} Hz (janela de topo plano), média de {records} "
                            "registros de {milliseconds} ms; potência por bin em dBV"},
    {"parameter.analizador.help", "Analisador de espectro: 1 mostra em dB os espectros\n"
                                  "medidos dos sinais, com seu ruído; 0 as linhas\n"
                                  "calculadas ({start}); nenhum outro valor."},
    {"unit.degrees", "graus"},
    {"unit.hertz", "Hz"},
    {"unit.msPerDivision", "ms/div"},
    {"stage.generator", "Gerador"},
    {"stage.transmitter", "Transmissor"},
    {"stage.receiver", "Receptor"},
    {"stage.screen", "Tela"},
    {"step.up", "Aumentar {noun} em {step}"},
    {"step.down", "Diminuir {noun} em {step}"},
    {"step.floor", "{step} (não desce de 0)"},
    {"step.withUnit", "{number} {unit}"},

    // The drawing's description for a listener.
    {"drawing.name", "Osciloscópio e analisador de espectro"},
    {"drawing.generatorLabel", "modulante + Vcc"},
    {"summary.modulation", "modulação de {percent} %"},
    {"summary.modulationBeyond", "modulação de {beyond}"},
    {"summary.phaseError.one", "erro de fase de {degrees} grau"},
    {"summary.phaseError.other", "erro de fase de {degrees} graus"},
    {"summary.drift", "que deriva com um erro de frequência de {hertz} Hz"},
    {"summary.envelope", "com detector de envoltória"},
    {"summary.invalid", "Parâmetros inválidos: {problems}"},
    {"summary.notANumber.one", "{boxes} não é um número"},
    {"summary.notANumber.other", "{boxes} não são números"},
    {"summary.outside.one", "{boxes} está fora dos seus limites"},
    {"summary.outside.other", "{boxes} estão fora dos seus limites"},
    {"summary.tooLarge", "{box} é grande demais"},
    {"summary.tooSmall", "{box} é pequeno demais"},
    {"summary.values", "Valores: {values}"},
    {"summary.valuesSeparator", "; "},

    // The modes.
    {"mode.am", "AM"},
    {"mode.dsb", "DSB"},
    {"mode.ssb", "SSB {carrier}, {sideband}"},
    {"mode.withCarrier", "com portadora"},
    {"mode.withoutCarrier", "sem portadora"},
    {"mode.upper", "banda lateral superior"},
    {"mode.lower", "banda lateral inferior"},
    {"mode.carrierOnly", "Só portadora"},
    {"mode.noSignal", "Sem sinal"},

    // The readout under the drawing.
    {"readout.none", "—"},
    {"readout.beyondAbove", "mais de {bound} {unit}"},
    {"readout.beyondBelow", "menos de {bound} {unit}"},
    {"readout.noMeasurementsOf", "Sem medidas: corrija {label}"},
    {"readout.noMeasurements", "Sem medidas: não foi possível completar o desenho"},
    {"readout.mode", "Modo: {mode}"},
    {"readout.modulationIndex", "Índice de modulação: {percent}"},
    {"readout.carrierPower", "Potência da portadora: {power}"},
    {"readout.upperPower", "Potência BLS: {power}"},
    {"readout.lowerPower", "Potência BLI: {power}"},
    {"readout.totalPower", "Potência total: {watts} W"},
    {"readout.efficiency", "Eficiência: {percent}"},
    {"readout.peakPower", "Potência de pico (PEP): {watts} W"},
    {"readout.averagePower", "Potência média: {watts} W"},
    {"readout.peakToAverage", "PEP/potência média: {ratio}"},
    {"readout.bandwidth", "Largura de banda: {kilohertz} kHz"},
    {"readout.audio", "Áudio detectado: {volts} V de pico, {loss}"},
    {"readout.audioInverted", "Áudio detectado: {volts} V de pico (invertido), {loss}"},
    {"readout.phaseNow", "Erro de fase agora: {degrees}°"},
    {"readout.tone", "Tom detectado: {hertz}"},
    {"readout.level", "Tensão contínua detectada: {volts} V"},
    {"readout.envelopeDistortion", "Distorção do detector de envoltória: {distortion}"},
    {"readout.envelopeDominant", "não recupera o tom: domina {kilohertz} kHz"},
    {"readout.envelopeNoTone", "sem tom"},
    {"readout.filter", "Filtro do receptor: {band}"},
    {"readout.filterUpper", "3 kHz, BLS"},
    {"readout.filterLower", "3 kHz, BLI"},
    {"readout.filterBoth", "6 kHz, BLI e BLS"},
    {"readout.inputRatio", "S/N de entrada: {ratio}"},
    {"readout.audioRatioTheory", "S/N de áudio (teórica): {ratio}"},
    {"readout.audioRatioMeasured", "S/N de áudio (medida): {ratio}"},
    {"readout.figureOfMerit", "Figura de mérito: {ratio}"},
    {"readout.envelopeRatioMeasured", "S/N de áudio, det. envoltória (medida): {ratio}"},

    // The menu: each item's caption and what it says once done.
    {"menu.CopiarEnlace", "Copiar link"},
    {"menu.CopiarEnlace.done", "Link copiado"},
    {"menu.CopiarOrden", "Copiar comando"},
    {"menu.CopiarOrden.done", "Comando copiado"},
    {"menu.GuardarImagen", "Salvar imagem…"},
    {"menu.GuardarDatos", "Salvar dados…"},
    {"menu.GuardarSonido", "Salvar som…"},
    {"menu.GuardarEspectro", "Salvar espectro…"},
    {"menu.saved", "Salvo: "},
    {"menu.CurvaSN", "Curva S/N"},
    {"menu.VistaIQ", "Visão I/Q"},
    {"panel.close", "Fechar"},

    // Exercises: the teacher's dialog, the questions, the answer and its verdict.
    {"menu.CrearEjercicio", "Criar exercício…"},
    {"menu.Ejercicios", "Exercícios"},
    {"exercise.create.title", "Criar exercício"},
    {"exercise.create.hide", "Valores ocultos:"},
    {"exercise.create.question", "Pergunta:"},
    {"exercise.create.firstHidden", "a do primeiro valor oculto"},
    {"exercise.create.tolerance", "Tolerância:"},
    {"exercise.create.make", "Criar"},
    {"exercise.create.link", "Link:"},
    {"exercise.create.command", "Comando:"},
    {"exercise.create.copyLink", "Copiar link"},
    {"exercise.create.copyCommand", "Copiar comando"},
    {"exercise.list.title", "Exercícios"},
    {"exercise.list.seed", "Semente:"},
    {"exercise.list.open", "Abrir"},
    {"exercise.answerLabel", "Resposta"},
    {"exercise.check", "Verificar"},
    {"exercise.showSolution", "Mostrar a solução"},
    {"exercise.questionName", "Pergunta do exercício"},
    {"exercise.questionDescription", "O que se pede para descobrir com o que a bancada mostra."},
    {"exercise.answerDescription", "A resposta à pergunta; Enter a verifica."},
    {"exercise.checkDescription", "Verifica a resposta com a bancada tal como está."},
    {"exercise.verdictName", "Resultado da resposta"},
    {"exercise.verdictDescription",
     "Se a última resposta está correta e, se não, qual tela ajuda; ou a solução."},
    {"exercise.showSolutionDescription", "Mostra a resposta e os valores ocultos."},
    {"exercise.correct", "Correto"},
    {"exercise.incorrect", "Incorreto. {hint}"},
    {"exercise.unreadable", "Digite um número, por exemplo {example}."},
    {"exercise.unreadableSideband", "Digite “inferior”, “superior”, “nenhuma” ou “ambas”."},
    {"exercise.solution", "Solução: {answer}"},
    {"exercise.badCode",
     "O código de exercício {code} não é válido: falta uma parte ou algum caractere mudou. "
     "Copie-o outra vez, inteiro, do link que você recebeu."},
    {"exercise.badHidden",
     "Não há nenhum valor chamado {name} para ocultar. Os nomes são: {names}."},
    {"exercise.badSeed", "A semente {seed} não é válida: digite um número inteiro de 0 a "
                         "4294967295."},
    {"exercise.nothingHidden", "Marque pelo menos um valor para ocultar."},
    {"exercise.noQuestion",
     "Nenhum dos valores ocultos tem pergunta: escolha uma pergunta da lista."},
    {"exercise.badTolerance", "A tolerância {text} não é válida: digite um número maior que 0."},
    {"answer.neither", "nenhuma"},
    {"answer.lower", "inferior"},
    {"answer.upper", "superior"},
    {"answer.both", "ambas"},
    {"question.mdl", "Quanto vale a modulante (mdl), em V?"},
    {"question.vcc", "Quanto vale V(cc), em V?"},
    {"question.fase", "Quantos graus mede o erro de fase da portadora reinserida (sem sinal)?"},
    {"question.ruido", "Quanto vale o ruído do canal, em V eficazes por kHz?"},
    {"question.df", "Qual é o erro de frequência da portadora reinserida, em Hz (com sinal)?"},
    {"question.deriva", "Quantos hertz a portadora reinserida se desvia (sem sinal)?"},
    {"question.tono", "Qual é a frequência do tom do gerador, em Hz?"},
    {"question.tono2", "Qual é a frequência do segundo tom, em Hz?"},
    {"question.base", "Quantos ms por divisão tem a base de tempo?"},
    {"question.indice", "Qual é o índice de modulação, em %?"},
    {"question.banda", "Qual banda lateral falta: inferior, superior, nenhuma ou ambas?"},
    {"questionHint.mdl", "Meça a envoltória no osciloscópio ou as bandas laterais no espectro."},
    {"questionHint.vcc", "Meça a linha da portadora no espectro, com as escalas."},
    {"questionHint.fase", "Compare a amplitude do áudio detectado com a que se obtém a 0°."},
    {"questionHint.ruido", "Parta da S/N de entrada e da potência recebida."},
    {"questionHint.df", "Compare o tom detectado com o do gerador."},
    {"questionHint.deriva",
     "Meça de quanto em quanto tempo o áudio detectado se anula com o tempo correndo."},
    {"questionHint.tono", "Meça o período com as escalas do osciloscópio ou a linha no espectro."},
    {"questionHint.tono2", "Procure a segunda linha no espectro do gerador."},
    {"questionHint.base", "Conte os períodos do tom na tela."},
    {"questionHint.indice", "Compare as bandas laterais com a portadora no espectro."},
    {"questionHint.banda", "Observe o espectro do sinal transmitido."},
    {"exercise.builtin.indice", "Índice de modulação pela envoltória"},
    {"exercise.builtin.vcc", "V(cc) pela linha da portadora"},
    {"exercise.builtin.banda", "Qual banda lateral foi suprimida?"},
    {"exercise.builtin.fase", "Erro de fase pela amplitude detectada"},
    {"exercise.builtin.deriva", "Erro de frequência pelo desvanecimento"},
    {"exercise.builtin.tonoBlu", "Erro de frequência pelo tom (BLU)"},
    {"exercise.builtin.ruido", "Nível de ruído pela S/N"},
    {"exercise.builtin.tono", "Frequência do tom com as escalas"},
    {"exercise.builtin.sobremodulacion", "Sobremodulação e detector de envoltória"},
    {"exercise.builtin.segundoTono", "Segundo tom no espectro"},

    // The I/Q view.
    {"iqView.title", "Sinal recebido no plano I/Q"},
    {"iqView.i", "I"},
    {"iqView.q", "Q"},
    {"iqView.scale", "{volts} V/div"},
    {"iqView.legend.carrier", "portadora ({volts} V)"},
    {"iqView.legend.trajectory", "bandas laterais: percurso em {milliseconds} ms de tela"},
    {"iqView.legend.noise", "ruído do canal: pontos de {sweeps} varreduras da tela"},
    {"iqView.legend.detector", "eixo do detector de produto, a {degrees}° (o erro de fase)"},
    {"iqView.legend.detectorTurning", "eixo do detector de produto: a {start}° e gira {turn}°"},
    {"iqView.legend.projection", "sua saída segue a projeção sobre o eixo: {volts} V de pico"},
    {"iqView.legend.envelope", "detector de envoltória: distância à origem menos o raio;"},
    {"iqView.legend.envelopeWhy", "segue o áudio enquanto a trajetória não passa pela origem"},
    {"iqView.legend.noEnvelope", "sem portadora não há círculo: a envoltória não segue o áudio"},

    // The command line.
    {"cli.seeHelp", "{message} Digite “amsim --help” para ver as opções."},
    {"cli.unknownOption", "Opção desconhecida: {argument}."},
    {"cli.missingValue", "Falta o valor da opção {argument}."},
    {"cli.unreadable", "Não foi possível entender a linha de comando."},
    {"cli.twice", "A opção {option} aparece mais de uma vez."},
    {"cli.unexpected", "Argumento inesperado: {argument}."},
    {"cli.zoomWindowOnly", "A opção --zoom só serve para abrir a janela."},
    {"cli.scaleWithExport", "A opção --scale só serve junto com --export."},
    {"cli.secondsWithWav", "A opção --segundos só serve junto com --export-wav."},
    {"cli.factor", "O valor de {option} deve ser um número de {range}: {text}."},
    {"cli.boxAndOption", "{label} (--{option})"},
    {"cli.seedWithExercise", "A opção --semilla só serve junto com --ejercicio."},
    {"cli.hiddenOrExercise",
     "As opções --ocultar e --ejercicio não vão juntas: o exercício já diz o que fica oculto."},
    {"cli.valueName", "VALOR"},
    {"cli.help", "Uso: amsim [opções]\n"
                 "\n"
                 "{title}. Sem opções, abre a janela do simulador.\n"
                 "\n"
                 "Opções:\n"
                 "  -h, --help                Mostra esta ajuda e termina.\n"
                 "  -v, --version             Mostra a versão e termina.\n"
                 "  --export ARQUIVO.png      Salva em ARQUIVO.png a imagem da janela inteira,\n"
                 "                            sem mostrá-la nem precisar de tela, no formato que\n"
                 "                            a extensão indica: .png, .bmp, .jpg…, ou vetorial,\n"
                 "                            para slides e impressão, com .svg e .pdf.\n"
                 "  --scale S                 Com --export, a imagem que uma tela com essa escala\n"
                 "                            mostraria, de {scale} (aceita frações).\n"
                 "  --medidas                 Escreve na saída padrão uma linha com os valores\n"
                 "                            e depois as medidas que a janela mostra sob o\n"
                 "                            desenho, uma por linha.\n"
                 "  --zoom Z                  Abre a janela ampliada ou reduzida por Z, de\n"
                 "                            {zoom}. Sem esta opção, a janela que não cabe na\n"
                 "                            tela abre reduzida até caber.\n"
                 "  --export-csv ARQUIVO.csv  Salva em ARQUIVO.csv as amostras dos seis traços\n"
                 "                            e do áudio detectado, com ponto decimal, junto à\n"
                 "                            coluna x da tela e ao tempo t_ms em milissegundos\n"
                 "                            (400 colunas são 1 ms). Pode ser /dev/stdout,\n"
                 "                            para lê-las na saída padrão.\n"
                 "  --export-wav ARQUIVO.wav  Salva em ARQUIVO.wav o som do receptor: o áudio\n"
                 "                            do detector de produto, ou o do detector de\n"
                 "                            envoltória se ativado, sem nível contínuo, mono,\n"
                 "                            a 48 kHz e 16 bits. O nível é o mesmo em todos os\n"
                 "                            modos: 1 V de áudio é meia escala; o que passar da\n"
                 "                            escala completa (2 V) é ceifado. Pode ser\n"
                 "                            /dev/stdout, para passá-lo a outro programa.\n"
                 "  --export-espectro ARQUIVO.csv\n"
                 "                            Salva em ARQUIVO.csv os espectros do analisador:\n"
                 "                            a potência de cada bin em dBV do gerador, do sinal\n"
                 "                            recebido e do áudio detectado (e do detector de\n"
                 "                            envoltória se estiver ativado), de 0 a 24 kHz, com\n"
                 "                            a largura de banda de resolução na primeira linha.\n"
                 "  --export-curva ARQUIVO    Salva a curva S/N do receptor: a S/N do áudio dos\n"
                 "                            detectores de produto e de envoltória em função da\n"
                 "                            S/N de entrada, de -10 a 30 dB, com o modo, a\n"
                 "                            modulante e a fase dados, cada ponto medido sobre\n"
                 "                            10 s da saída com sua dispersão, e a teoria. Com\n"
                 "                            .csv, os pontos com ponto decimal; com .png ou\n"
                 "                            .svg, seu gráfico.\n"
                 "  --export-iq ARQUIVO.png   Salva em ARQUIVO.png ou ARQUIVO.svg a visão I/Q: a\n"
                 "                            envoltória complexa do sinal recebido, com o eixo\n"
                 "                            do detector de produto e o círculo do de\n"
                 "                            envoltória, no instante de --tiempo.\n"
                 "  --segundos S              Com --export-wav, a duração do som, de {seconds}\n"
                 "                            segundos (2).\n"
                 "  --tiempo S                O instante da bancada, em segundos desde o início,\n"
                 "                            de {instant} (0): mostram-no a imagem, as\n"
                 "                            amostras, as medidas e o começo do som.\n"
                 "                            A janela abre com o tempo parado nesse\n"
                 "                            instante.\n"
                 "  --ocultar NOMES           Oculta os valores desses nomes de opção, separados\n"
                 "                            por vírgulas (mdl,fase): suas caixas mostram “?”,\n"
                 "                            as medidas que os revelam também, e a bancada\n"
                 "                            funciona igual. A pergunta pede o primeiro.\n"
                 "  --ejercicio CÓDIGO        Abre o exercício desse código (o de um link\n"
                 "                            ?ejercicio=…) ou um dos do programa pelo nome:\n"
                 "                            {exercises}.\n"
                 "  --semilla N               Com o nome de um exercício do programa, a semente\n"
                 "                            dos valores, de 0 a 4294967295; sem ela, uma nova.\n"
                 "{options}\n"
                 "Sem exportar, os valores abrem a janela com eles nas suas caixas:\n"
                 "  amsim --vcc 0 --bls 0     abre a bancada em SSB sem portadora.\n"
                 "\n"
                 "Os valores são escritos como nas caixas da janela, com o separador decimal\n"
                 "da configuração regional (0,8 com vírgula decimal, 0.8 com ponto). Se um\n"
                 "valor não for válido, o programa mostra a mesma mensagem que a janela, não\n"
                 "grava nenhum arquivo e termina com o código 2. Com várias opções de\n"
                 "exportação, são gravados todos os arquivos ou nenhum.\n"
                 "\n"
                 "Aceita também as opções próprias do Qt, como -platform, -style ou -reverse,\n"
                 "para a janela; ao exportar, não mudam nada: o tamanho é fixado por --scale.\n"
                 "\n"
                 "Exemplos:\n"
                 "  amsim --export dsb.png --export-csv dsb.csv --vcc 0 --fase 30\n"
                 "  amsim --export bancada.pdf --bls 0\n"
                 "  amsim --export bancada.png --scale 2\n"
                 "  amsim --export-wav ssb.wav --segundos 5 --vcc 0 --bls 0\n"
                 "  amsim --export-wav gorgolejo.wav --vcc 0 --df 1\n"
                 "  amsim --export deriva.png --vcc 0 --bls 0 --df 100\n"
                 "  amsim --export-curva curva.png\n"},

    // The files the program writes and the window's own messages.
    {"file.reason.noSpace", "não há espaço livre no disco"},
    {"file.reason.permission", "não há permissão para gravar nele ou na sua pasta"},
    {"file.reason.noFolder", "a pasta não existe"},
    {"file.reason.folder", "é uma pasta"},
    {"file.reason.readOnly", "está num disco somente leitura"},
    {"file.reason.readerLeft", "quem o lia deixou de fazê-lo"},
    {"file.reason.nameTooLong", "nome de arquivo longo demais"},
    {"file.reason.notAFile", "não é um arquivo nem um dispositivo"},
    {"file.reason.links", "há links simbólicos demais em sequência"},
    {"file.reason.tooBig", "o arquivo ficaria grande demais"},
    {"file.reason.io", "o disco deu um erro de leitura ou gravação"},
    {"file.reason.busy", "está em uso"},
    {"file.reason.notAllowed", "o sistema de arquivos não permite salvá-lo assim"},
    {"file.reason.other", "o sistema respondeu com o erro {error}"},
    {"file.reason.disk", "é um disco, não um arquivo"},
    {"file.reason.hardLink", "o arquivo tem outro nome (um link físico), que continuaria com o "
                             "conteúdo antigo; apague esse outro nome ou escolha outro arquivo"},
    {"file.reason.noName", "o arquivo já foi apagado e não tem nome"},
    {"file.received", "{name} já recebeu {what}"},
    {"file.receivedToo", "{sent}, e {received}"},
    {"file.writeFailed", "Não foi possível gravar o arquivo {name}: {reason}. {written}"},
    {"file.nothingWritten", "Nenhum arquivo foi gravado."},
    {"file.nothingElseWritten",
     "{sent}, e isso não pode ser desfeito; nenhum outro arquivo foi gravado."},
    {"file.picture", "a imagem"},
    {"file.spectrum", "o espectro"},
    {"file.spectrum.gender", "m"},
    {"file.samples", "as amostras"},
    {"file.sound", "o som"},
    {"file.picture.gender", "f"},
    {"file.samples.gender", "f"},
    {"file.sound.gender", "m"},
    {"file.saveFailed", "Não foi possível salvar o arquivo {name}: {reason}."},
    {"sound.noOutput", "Não é possível ouvir: este computador não tem nenhuma saída de som."},
    {"sound.noFormat", "Não é possível ouvir: a saída de som não aceita 48 kHz em 16 bits."},
    {"window.zoomNote", ", janela reduzida a {percent} % para caber na tela"},
    {"sound.failed", "A saída de som falhou e o som foi interrompido."},
    {"window.confirmation.name", "Confirmação"},
    {"window.confirmation.description",
     "Diz durante dois segundos que o menu copiou ou salvou o que foi pedido."},
    {"window.pictureFilter", "Imagens (*.png *.svg *.pdf *.bmp *.jpg)"},
    {"file.reason.format", "o nome precisa da extensão de um destes formatos: {formats}"},
    {"file.reason.encoding", "não foi possível codificar a imagem como {format}"},
    {"window.messageFailed", "amsim: não foi possível mostrar uma mensagem de erro\n"},
    {"cli.noDisplay", "Não é possível abrir a janela: não há nenhuma tela. Para salvar a "
                      "imagem sem tela, use --export."},
    {"cli.scaleIgnored",
     "Ignorando {variables}: a janela é mostrada numa escala de {least} a {most}."},
    {"cli.sameFile.masculine",
     "{files} são o mesmo arquivo: {whats} precisam de um arquivo cada um."},
    {"cli.sameFile.feminine",
     "{files} são o mesmo arquivo: {whats} precisam de um arquivo cada uma."},
    {"cli.wavName", "O som {name} precisa da extensão .wav."},
    {"cli.iconFormat", "A imagem {name} não cabe num .{format}, que não passa de 256 × 256 "
                       "pixels. Use um destes formatos: {formats}."},
    {"cli.panelPictureName", "A imagem {name} precisa da extensão .png ou .svg."},
    {"cli.pictureName", "A imagem {name} precisa da extensão de um formato que o programa saiba "
                        "gravar, como .png, .bmp ou .jpg."},

    // The S/N curve: its plot and its export.
    {"snrCurve.caption", "Curva S/N: {mode}, Modulante {modulante}, fase {fase}°"},
    {"snrCurve.inputAxis", "S/N de entrada (dB)"},
    {"snrCurve.audioAxis", "S/N do áudio (dB)"},
    {"snrCurve.productMeasured", "Detector de produto, medido"},
    {"snrCurve.productTheory", "Detector de produto, teoria"},
    {"snrCurve.envelopeMeasured", "Detector de envoltória, medido"},
    {"snrCurve.envelopeTheory", "Detector de envoltória, teoria"},
    {"snrCurve.file", "a curva S/N"},
    {"snrCurve.file.gender", "f"},
    {"cli.curveName", "A curva S/N {name} precisa da extensão .csv, .png ou .svg."},

    // The page's messages from its engine.
    {"address.instant",
     "O valor de {option}= no endereço deve ser um número de {range}: {text}. A bancada "
     "começa no instante 0."},
    {"internal.noButton", "não há nenhum botão {name}."},
    {"internal.noBox", "não há nenhuma caixa {name}."},
    {"internal.noMenuItem", "não há nenhuma opção de menu {name}."},
    {"internal.noQuestion", "não há nenhuma pergunta {name}."},
    {"internal.noExercise", "não há nenhum exercício {name}."},

    // The page's own words: its script's and its markup's.
    {"page.copied", "Copiado: {text}"},
    {"page.copyFailed", "Não foi possível copiar; copie à mão: {text}"},
    {"page.noEngine", "Este navegador não consegue executar o simulador: {error}"},
    {"page.messageClose", "OK"},

    // The window's form: "form.<control>.<property>", the texts Form1.ui
    // leaves out. "{step}", "{series}", "{first}", "{low}" and "{high}" are
    // the numbers of the control's parameter row (FormTexts).
    {"form.Form1.windowTitle", "Form1"},
    {"form.Form1.accessibleName", "Simulador de AM, DSB e SSB"},
    {"form.Image1.accessibleName", "Diagrama de blocos da bancada"},
    {"form.Image1.accessibleDescription",
     "De cima para baixo: modulador balanceado com o oscilador de portadora de 20 kHz, V(cc) "
     "e o oscilador da modulante de 1 kHz; portadora, BLS e BLI, cada banda com sua chave "
     "de habilitação; soma das três; detector de envoltória; detector de produto com seu "
     "oscilador de portadora; saída do detector de produto."},
    {"form.Label9.text", "fase port. reinserida"},
    {"form.Label9.accessibleName", "Fase da portadora reinserida"},
    {"form.Label9.accessibleDescription",
     "Rótulo da caixa da fase da portadora reinserida, em graus."},
    {"form.Label8.text", "Simulação de AM, DSB e SSB  TIVELO 10/mar/2018"},
    {"form.Label8.accessibleName", "Simulação de AM, DSB e SSB"},
    {"form.Label8.accessibleDescription", "Título do simulador, datado de 10 de março de 2018."},
    {"form.Label7.text", "saída det. de produto"},
    {"form.Label7.accessibleName", "Saída do detector de produto"},
    {"form.Label7.accessibleDescription",
     "Rótulo do último traço do osciloscópio: a saída do detector de produto, com o áudio "
     "detectado em verde."},
    {"form.Label4.text", "BLI hab. ="},
    {"form.Label4.accessibleName", "BLI habilitada"},
    {"form.Label4.accessibleDescription", "Rótulo da caixa que habilita a banda lateral inferior."},
    {"form.Label3.text", "BLS hab. ="},
    {"form.Label3.accessibleName", "BLS habilitada"},
    {"form.Label3.accessibleDescription", "Rótulo da caixa que habilita a banda lateral superior."},
    {"form.Label2.text", "V(cc) ="},
    {"form.Label2.accessibleName", "V(cc)"},
    {"form.Label2.accessibleDescription", "Rótulo da caixa da tensão contínua superposta, V(cc)."},
    {"form.Label1.text", "modu- lante ="},
    {"form.Label1.accessibleName", "Modulante"},
    {"form.Label1.accessibleDescription", "Rótulo da caixa da amplitude da modulante."},
    {"form.EnvelopeLabel.text", "det. envoltória ="},
    {"form.EnvelopeLabel.accessibleName", "Detector de envoltória"},
    {"form.EnvelopeLabel.accessibleDescription",
     "Rótulo da caixa que ativa o detector de envoltória."},
    {"form.EscalasLabel.text", "escalas ="},
    {"form.EscalasLabel.accessibleName", "Escalas"},
    {"form.EscalasLabel.accessibleDescription",
     "Rótulo da caixa que mostra as escalas de tempo, tensão e frequência."},
    {"form.Measurements.text", "Medidas"},
    {"form.Measurements.accessibleName", "Medidas"},
    {"form.Measurements.accessibleDescription",
     "Medidas do sinal transmitido e do áudio detectado, para uma carga de 1 ohm, "
     "atualizadas após cada desenho."},
    {"form.AcercaTexto.accessibleName", "Sobre o programa"},
    {"form.AcercaTexto.accessibleDescription",
     "Texto sobre o programa: sua data, como obtê-lo e onde foi testado. Fica oculto com o "
     "botão “Sobre o programa”."},
    {"form.Acerca.text", "Sobre o programa"},
    {"form.Acerca.accessibleName", "Sobre o programa"},
    {"form.Acerca.accessibleDescription",
     "Mostra ou oculta o texto sobre o programa. Ao ocultá-lo, redesenha o que ele "
     "cobria."},
    {"form.Text1.plainText", "Text1"},
    {"form.Text1.accessibleName", "Ajuda"},
    {"form.Text1.accessibleDescription",
     "Texto de ajuda, que guia os experimentos com o simulador. Fica oculto com o botão "
     "“Ajuda”."},
    {"form.Ayuda.text", "Ajuda"},
    {"form.Ayuda.accessibleName", "Ajuda"},
    {"form.Ayuda.accessibleDescription",
     "Mostra ou oculta o texto de ajuda. Ao ocultá-lo, redesenha o que ele cobria."},
    {"form.Menu.text", "Menu"},
    {"form.Menu.toolTip",
     "Copiar o link ou o comando que abrem o simulador com estes valores, ou salvar a "
     "imagem, os dados ou o som"},
    {"form.Menu.accessibleName", "Menu"},
    {"form.Menu.accessibleDescription",
     "Abre um menu para copiar o link da página ou o comando que abrem o simulador com os "
     "valores das caixas, ou para salvar a imagem, os dados ou o som do que se vê."},
    {"form.fase.text", "fase"},
    {"form.fase.accessibleName", "Fase da portadora reinserida"},
    {"form.fase.accessibleDescription",
     "Fase, em graus, da portadora que o detector de produto reinsere; 0 é a fase correta. "
     "Digite um número ou use os botões Aumentar fase e Diminuir fase."},
    {"form.FaseBajar.accessibleName", "Diminuir fase"},
    {"form.FaseBajar.accessibleDescription",
     "Subtrai {step} da fase da portadora reinserida; não tem limite. Mantenha pressionado "
     "para repetir."},
    {"form.FaseSubir.accessibleName", "Aumentar fase"},
    {"form.FaseSubir.accessibleDescription",
     "Soma {step} à fase da portadora reinserida; não tem limite. Mantenha pressionado "
     "para repetir."},
    {"form.EnvelopeOnOff.text", "EnvelopeOnOff"},
    {"form.EnvelopeOnOff.accessibleName", "Detector de envoltória ativado"},
    {"form.EnvelopeOnOff.accessibleDescription",
     "Detector de envoltória: 1 o ativa e desenha sua saída em azul junto ao áudio "
     "detectado; 0 o desliga. Digite 0 ou 1 ou use o botão à direita."},
    {"form.EnvelopeToggle.text", "s/n"},
    {"form.EnvelopeToggle.toolTip", "Ativar ou desligar o detector de envoltória"},
    {"form.EnvelopeToggle.accessibleName", "Ativar ou desligar o detector de envoltória"},
    {"form.EnvelopeToggle.accessibleDescription",
     "Se a caixa do detector de envoltória vale 1, passa-a para 0 e o desliga; se vale 0, "
     "passa-a para 1 e o ativa."},
    {"form.EscalasSiNo.text", "EscalasSiNo"},
    {"form.EscalasSiNo.accessibleName", "Escalas visíveis"},
    {"form.EscalasSiNo.accessibleDescription",
     "Escalas: 1 desenha a grade do osciloscópio com sua escala de tempo e seus volts por "
     "divisão, e as escalas de frequência e amplitude dos espectros; 0 as retira. Digite 0 "
     "ou 1 ou use o botão à direita."},
    {"form.EscalasSi.text", "s/n"},
    {"form.EscalasSi.toolTip", "Mostrar ou ocultar as escalas"},
    {"form.EscalasSi.accessibleName", "Mostrar ou ocultar as escalas"},
    {"form.EscalasSi.accessibleDescription",
     "Se a caixa das escalas vale 1, passa-a para 0 e as oculta; se vale 0, passa-a para 1 "
     "e as mostra."},
    {"form.Escuchar.text", "Ouvir"},
    {"form.Escuchar.toolTip", "Ouvir a saída do receptor"},
    {"form.Escuchar.accessibleName", "Ouvir"},
    {"form.Escuchar.accessibleDescription",
     "Pressionado, o alto-falante reproduz a saída do receptor: o áudio do detector de "
     "produto, ou o do detector de envoltória se estiver ativado, com o ruído; acompanha "
     "cada mudança. Pressione outra vez para silenciá-lo."},
    {"form.TonoLabel.text", "freq. tom ="},
    {"form.TonoLabel.accessibleName", "Frequência do tom"},
    {"form.TonoLabel.accessibleDescription", "Rótulo da caixa da frequência do tom."},
    {"form.Tono.text", "Tono"},
    {"form.Tono.accessibleName", "Frequência do tom do gerador"},
    {"form.Tono.accessibleDescription",
     "Frequência do tom que o gerador envia, em Hz, entre {low} e {high}. Digite um número "
     "ou use os botões Aumentar frequência do tom e Diminuir frequência do tom."},
    {"form.TonoSubir.accessibleName", "Aumentar frequência do tom"},
    {"form.TonoSubir.accessibleDescription",
     "Leva a frequência do tom ao valor seguinte da série {series}. Mantenha pressionado "
     "para repetir."},
    {"form.TonoBajar.accessibleName", "Diminuir frequência do tom"},
    {"form.TonoBajar.accessibleDescription",
     "Leva a frequência do tom ao valor anterior da mesma série; não desce de {first}. "
     "Mantenha pressionado para repetir."},
    {"form.Tono2Label.text", "2º tom ="},
    {"form.Tono2Label.accessibleName", "Segundo tom"},
    {"form.Tono2Label.accessibleDescription", "Rótulo da caixa do segundo tom."},
    {"form.Tono2.text", "Tono2"},
    {"form.Tono2.accessibleName", "Segundo tom do gerador"},
    {"form.Tono2.accessibleDescription",
     "Frequência de um segundo tom, em Hz, entre {low} e {high}; 0 o desliga. Com dois "
     "tons, cada um leva a metade da modulante, e a leitura compara a potência de pico com "
     "a média. Digite um número ou use os botões Aumentar segundo tom e Diminuir segundo "
     "tom."},
    {"form.Tono2Subir.accessibleName", "Aumentar segundo tom"},
    {"form.Tono2Subir.accessibleDescription",
     "Leva o segundo tom ao valor seguinte da série {series}. Mantenha pressionado para "
     "repetir."},
    {"form.Tono2Bajar.accessibleName", "Diminuir segundo tom"},
    {"form.Tono2Bajar.accessibleDescription",
     "Leva o segundo tom ao valor anterior da série {series}; não desce de {first}, que o "
     "desliga. Mantenha pressionado para repetir."},
    {"form.DfLabel.text", "erro de freq. ="},
    {"form.DfLabel.accessibleName", "Erro de frequência"},
    {"form.DfLabel.accessibleDescription",
     "Rótulo da caixa do erro de frequência da portadora reinserida."},
    {"form.Df.text", "Df"},
    {"form.Df.accessibleName", "Erro de frequência da portadora reinserida"},
    {"form.Df.accessibleDescription",
     "Frequência da portadora reinserida menos a do transmissor, em Hz; com 0 não há erro "
     "e a bancada fica parada. Entre {low} e {high}. Digite um número ou use os botões "
     "Aumentar erro de frequência e Diminuir erro de frequência."},
    {"form.DfSubir.accessibleName", "Aumentar erro de frequência"},
    {"form.DfSubir.accessibleDescription",
     "Leva o erro de frequência ao valor seguinte da série {series}. Mantenha pressionado "
     "para repetir."},
    {"form.DfBajar.accessibleName", "Diminuir erro de frequência"},
    {"form.DfBajar.accessibleDescription",
     "Leva o erro de frequência ao valor anterior da mesma série; não desce de {first}. "
     "Mantenha pressionado para repetir."},
    {"form.BaseLabel.text", "base de tempo ="},
    {"form.BaseLabel.accessibleName", "Base de tempo"},
    {"form.BaseLabel.accessibleDescription", "Rótulo da caixa da base de tempo do osciloscópio."},
    {"form.Base.text", "Base"},
    {"form.Base.accessibleName", "Base de tempo do osciloscópio"},
    {"form.Base.accessibleDescription",
     "Milissegundos por divisão do osciloscópio, cuja tela tem 8 divisões. Entre {low} e "
     "{high}. Digite um número ou use os botões Aumentar base de tempo e Diminuir base de "
     "tempo."},
    {"form.BaseSubir.accessibleName", "Aumentar base de tempo"},
    {"form.BaseSubir.accessibleDescription",
     "Leva a base de tempo ao valor seguinte da série {series}. Mantenha pressionado para "
     "repetir."},
    {"form.BaseBajar.accessibleName", "Diminuir base de tempo"},
    {"form.BaseBajar.accessibleDescription",
     "Leva a base de tempo ao valor anterior da mesma série; não desce de {first}. "
     "Mantenha pressionado para repetir."},
    {"form.AnalizadorLabel.text", "analisador ="},
    {"form.AnalizadorLabel.accessibleName", "Analisador de espectro"},
    {"form.AnalizadorLabel.accessibleDescription",
     "Rótulo da caixa que põe os espectros em modo analisador."},
    {"form.Analizador.text", "Analizador"},
    {"form.Analizador.accessibleName", "Analisador de espectro"},
    {"form.Analizador.accessibleDescription",
     "Analisador: 1 mostra em decibéis os espectros medidos do gerador, do sinal recebido "
     "e do áudio detectado, com seu ruído e sua largura de banda de resolução; 0 as linhas "
     "espectrais calculadas. Digite 0 ou 1 ou use o botão à direita."},
    {"form.AnalizadorSi.text", "s/n"},
    {"form.AnalizadorSi.toolTip", "Ligar ou desligar o analisador de espectro"},
    {"form.AnalizadorSi.accessibleName", "Ligar ou desligar o analisador de espectro"},
    {"form.AnalizadorSi.accessibleDescription",
     "Se a caixa do analisador vale 1, passa-a para 0 e volta às linhas espectrais; se vale "
     "0, passa-a para 1 e mostra os espectros medidos."},
    {"form.Pausa.text", "Pausa"},
    {"form.Pausa.toolTip", "Parar ou retomar o tempo da bancada (barra de espaço sobre o desenho)"},
    {"form.Pausa.accessibleName", "Pausa"},
    {"form.Pausa.accessibleDescription",
     "Pressionado, o tempo da bancada para e o desenho fica imóvel no instante que mostra; "
     "pressione outra vez para que continue correndo. Sem erro de frequência, ruído nem "
     "som, a bancada fica parada de qualquer modo."},
    {"form.RuidoLabel.text", "ruído ="},
    {"form.RuidoLabel.accessibleName", "Ruído"},
    {"form.RuidoLabel.accessibleDescription", "Rótulo da caixa do ruído do canal."},
    {"form.Ruido.text", "Ruido"},
    {"form.Ruido.accessibleName", "Ruído do canal"},
    {"form.Ruido.accessibleDescription",
     "Ruído que o canal soma ao sinal: tensão eficaz em 1 kHz de largura de banda; 0 é um "
     "canal limpo. Digite 0 ou um número maior ou use os botões Aumentar ruído e Diminuir "
     "ruído."},
    {"form.RuidoSubir.accessibleName", "Aumentar ruído"},
    {"form.RuidoSubir.accessibleDescription",
     "Leva o ruído ao valor seguinte da série {series}. Mantenha pressionado para repetir."},
    {"form.RuidoBajar.accessibleName", "Diminuir ruído"},
    {"form.RuidoBajar.accessibleDescription",
     "Leva o ruído ao valor anterior da série {series}; não desce de {first}. Mantenha "
     "pressionado para repetir."},
    {"form.BliSiNo.text", "BliSiNo"},
    {"form.BliSiNo.accessibleName", "BLI habilitada"},
    {"form.BliSiNo.accessibleDescription",
     "Banda lateral inferior: 1 a deixa passar e 0 a anula. Digite um número ou use o "
     "botão à direita."},
    {"form.BliSi.text", "s/n"},
    {"form.BliSi.toolTip", "Habilitar ou anular a banda lateral inferior"},
    {"form.BliSi.accessibleName", "Habilitar ou anular a banda lateral inferior"},
    {"form.BliSi.accessibleDescription",
     "Se a caixa BLI habilitada vale 1, passa-a para 0 e anula a banda lateral inferior; "
     "com qualquer outro valor, passa-a para 1."},
    {"form.BlsSi.text", "s/n"},
    {"form.BlsSi.toolTip", "Habilitar ou anular a banda lateral superior"},
    {"form.BlsSi.accessibleName", "Habilitar ou anular a banda lateral superior"},
    {"form.BlsSi.accessibleDescription",
     "Se a caixa BLS habilitada vale 1, passa-a para 0 e anula a banda lateral superior; "
     "com qualquer outro valor, passa-a para 1."},
    {"form.BlsSiNo.text", "BlsSiNo"},
    {"form.BlsSiNo.accessibleName", "BLS habilitada"},
    {"form.BlsSiNo.accessibleDescription",
     "Banda lateral superior: 1 a deixa passar e 0 a anula. Digite um número ou use o "
     "botão à direita."},
    {"form.VccSubir.accessibleName", "Aumentar V(cc)"},
    {"form.VccSubir.accessibleDescription",
     "Soma {step} a V(cc); não tem limite. Mantenha pressionado para repetir."},
    {"form.VccBajar.accessibleName", "Diminuir V(cc)"},
    {"form.VccBajar.accessibleDescription",
     "Subtrai {step} de V(cc); não tem limite e pode ficar negativa. Mantenha pressionado "
     "para repetir."},
    {"form.Vcc.text", "Vcc"},
    {"form.Vcc.accessibleName", "V(cc)"},
    {"form.Vcc.accessibleDescription",
     "Tensão contínua superposta à modulante, que fixa a amplitude da portadora; com 0 a "
     "portadora é suprimida. Digite um número ou use os botões Aumentar V(cc) e Diminuir "
     "V(cc)."},
    {"form.mdl.text", "Modulante"},
    {"form.mdl.accessibleName", "Modulante"},
    {"form.mdl.accessibleDescription",
     "Amplitude da modulante; igual a V(cc) é uma modulação de 100 %. Digite um número ou "
     "use os botões Aumentar modulante e Diminuir modulante."},
    {"form.ModulanteBajar.accessibleName", "Diminuir modulante"},
    {"form.ModulanteBajar.accessibleDescription",
     "Subtrai {step} da amplitude da modulante; não desce de 0. Mantenha pressionado para "
     "repetir."},
    {"form.ModulanteSubir.accessibleName", "Aumentar modulante"},
    {"form.ModulanteSubir.accessibleDescription",
     "Soma {step} à amplitude da modulante; não tem limite. Mantenha pressionado para "
     "repetir."},

    // The panels and the window's title.
    {"window.title", "Simulador de AM, DSB e SSB"},
    {"help.paragraph1",
     "Este programa procura transmitir o conceito destes modos de modulação em "
     "amplitude: AM (portadora e ambas as bandas laterais), DSB (banda lateral dupla "
     "com portadora suprimida) e SSB (banda lateral única, BLU). Apresenta-os como se "
     "você estivesse sentado diante de uma bancada de trabalho com um gerador de "
     "áudio, um transmissor multimodo, um receptor, um osciloscópio e um "
     "analisador de espectro."},
    {"help.paragraph2",
     "O nível da modulante e a tensão contínua superposta, V(cc), podem ser "
     "controlados à vontade, e uma das bandas laterais ou ambas podem ser anuladas. Os "
     "resultados aparecem imediatamente no osciloscópio e no analisador de "
     "espectro. Com “escalas” em 1, leem-se na tela o tempo (uma divisão, "
     "0,2 ms), os volts por divisão de cada traço e, nos espectros, a "
     "frequência em kHz e a amplitude em volts."},
    {"help.paragraph3",
     "Supõe-se que a modulação é feita com um modulador balanceado, mesmo em "
     "AM. Num estágio de saída real modulado em alto nível, uma modulação "
     "acima de 100 % ceifa o sinal. O simulador não representa esse "
     "ceifamento: sua saída é sempre a portadora multiplicada pela soma da "
     "modulante com o nível contínuo, e quando essa soma fica negativa a portadora "
     "simplesmente inverte sua fase."},
    {"help.paragraph4", "Para DSB e SSB supõe-se, por simplicidade, que o sinal é gerado "
                        "diretamente na frequência de saída, sem gerá-lo primeiro numa "
                        "frequência mais baixa e depois transladá-lo com misturadores, como "
                        "se costuma fazer nos equipamentos reais."},
    {"help.paragraph5",
     "No receptor, a demodulação é feita com um detector de produto e, se ativado com “det. "
     "envoltória”, também com um detector de pico (detector de envoltória), o que o "
     "diagrama de blocos desenha. O áudio do detector de produto aparece destacado em "
     "verde sobre a saída do detector; o do detector de envoltória, em azul, na "
     "mesma escala."},
    {"help.paragraph6", "Inicialmente, atribui-se o valor 1 à amplitude da modulante e o "
                        "valor 1 à tensão contínua superposta, V(cc), o que equivale a uma "
                        "modulação de 100 %, e passam ambas as bandas laterais. Aumente e diminua "
                        "Modulante e V(cc) com seus botões e observe os níveis e as formas de "
                        "onda. A amplitude das bandas laterais é proporcional à da "
                        "modulante, enquanto a portadora depende só do nível contínuo. Com "
                        "V(cc) em zero, a portadora desaparece e obtém-se DSB; no entanto, o "
                        "áudio detectado não muda, o que demonstra que a portadora não transporta "
                        "informação."},
    {"help.paragraph7", "Agora anule uma das bandas laterais e você terá SSB, com metade da "
                        "potência de DSB. A tensão detectada cai à metade, de modo que a "
                        "potência de áudio cai a um quarto e a relação sinal/ruído piora "
                        "quatro vezes (6 dB). Mas um receptor de SSB precisa de só metade da "
                        "largura de banda e, portanto, deixa passar metade da potência de "
                        "ruído, de modo que a perda líquida é de duas vezes (3 dB). Um transmissor "
                        "que ponha na banda lateral única a potência das duas bandas "
                        "laterais de DSB alcança a relação sinal/ruído de DSB com metade da "
                        "largura de banda. Comprove: ponha ruído em 0,05 e leia sob o desenho a "
                        "S/N de áudio; anule uma banda lateral e a S/N piora 3 dB; aumente "
                        "Modulante √2 vezes (de 1 para 1,41) e ela volta à de DSB."},
    {"help.paragraph8",
     "Brinque com a fase da portadora reinserida. Em SSB a fase não tem "
     "influência: o áudio detectado conserva sua amplitude e apenas se desloca no "
     "tempo. Em AM e DSB, um erro de fase de 90 graus faz o áudio detectado "
     "desaparecer e um de 180 graus o inverte. Na prática não é "
     "possível reinserir a portadora exatamente na frequência correta, de modo "
     "que o erro de fase varia sem parar e o áudio aparece e desaparece com "
     "um som de gorgolejo. Comprove com “erro de freq.”: com 1 Hz e ambas as "
     "bandas laterais, o áudio se desvanece e se inverte duas vezes por segundo; com "
     "uma só banda lateral seu nível não muda e é a fase do tom que "
     "desliza. Com 100 Hz em SSB, o período do tom na tela é "
     "1/(1 kHz − 100 Hz) com a banda superior e 1/(1 kHz + 100 Hz) com a inferior. "
     "Enquanto algo se move, a bancada corre em tempo real; “Pausa”, ou a barra "
     "de espaço sobre o desenho, para o tempo e o deixa correr de novo. "
     "Com V(cc) e sem modulante, o detector funciona "
     "como detector de fase: entrega uma tensão contínua que depende da "
     "fase da portadora reinserida. A medida “Tensão contínua detectada” mostra essa "
     "tensão, (V(cc)/2)·sen φ, 0,433 V a 60 graus com V(cc) 1: o detector de produto "
     "recebe as frequências laterais em fase seno, não na fase cosseno com que o "
     "transmissor as soma, de modo que a portadora reinserida que dá todo o áudio (φ = 0) "
     "não dá nível contínuo, e no arquivo de amostras o produto do detector não é a "
     "saída do transmissor multiplicada pela portadora."},
    {"help.paragraph9",
     "Ative o detector de envoltória e compare os dois detectores. Em AM, até "
     "100 % de modulação, o detector de envoltória entrega o mesmo tom que o de "
     "produto, limpo (com menos de 5 % de distorção) e proporcional à modulante. "
     "Com sobremodulação, por exemplo com Modulante 2 e V(cc) 1, sua saída se deforma: "
     "a distorção passa de 10 %. Em DSB, com V(cc) em zero, ele entrega uma onda "
     "retificada com o dobro da frequência do tom: no espectro, a raia azul de "
     "2 kHz supera a de 1 kHz. Em SSB sem portadora, não entrega quase nada. A fase da "
     "portadora reinserida não o afeta, porque ele não a usa. O detector de produto, "
     "por sua vez, recupera o áudio nos três modos: por isso os receptores de DSB e "
     "SSB precisam dele."},
    {"help.paragraph10",
     "Mude a frequência do tom com “freq. tom”, de 100 a 2000 Hz: as frequências "
     "laterais se afastam da portadora tanto quanto o tom, e a largura de banda é o "
     "dobro do tom em AM e DSB e o próprio tom em SSB. Um tom grave, de 100 ou 200 Hz, "
     "aparece inteiro com a “base de tempo” em 1 ms por divisão. Com “2º tom”, o "
     "gerador envia dois tons de igual amplitude, cada um com metade da "
     "modulante: é o teste de dois tons com que se mede um transmissor de SSB. Ponha "
     "V(cc) em 0, 700 Hz e 1900 Hz: a envoltória da saída pulsa com a diferença "
     "dos tons e se anula a cada batimento, e a medida “PEP/potência média” vale 4 em "
     "DSB; anule uma banda lateral e ela vale 2, porque em SSB a potência de pico é a dos "
     "dois tons somados em fase e a média, a soma das suas potências."},
    {"help.paragraph12",
     "Exercícios: qualquer valor pode ser ocultado (ocultar=mdl,fase no link, "
     "--ocultar mdl,fase no comando): sua caixa mostra “?” e a bancada funciona com ele "
     "do mesmo modo; as medidas que o revelam mostram “?” e as que obrigam a calculá-lo "
     "permanecem. “Criar exercício…” no menu gera um link e um comando com os valores "
     "ocultos que você marcar, uma pergunta e sua tolerância. Sob as medidas, digite a "
     "resposta em “Resposta” e clique em “Verificar”; após três respostas incorretas você "
     "pode ver a solução. “Exercícios” traz dez, com valores novos a partir de uma semente "
     "(semilla=17): a mesma semente dá os mesmos valores. O código do link impede ler os "
     "valores a olho nu, mas não é seguro: quem estudar o programa pode decifrá-lo."},
    {"help.paragraph11",
     "Com “analisador” em 1, os três espectros são os de um analisador de espectro: cada "
     "um é medido sobre o sinal que corre, em registros de 150 ms com uma janela de topo "
     "plano, como a média dos 16 últimos, e é desenhado em dBV a 10 dB por divisão, com "
     "seu nível de referência e sua largura de banda de resolução (RBW 25 Hz). Vê-se o que "
     "as linhas calculadas não mostram: o piso de ruído que o filtro do receptor deixa "
     "passar, com metade da largura com uma só banda lateral; as duas linhas do áudio de "
     "DSB com a portadora reinserida deslocada (950 e 1050 Hz com 50 Hz de erro) e a "
     "distorção do detector de envoltória. No menu, “Curva S/N” mede a S/N do áudio "
     "dos dois detectores em função da S/N de entrada, de -10 a 30 dB, para o modo, a "
     "modulante e a fase das caixas: com a modulante em 0,3, o detector de "
     "envoltória se afasta do de produto perto de 0 dB de entrada (o efeito de limiar). "
     "“Visão I/Q” desenha a envoltória complexa do sinal recebido: a portadora como "
     "vetor, o percurso das bandas laterais, o ruído como nuvem, o eixo do detector "
     "de produto e o círculo do de envoltória. Em DSB a 90°, o percurso fica "
     "transversal ao eixo e o áudio se anula."},
    {"about.piece1", "07/03/2018 Simulador de AM, DSB e SSB"},
    {"about.piece2", "Este é um programa gratuito que se compila a partir do seu código-fonte. "
                     "Para obtê-lo, clone o repositório git do projeto. No Debian 12, execute "
                     "como root, a partir da pasta do projeto, o comando “bash "
                     "tools/run.sh”: esse script instala com apt-get o que faltar, compila o "
                     "programa com CMake e inicia o simulador. O mesmo simulador funciona em "
                     "qualquer navegador web a partir de um único arquivo, amsim.html, gerado "
                     "pelo comando “bash tools/web.sh”: abre-se a partir do disco ou de um pen "
                     "drive, envia-se por e-mail ou publica-se numa página web, sem instalar "
                     "nada e sem conexão com a rede. Para dúvidas, sugestões ou relatos de "
                     "erros, escreva no sistema de acompanhamento de problemas do projeto."},
    {"about.piece3", "Foi testado no Debian 12 com Qt 6.4.2, num ambiente de trabalho X11 e com "
                     "a plataforma “offscreen” dos testes automáticos, e sua página web no "
                     "Chromium. Instalado como "
                     "pacote, sua entrada de menu fica na categoria Educação; nos "
                     "ambientes de trabalho que organizam os aplicativos por categorias, "
                     "encontra-se em:"},
    {"about.piece4", "Aplicativos -> Educação -> Simulador de AM, DSB e SSB"},
    {"about.piece5", "NOTA: como em textos semelhantes, supõe-se que a modulante é senoidal. A "
                     "voz real tem uma relação muito alta entre sua potência de pico e sua "
                     "potência média, mas para o ensino uma senoide serve melhor que a "
                     "forma de onda de um “olá” dito diante do microfone."},

    // The languages: each catalogue's own name for its language, the menu's
    // item that chooses one, and the command line's option.
    {"language.name", "Português"},
    {"menu.Idioma", "Idioma"},
    {"error.unknownLanguage", "O programa não tem o idioma {text}: escolha {languages}."},
    {"cli.languageOption",
     "  --idioma IDIOMA           O idioma dos textos: es (espanhol, sem esta opção\n"
     "                            nem outra escolha guardada pela janela), en\n"
     "                            (inglês) ou pt (português)."},
    {"manual.valueName", "valor"},
    {"manual.languageValue", "idioma"},
    {"manual.languageOption", "O idioma dos textos: es (espanhol, sem esta opção nem outra "
                              "escolha guardada pela janela), en (inglês) ou pt (português)."},
};

} // namespace amsim
