<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Captions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tensione circuito:</source>
        <translation>Supply voltage:</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Tensione Led:</source>
        <translation>LED voltage:</translation>
    </message>
    <message>
        <source>Corrente Led:</source>
        <translation>LED current:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Numero Led:</source>
        <translation>Number of LEDs:</translation>
    </message>
    <message>
        <source>Margine minimo:</source>
        <translation>Minimum margin:</translation>
    </message>
    <message>
        <source>Vuoto: un decimo della tensione del circuito</source>
        <translation>Empty: a tenth of the supply voltage</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Matrice di Led</source>
        <translation>LED array</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Resistenza calcolata:</source>
        <translation>Calculated resistance:</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Potenza dissipata:</source>
        <translation>Dissipated power:</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>mW</translation>
    </message>
    <message>
        <source>Tensione Led</source>
        <translation>LED voltages</translation>
    </message>
    <message>
        <source>Valori standard</source>
        <translation>Standard values</translation>
    </message>
    <message>
        <source>Potenza max res.</source>
        <translation>Resistor power</translation>
    </message>
    <message>
        <source>Se i Led sono connessi in serie, inserire nel campo &quot;Tensione Led&quot; la somma dei valori di tensione ogni singolo Led.</source>
        <translation>Single-LED panel, LEDs in series: enter the sum of their voltages in &quot;LED voltage&quot; (the series panel multiplies for you).</translation>
    </message>
    <message>
        <source>Se i Led sono connessi in parallelo, inserire nel campo &quot;Corrente Led&quot; la somma dei valori di corrente di ogni singolo Led.</source>
        <translation>Single-LED panel, LEDs in parallel: enter the sum of their currents in &quot;LED current&quot; (the parallel panel multiplies for you).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: %1 [opzioni]
Calcola la resistenza in serie per i circuiti con LED.

Opzioni:
</source>
        <translation>Usage: %1 [options]
Works out the series resistor of LED circuits.

Options:
</translation>
    </message>
    <message>
        <source>
Accetta anche le opzioni di Qt, tra cui -platform, -display, -style e -reverse.
</source>
        <translation>
Also takes Qt&apos;s options, among them -platform, -display, -style and -reverse.
</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce</source>
        <translation>Show this help and exit</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce</source>
        <translation>Show the version and exit</translation>
    </message>
    <message>
        <source>l&apos;opzione non accetta un valore: %1</source>
        <translation>the option takes no value: %1</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)</source>
        <translation>no display available (DISPLAY and WAYLAND_DISPLAY are not set)</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (%2)</source>
        <translation>unknown language: %1 (%2)</translation>
    </message>
    <message>
        <source>Lingua delle finestre</source>
        <translation>Language of the windows</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>manca la traduzione &quot;%1&quot;: le finestre restano in italiano</source>
        <translation>the translation &quot;%1&quot; is missing: the windows stay in Italian</translation>
    </message>
</context>
<context>
    <name>LedArrayWords</name>
    <message numerus="yes">
        <source>%1 Led</source>
        <comment>the LEDs in series in one string</comment>
        <translation>
            <numerusform>%1 LED</numerusform>
            <numerusform>%1 LEDs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stringhe da %2, resistenza %3 ohm, %4 mW (%5)</source>
        <translation>
            <numerusform>%1 string of %2, resistor %3 ohm, %4 mW (%5)</numerusform>
            <numerusform>%1 strings of %2, resistor %3 ohm, %4 mW (%5)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stringhe da %2, resistenza %3 ohm, %4 mW</source>
        <translation>
            <numerusform>%1 string of %2, resistor %3 ohm, %4 mW</numerusform>
            <numerusform>%1 strings of %2, resistor %3 ohm, %4 mW</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totale: %1 stringhe, %2 mA, %3 dall&apos;alimentazione</source>
        <translation>
            <numerusform>In all: %1 string, %2 mA, %3 from the supply</numerusform>
            <numerusform>In all: %1 strings, %2 mA, %3 from the supply</numerusform>
        </translation>
    </message>
    <message>
        <source>Nei Led %1, nelle resistenze %2; rendimento %3 %</source>
        <translation>In the LEDs %1, in the resistors %2; efficiency %3 %</translation>
    </message>
    <message>
        <source>Con 0 Led non c&apos;è niente da collegare: inserire in &quot;Numero Led&quot; almeno 1.</source>
        <translation>With 0 LEDs there is nothing to wire: enter at least 1 in &quot;Number of LEDs&quot;.</translation>
    </message>
    <message>
        <source>Il numero di Led deve essere un numero intero.</source>
        <translation>The number of LEDs must be a whole number.</translation>
    </message>
    <message numerus="yes">
        <source>Si possono disporre al massimo %1 Led.</source>
        <translation>
            <numerusform>At most %1 LED can be planned.</numerusform>
            <numerusform>At most %1 LEDs can be planned.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessun Led ci sta con un margine di %1 V: serve una tensione del circuito più alta, oppure un alimentatore a corrente costante.</source>
        <translation>No LED fits with a margin of %1 V: use a higher supply voltage, or a constant-current driver.</translation>
    </message>
    <message>
        <source>Con un margine di 0 V la resistenza non avrebbe tensione per regolare la corrente: inserire un margine maggiore di zero.</source>
        <translation>With a margin of 0 V the resistor would have no voltage left to set the current: enter a margin above zero.</translation>
    </message>
    <message>
        <source>Risultato fuori dai limiti: usare valori più piccoli.</source>
        <translation>Result out of range: use smaller values.</translation>
    </message>
    <message>
        <source>Schema della matrice di Led</source>
        <translation>Wiring of the LED array</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the margin field&apos;s unit, then its note</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>megaohm</source>
        <translation>megohm</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
</context>
<context>
    <name>ReferenceLayouts</name>
    <message>
        <source>Valori standard delle resistenze</source>
        <translation>Standard resistor values</translation>
    </message>
    <message>
        <source>Led rosso:</source>
        <translation>Red LED:</translation>
    </message>
    <message>
        <source>Led verde:</source>
        <translation>Green LED:</translation>
    </message>
    <message>
        <source>Led giallo:</source>
        <translation>Yellow LED:</translation>
    </message>
    <message>
        <source>Led arancio:</source>
        <translation>Orange LED:</translation>
    </message>
    <message>
        <source>Led blu:</source>
        <translation>Blue LED:</translation>
    </message>
    <message>
        <source>Led bianco:</source>
        <translation>White LED:</translation>
    </message>
    <message>
        <source>Tensione di alimentazione dei Led</source>
        <translation>LED forward voltages</translation>
    </message>
    <message>
        <source>Max potenza dissipabile</source>
        <translation>Resistor power ratings</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>nero</source>
        <translation>black</translation>
    </message>
    <message>
        <source>marrone</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>red</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>viola</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>grigio</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>bianco</source>
        <translation>white</translation>
    </message>
    <message>
        <source>oro</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>argento</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>rosa</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>Led singolo</source>
        <translation>Single LED</translation>
    </message>
    <message>
        <source>Schema: dal polo positivo dell&apos;alimentazione, in alto, un filo scende alla resistenza, poi al Led, con l&apos;anodo verso la resistenza, e dal catodo del Led a massa.</source>
        <translation>Diagram: from the supply&apos;s positive terminal at the top, a wire runs down to the resistor, then to the LED, its anode towards the resistor, and from the LED&apos;s cathode to ground.</translation>
    </message>
    <message>
        <source>Led in serie</source>
        <translation>LEDs in series</translation>
    </message>
    <message>
        <source>Schema: dal polo positivo dell&apos;alimentazione, in alto, un filo scende alla resistenza, poi a due Led in serie, uno sotto l&apos;altro, ciascuno con l&apos;anodo verso l&apos;alto, e dal catodo del secondo Led a massa.</source>
        <translation>Diagram: from the supply&apos;s positive terminal at the top, a wire runs down to the resistor, then to two LEDs in series, one below the other, each with its anode upwards, and from the second LED&apos;s cathode to ground.</translation>
    </message>
    <message>
        <source>Led in parallelo</source>
        <translation>LEDs in parallel</translation>
    </message>
    <message>
        <source>Schema: dal polo positivo dell&apos;alimentazione, in alto, un filo scende alla resistenza, poi si divide in due rami affiancati con un Led ciascuno, l&apos;anodo verso l&apos;alto; i due rami si riuniscono sotto i Led e vanno a massa.</source>
        <translation>Diagram: from the supply&apos;s positive terminal at the top, a wire runs down to the resistor, then splits into two branches side by side with one LED each, anode upwards; the two branches join below the LEDs and go to ground.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Una o più caselle vuote</source>
        <translation>One or more fields are empty</translation>
    </message>
    <message>
        <source>La corrente dei Led non può essere uguale a zero</source>
        <translation>The LEDs&apos; current cannot be zero</translation>
    </message>
    <message>
        <source>La corrente del Led non può essere uguale a zero</source>
        <translation>The LED current cannot be zero</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Resistenza calcolata, ohm</source>
        <translation>Calculated resistance, ohm</translation>
    </message>
    <message>
        <source>Potenza dissipata, mW</source>
        <translation>Dissipated power, mW</translation>
    </message>
    <message>
        <source>%1 megaohm</source>
        <translation>%1 megohm</translation>
    </message>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>Serie %1</source>
        <translation>%1 series</translation>
    </message>
    <message>
        <source>Tabella dei valori standard E12, per decade</source>
        <translation>Table of the E12 standard values, by decade</translation>
    </message>
    <message>
        <source>Decade da %1: %2.</source>
        <translation>Decade from %1: %2.</translation>
    </message>
    <message>
        <source>Pannello %1 cancellato</source>
        <translation>%1 panel cleared</translation>
    </message>
    <message>
        <source>Risultato fuori dai limiti, pannello %1 cancellato</source>
        <translation>Result out of range, %1 panel cleared</translation>
    </message>
    <message>
        <source>La tensione del circuito non supera la tensione totale dei Led</source>
        <translation>The supply voltage does not exceed the LEDs&apos; total voltage</translation>
    </message>
    <message>
        <source>Valori standard %1:</source>
        <translation>%1 standard values:</translation>
    </message>
    <message>
        <source>Il valore calcolato è al di sotto della serie %1</source>
        <translation>The calculated value lies below the %1 series</translation>
    </message>
    <message>
        <source>Il valore calcolato è al di sopra della serie %1</source>
        <translation>The calculated value lies above the %1 series</translation>
    </message>
    <message>
        <source>Vale per il pannello Led singolo: i pannelli Led in serie e Led in parallelo moltiplicano già per il numero di Led.</source>
        <translation>Applies to the single-LED panel: the &quot;LEDs in series&quot; and &quot;LEDs in parallel&quot; panels already multiply by the number of LEDs.</translation>
    </message>
    <message>
        <source>Resistore consigliato: %1</source>
        <translation>Recommended resistor: %1</translation>
    </message>
    <message>
        <source>&amp;Tolleranze…</source>
        <translation>&amp;Tolerances…</translation>
    </message>
    <message>
        <source>%1 (%2 mA, da %3 a %4 mA): %5</source>
        <translation>%1 (%2 mA, from %3 to %4 mA): %5</translation>
    </message>
    <message>
        <source>I Led possono restare spenti o essere sovraccaricati: meglio una tensione del circuito più alta, oppure un alimentatore a corrente costante.</source>
        <translation>The LEDs may stay dark or be overdriven: a higher supply voltage is better, or a constant-current driver.</translation>
    </message>
    <message>
        <source>I Led possono essere sovraccaricati: meglio una tensione del circuito più alta, oppure un alimentatore a corrente costante.</source>
        <translation>The LEDs may be overdriven: a higher supply voltage is better, or a constant-current driver.</translation>
    </message>
    <message>
        <source>I Led possono restare spenti.</source>
        <translation>The LEDs may stay dark.</translation>
    </message>
    <message>
        <source>Tolleranze: alimentazione ±%1 %, tensione Led ±%2 %, resistenza ±%3 %</source>
        <translation>Tolerances: supply ±%1 %, LED voltage ±%2 %, resistor ±%3 %</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a panel&apos;s heading, then a control&apos;s caption</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Resistenza calcolata %1 %2, potenza dissipata %3 %4</source>
        <translation>Calculated resistance %1 %2, dissipated power %3 %4</translation>
    </message>
    <message>
        <source>Più sicuro, una resistenza per ogni Led: %1 ohm, %2 mW (%3) ciascuna</source>
        <translation>Safer, one resistor for each LED: %1 ohm, %2 mW (%3) each</translation>
    </message>
    <message>
        <source>Più sicuro, una resistenza per ogni Led: %1 ohm, %2 mW ciascuna</source>
        <translation>Safer, one resistor for each LED: %1 ohm, %2 mW each</translation>
    </message>
</context>
<context>
    <name>varelux::TolerancesDialog</name>
    <message>
        <source>Tolleranze</source>
        <translation>Tolerances</translation>
    </message>
    <message>
        <source>Alimentazione ±</source>
        <translation>Supply ±</translation>
    </message>
    <message>
        <source>Tensione Led ±</source>
        <translation>LED voltage ±</translation>
    </message>
    <message>
        <source>Resistenza ±</source>
        <translation>Resistor ±</translation>
    </message>
    <message>
        <source>%1 % (banda %2 della serie %3)</source>
        <translation>%1 % (%2 band of the %3 series)</translation>
    </message>
    <message>
        <source>percento, da 0 a %1</source>
        <translation>percent, from 0 to %1</translation>
    </message>
    <message>
        <source>Valori iniziali</source>
        <translation>Initial values</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Le tolleranze vanno da 0 a %1 %.</source>
        <translation>Tolerances go from 0 to %1 %.</translation>
    </message>
</context>
</TS>
