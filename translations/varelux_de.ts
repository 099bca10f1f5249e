<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>Captions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tensione circuito:</source>
        <translation>Betriebsspannung:</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Tensione Led:</source>
        <translation>LED-Spannung:</translation>
    </message>
    <message>
        <source>Corrente Led:</source>
        <translation>LED-Strom:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Numero Led:</source>
        <translation>Anzahl LEDs:</translation>
    </message>
    <message>
        <source>Margine minimo:</source>
        <translation>Mindestreserve:</translation>
    </message>
    <message>
        <source>Vuoto: un decimo della tensione del circuito</source>
        <translation>Leer: ein Zehntel der Betriebsspannung</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Matrice di Led</source>
        <translation>LED-Matrix</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Schaltplan</translation>
    </message>
    <message>
        <source>Resistenza calcolata:</source>
        <translation>Vorwiderstand:</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Potenza dissipata:</source>
        <translation>Verlustleistung:</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>mW</translation>
    </message>
    <message>
        <source>Tensione Led</source>
        <translation>LED-Spannungen</translation>
    </message>
    <message>
        <source>Valori standard</source>
        <translation>Normwerte</translation>
    </message>
    <message>
        <source>Potenza max res.</source>
        <translation>Belastbarkeit</translation>
    </message>
    <message>
        <source>Se i Led sono connessi in serie, inserire nel campo &quot;Tensione Led&quot; la somma dei valori di tensione ogni singolo Led.</source>
        <translation>Sind die LEDs in Reihe geschaltet, im Feld &quot;LED-Spannung&quot; die Summe der Spannungen aller einzelnen LEDs eingeben.</translation>
    </message>
    <message>
        <source>Se i Led sono connessi in parallelo, inserire nel campo &quot;Corrente Led&quot; la somma dei valori di corrente di ogni singolo Led.</source>
        <translation>Sind die LEDs parallel geschaltet, im Feld &quot;LED-Strom&quot; die Summe der Ströme aller einzelnen LEDs eingeben.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: %1 [opzioni]
Calcola la resistenza in serie per i circuiti con LED.

Opzioni:
</source>
        <translation>Aufruf: %1 [Optionen]
Berechnet den Vorwiderstand von LED-Schaltungen.

Optionen:
</translation>
    </message>
    <message>
        <source>
Accetta anche le opzioni di Qt, tra cui -platform, -display, -style e -reverse.
</source>
        <translation>
Nimmt auch die Optionen von Qt an, darunter -platform, -display, -style und -reverse.
</translation>
    </message>
    <message>
        <source>l&apos;opzione non accetta un valore: %1</source>
        <translation>die Option nimmt keinen Wert an: %1</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (%2)</source>
        <translation>unbekannte Sprache: %1 (%2)</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce</source>
        <translation>Diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce</source>
        <translation>Die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>Lingua delle finestre</source>
        <translation>Sprache der Fenster</translation>
    </message>
    <message>
        <source>nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate)</source>
        <translation>kein Display verfügbar (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>manca la traduzione &quot;%1&quot;: le finestre restano in italiano</source>
        <translation>die Übersetzung &quot;%1&quot; fehlt: die Fenster bleiben auf Italienisch</translation>
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
    <message>
        <source>megaohm</source>
        <translation>Megaohm</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>Ohm</translation>
    </message>
    <message numerus="yes">
        <source>%1 stringhe da %2, resistenza %3 ohm, %4 mW (%5)</source>
        <translation>
            <numerusform>%1 Strang zu %2, Widerstand %3 Ohm, %4 mW (%5)</numerusform>
            <numerusform>%1 Stränge zu %2, Widerstand %3 Ohm, %4 mW (%5)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stringhe da %2, resistenza %3 ohm, %4 mW</source>
        <translation>
            <numerusform>%1 Strang zu %2, Widerstand %3 Ohm, %4 mW</numerusform>
            <numerusform>%1 Stränge zu %2, Widerstand %3 Ohm, %4 mW</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totale: %1 stringhe, %2 mA, %3 dall&apos;alimentazione</source>
        <translation>
            <numerusform>Gesamt: %1 Strang, %2 mA, %3 aus der Versorgung</numerusform>
            <numerusform>Gesamt: %1 Stränge, %2 mA, %3 aus der Versorgung</numerusform>
        </translation>
    </message>
    <message>
        <source>Nei Led %1, nelle resistenze %2; rendimento %3 %</source>
        <translation>In den LEDs %1, in den Widerständen %2; Wirkungsgrad %3 %</translation>
    </message>
    <message>
        <source>Con 0 Led non c&apos;è niente da collegare: inserire in &quot;Numero Led&quot; almeno 1.</source>
        <translation>Mit 0 LEDs gibt es nichts anzuschließen: unter &quot;Anzahl LEDs&quot; mindestens 1 eingeben.</translation>
    </message>
    <message>
        <source>Il numero di Led deve essere un numero intero.</source>
        <translation>Die Anzahl der LEDs muss eine ganze Zahl sein.</translation>
    </message>
    <message numerus="yes">
        <source>Si possono disporre al massimo %1 Led.</source>
        <translation>
            <numerusform>Es lässt sich höchstens %1 LED anordnen.</numerusform>
            <numerusform>Es lassen sich höchstens %1 LEDs anordnen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessun Led ci sta con un margine di %1 V: serve una tensione del circuito più alta, oppure un alimentatore a corrente costante.</source>
        <translation>Bei einer Reserve von %1 V passt keine LED: nötig ist eine höhere Betriebsspannung oder eine Konstantstromquelle.</translation>
    </message>
    <message>
        <source>Con un margine di 0 V la resistenza non avrebbe tensione per regolare la corrente: inserire un margine maggiore di zero.</source>
        <translation>Bei einer Reserve von 0 V bliebe dem Widerstand keine Spannung, um den Strom einzustellen: eine Reserve über null eingeben.</translation>
    </message>
    <message>
        <source>Risultato fuori dai limiti: usare valori più piccoli.</source>
        <translation>Ergebnis außerhalb des Wertebereichs: kleinere Werte verwenden.</translation>
    </message>
    <message>
        <source>Schema della matrice di Led</source>
        <translation>Schaltplan der LED-Matrix</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>the margin field&apos;s unit, then its note</comment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>ReferenceLayouts</name>
    <message>
        <source>Valori standard delle resistenze</source>
        <translation>Normwerte für Widerstände</translation>
    </message>
    <message>
        <source>Led rosso:</source>
        <translation>Rote LED:</translation>
    </message>
    <message>
        <source>Led verde:</source>
        <translation>Grüne LED:</translation>
    </message>
    <message>
        <source>Led giallo:</source>
        <translation>Gelbe LED:</translation>
    </message>
    <message>
        <source>Led arancio:</source>
        <translation>Orange LED:</translation>
    </message>
    <message>
        <source>Led blu:</source>
        <translation>Blaue LED:</translation>
    </message>
    <message>
        <source>Led bianco:</source>
        <translation>Weiße LED:</translation>
    </message>
    <message>
        <source>Tensione di alimentazione dei Led</source>
        <translation>LED-Flussspannungen</translation>
    </message>
    <message>
        <source>Max potenza dissipabile</source>
        <translation>Belastbarkeit</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>nero</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>marrone</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>viola</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>grigio</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>bianco</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>oro</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>argento</source>
        <translation>silber</translation>
    </message>
    <message>
        <source>rosa</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>Led singolo</source>
        <translation>Einzelne LED</translation>
    </message>
    <message>
        <source>Schema: dal polo positivo dell&apos;alimentazione, in alto, un filo scende alla resistenza, poi al Led, con l&apos;anodo verso la resistenza, e dal catodo del Led a massa.</source>
        <translation>Schaltplan: Vom Pluspol der Versorgung oben führt ein Draht hinab zum Widerstand, dann zur LED, mit der Anode zum Widerstand hin, und von der Kathode der LED zur Masse.</translation>
    </message>
    <message>
        <source>Led in serie</source>
        <translation>LEDs in Reihe</translation>
    </message>
    <message>
        <source>Schema: dal polo positivo dell&apos;alimentazione, in alto, un filo scende alla resistenza, poi a due Led in serie, uno sotto l&apos;altro, ciascuno con l&apos;anodo verso l&apos;alto, e dal catodo del secondo Led a massa.</source>
        <translation>Schaltplan: Vom Pluspol der Versorgung oben führt ein Draht hinab zum Widerstand, dann zu zwei LEDs in Reihe, eine unter der anderen, jede mit der Anode nach oben, und von der Kathode der zweiten LED zur Masse.</translation>
    </message>
    <message>
        <source>Led in parallelo</source>
        <translation>LEDs parallel</translation>
    </message>
    <message>
        <source>Schema: dal polo positivo dell&apos;alimentazione, in alto, un filo scende alla resistenza, poi si divide in due rami affiancati con un Led ciascuno, l&apos;anodo verso l&apos;alto; i due rami si riuniscono sotto i Led e vanno a massa.</source>
        <translation>Schaltplan: Vom Pluspol der Versorgung oben führt ein Draht hinab zum Widerstand und teilt sich dann in zwei nebeneinanderliegende Zweige mit je einer LED, die Anode nach oben; unter den LEDs vereinigen sich die beiden Zweige und führen zur Masse.</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Una o più caselle vuote</source>
        <translation>Ein oder mehrere Felder sind leer</translation>
    </message>
    <message>
        <source>La corrente dei Led non può essere uguale a zero</source>
        <translation>Der Strom der LEDs darf nicht null sein</translation>
    </message>
    <message>
        <source>La corrente del Led non può essere uguale a zero</source>
        <translation>Der Strom der LED darf nicht null sein</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Tolleranze…</source>
        <translation>&amp;Toleranzen…</translation>
    </message>
    <message>
        <source>Resistenza calcolata, ohm</source>
        <translation>Vorwiderstand, Ohm</translation>
    </message>
    <message>
        <source>Potenza dissipata, mW</source>
        <translation>Verlustleistung, mW</translation>
    </message>
    <message>
        <source>%1 megaohm</source>
        <translation>%1 Megaohm</translation>
    </message>
    <message>
        <source>%1 ohm</source>
        <translation>%1 Ohm</translation>
    </message>
    <message>
        <source>Serie %1</source>
        <translation>%1-Reihe</translation>
    </message>
    <message>
        <source>Tabella dei valori standard E12, per decade</source>
        <translation>Tabelle der E12-Normwerte, nach Dekaden</translation>
    </message>
    <message>
        <source>Decade da %1: %2.</source>
        <translation>Dekade ab %1: %2.</translation>
    </message>
    <message>
        <source>Pannello %1 cancellato</source>
        <translation>Abschnitt %1 gelöscht</translation>
    </message>
    <message>
        <source>Risultato fuori dai limiti, pannello %1 cancellato</source>
        <translation>Ergebnis außerhalb des Wertebereichs, Abschnitt %1 gelöscht</translation>
    </message>
    <message>
        <source>La tensione del circuito non supera la tensione totale dei Led</source>
        <translation>Die Betriebsspannung liegt nicht über der Gesamtspannung der LEDs</translation>
    </message>
    <message>
        <source>Valori standard %1:</source>
        <translation>Normwerte %1:</translation>
    </message>
    <message>
        <source>%1 (%2 mA, da %3 a %4 mA): %5</source>
        <translation>%1 (%2 mA, %3 bis %4 mA): %5</translation>
    </message>
    <message>
        <source>I Led possono restare spenti o essere sovraccaricati: meglio una tensione del circuito più alta, oppure un alimentatore a corrente costante.</source>
        <translation>Die LEDs können dunkel bleiben oder überlastet werden: besser eine höhere Betriebsspannung oder eine Konstantstromquelle.</translation>
    </message>
    <message>
        <source>I Led possono essere sovraccaricati: meglio una tensione del circuito più alta, oppure un alimentatore a corrente costante.</source>
        <translation>Die LEDs können überlastet werden: besser eine höhere Betriebsspannung oder eine Konstantstromquelle.</translation>
    </message>
    <message>
        <source>I Led possono restare spenti.</source>
        <translation>Die LEDs können dunkel bleiben.</translation>
    </message>
    <message>
        <source>Tolleranze: alimentazione ±%1 %, tensione Led ±%2 %, resistenza ±%3 %</source>
        <translation>Toleranzen: Versorgung ±%1 %, LED-Spannung ±%2 %, Widerstand ±%3 %</translation>
    </message>
    <message>
        <source>Il valore calcolato è al di sotto della serie %1</source>
        <translation>Der berechnete Wert liegt unterhalb der %1-Reihe</translation>
    </message>
    <message>
        <source>Il valore calcolato è al di sopra della serie %1</source>
        <translation>Der berechnete Wert liegt oberhalb der %1-Reihe</translation>
    </message>
    <message>
        <source>Vale per il pannello Led singolo: i pannelli Led in serie e Led in parallelo moltiplicano già per il numero di Led.</source>
        <translation>Gilt für den Abschnitt &quot;Einzelne LED&quot;: die Abschnitte &quot;LEDs in Reihe&quot; und &quot;LEDs parallel&quot; multiplizieren bereits mit der Anzahl der LEDs.</translation>
    </message>
    <message>
        <source>Resistore consigliato: %1</source>
        <translation>Empfohlener Widerstand: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a panel&apos;s heading, then a control&apos;s caption</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Resistenza calcolata %1 %2, potenza dissipata %3 %4</source>
        <translation>Vorwiderstand %1 %2, Verlustleistung %3 %4</translation>
    </message>
    <message>
        <source>Più sicuro, una resistenza per ogni Led: %1 ohm, %2 mW (%3) ciascuna</source>
        <translation>Sicherer, ein Widerstand für jede LED: jeweils %1 Ohm, %2 mW (%3)</translation>
    </message>
    <message>
        <source>Più sicuro, una resistenza per ogni Led: %1 ohm, %2 mW ciascuna</source>
        <translation>Sicherer, ein Widerstand für jede LED: jeweils %1 Ohm, %2 mW</translation>
    </message>
</context>
<context>
    <name>varelux::TolerancesDialog</name>
    <message>
        <source>Tolleranze</source>
        <translation>Toleranzen</translation>
    </message>
    <message>
        <source>Alimentazione ±</source>
        <translation>Versorgung ±</translation>
    </message>
    <message>
        <source>Tensione Led ±</source>
        <translation>LED-Spannung ±</translation>
    </message>
    <message>
        <source>Resistenza ±</source>
        <translation>Widerstand ±</translation>
    </message>
    <message>
        <source>%1 % (banda %2 della serie %3)</source>
        <translation>%1 % (Farbring %2, %3-Reihe)</translation>
    </message>
    <message>
        <source>percento, da 0 a %1</source>
        <translation>Prozent, von 0 bis %1</translation>
    </message>
    <message>
        <source>Valori iniziali</source>
        <translation>Anfangswerte</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Le tolleranze vanno da 0 a %1 %.</source>
        <translation>Die Toleranzen reichen von 0 bis %1 %.</translation>
    </message>
</context>
</TS>
