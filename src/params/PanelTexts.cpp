#include "params/PanelTexts.h"

namespace amsim {

const std::vector<std::string_view>& helpParagraphs() {
    static const std::vector<std::string_view> paragraphs{
        std::string_view(
            "Este programa intenta transmitir el concepto de estos modos de modulación de "
            "amplitud: AM (portadora y ambas bandas laterales), DSB (doble banda lateral "
            "con portadora suprimida) y SSB (banda lateral única). Los presenta como si "
            "usted estuviera sentado frente a un banco de trabajo con un generador de "
            "audio, un transmisor multimodo, un receptor, un osciloscopio y un "
            "analizador de espectro."),
        std::string_view(
            "Se puede controlar a voluntad el nivel de la modulante y la tensión continua "
            "superpuesta, V(cc), y anular una de las bandas laterales o ambas. Los "
            "resultados se ven de inmediato en el osciloscopio y en el analizador de "
            "espectro. Con «escalas» en 1 se leen en la pantalla el tiempo (una división, "
            "0,2 ms), los voltios por división de cada traza y, en los espectros, la "
            "frecuencia en kHz y la amplitud en voltios."),
        std::string_view(
            "Se supone que la modulación se hace con un modulador balanceado, incluso en "
            "AM. En una etapa de salida real modulada en alto nivel, una modulación "
            "superior al 100 % recorta la señal. El simulador no representa ese "
            "recorte: su salida es siempre la portadora multiplicada por la suma de la "
            "modulante y la continua, y cuando esa suma se hace negativa la portadora "
            "simplemente invierte su fase."),
        std::string_view("Para DSB y SSB se supone, por simplicidad, que la señal se genera "
                         "directamente en la frecuencia de salida, sin generarla primero en una "
                         "frecuencia más baja y trasladarla después con mezcladores, como suele "
                         "hacerse en los equipos reales."),
        std::string_view(
            "En el receptor se demodula con un detector de producto y, si se activa con «det. "
            "envolvente», también con un detector de pico (detector de envolvente), el que "
            "dibuja el diagrama de bloques. El audio del detector de producto se destaca en "
            "verde sobre la salida del detector; el del detector de envolvente, en azul, con "
            "la misma escala."),
        std::string_view(
            "Inicialmente se asigna un valor de 1 a la amplitud de la modulante y un "
            "valor de 1 a la continua superpuesta, V(cc), lo que equivale a una "
            "modulación del 100 %, y pasan ambas bandas laterales. Suba y baje "
            "Modulante y V(cc) con sus botones y observe los niveles y las formas de "
            "onda. La amplitud de las bandas laterales es proporcional a la de la "
            "modulante, mientras que la portadora depende solo de la continua. Con "
            "V(cc) en cero la portadora desaparece y se obtiene DSB; sin embargo, el "
            "audio detectado no cambia, lo que demuestra que la portadora no transporta "
            "información."),
        std::string_view(
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
            "Modulante √2 veces (de 1 a 1,41) y vuelve a la de DSB."),
        std::string_view(
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
            "salida del transmisor multiplicada por la portadora."),
        std::string_view(
            "Active el detector de envolvente y compare los dos detectores. En AM, hasta el "
            "100 % de modulación, el detector de envolvente entrega el mismo tono que el de "
            "producto, limpio (con menos del 5 % de distorsión) y proporcional a la modulante. "
            "Con sobremodulación, por ejemplo con Modulante 2 y V(cc) 1, su salida se deforma: "
            "la distorsión pasa del 10 %. En DSB, con V(cc) en cero, entrega una onda "
            "rectificada del doble de la frecuencia del tono: en el espectro, la raya azul de "
            "2 kHz supera a la de 1 kHz. En SSB sin portadora no entrega casi nada. La fase de "
            "la portadora reinsertada no lo afecta, porque no la usa. El detector de producto, "
            "en cambio, recupera el audio en los tres modos: por eso los receptores de DSB y "
            "SSB lo necesitan."),
    };
    return paragraphs;
}

const std::vector<std::string_view>& aboutPieces() {
    static const std::vector<std::string_view> pieces{
        std::string_view("07/03/2018 Simulador de AM, DSB y SSB"),
        std::string_view(
            "Este es un programa gratuito que se construye a partir de su código "
            "fuente. Para obtenerlo, clone el repositorio git del proyecto. En Debian "
            "12, ejecute como root, desde la carpeta del proyecto, la orden «bash "
            "tools/run.sh»: ese guion instala con apt-get lo que falte, compila el "
            "programa con CMake y arranca el simulador. El mismo simulador funciona en "
            "cualquier navegador web a partir de un solo archivo, amsim.html, que hace "
            "la orden «bash tools/web.sh»: se abre desde el disco o una memoria USB, "
            "se envía por correo o se publica en una página web, sin instalar nada y "
            "sin conexión a la red. Para consultas, sugerencias o avisos de errores, "
            "escriba en el gestor de incidencias del proyecto."),
        std::string_view("Se probó en Debian 12 con Qt 6.4.2, en un escritorio X11 y con la "
                         "plataforma «offscreen» de las pruebas automáticas, y su página web en "
                         "Chromium. Instalado como "
                         "paquete, su entrada de menú se coloca en la categoría Educación; en los "
                         "escritorios que ordenan las aplicaciones por categorías, se encuentra "
                         "en:"),
        std::string_view("Aplicaciones -> Educación -> Simulador de AM, DSB y SSB"),
        std::string_view(
            "NOTA: como en textos similares, se supone que la modulante es senoidal. La "
            "voz real tiene una relación muy alta entre su potencia de pico y su "
            "potencia media, pero para la enseñanza una senoide sirve mejor que la "
            "forma de onda de un «hola» dicho ante el micrófono."),
    };
    return pieces;
}

std::string panelText(const std::vector<std::string_view>& pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
        text += kParagraphSeparator;
    }
    return text;
}

} // namespace amsim
