<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>LedArrayWords</name>
    <message numerus="yes">
        <source>%1 Led</source>
        <comment>the LEDs in series in one string</comment>
        <translation>
            <numerusform>%1 Led</numerusform>
            <numerusform>%1 Led</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stringhe da %2, resistenza %3 ohm, %4 mW (%5)</source>
        <translation>
            <numerusform>%1 stringa da %2, resistenza %3 ohm, %4 mW (%5)</numerusform>
            <numerusform>%1 stringhe da %2, resistenza %3 ohm, %4 mW (%5)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 stringhe da %2, resistenza %3 ohm, %4 mW</source>
        <translation>
            <numerusform>%1 stringa da %2, resistenza %3 ohm, %4 mW</numerusform>
            <numerusform>%1 stringhe da %2, resistenza %3 ohm, %4 mW</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totale: %1 stringhe, %2 mA, %3 dall&apos;alimentazione</source>
        <translation>
            <numerusform>Totale: %1 stringa, %2 mA, %3 dall&apos;alimentazione</numerusform>
            <numerusform>Totale: %1 stringhe, %2 mA, %3 dall&apos;alimentazione</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Si possono disporre al massimo %1 Led.</source>
        <translation>
            <numerusform>Si può disporre al massimo %1 Led.</numerusform>
            <numerusform>Si possono disporre al massimo %1 Led.</numerusform>
        </translation>
    </message>
</context>
</TS>
