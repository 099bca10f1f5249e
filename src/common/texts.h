// The Italian sentences and words that the windows show or hand to assistive technology, other
// than the captions of the layout tables: messages, hints, the E12 cells and the descriptions of
// the results.
#pragma once

#include "core/circuit.h"
#include "core/colour_code.h"
#include "core/standard_values.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace varelux {

struct BranchResistor;
struct ResistorHints;
struct StandardResistor;
struct Tolerances;
enum class SeriesReach;

namespace ui {

// A figure as the hints write it, rough: three significant digits ("21,3", "4700").
QString roughNumber(double value);

// A figure as the panels write their results: 15 significant digits.
QString resultNumber(double value);

// Digits grouped by three from the right: "1000" -> "1.000" in Italian, "1,000" in English.
QString groupedDigits(QString digits);

// The int that picks the plural form of a count in tr(): the count itself within int's range.
// Beyond it the sentence shows the count through %1, and the form comes from an int as large with
// the same last digits.
int pluralFormOf(double count);

// Title of the main window.
QString programTitle();

// A circuit's name: its panel's heading and its diagram window's caption ("Led in serie").
QString circuitHeading(Circuit circuit);

// The message box of a failed "Calcola": its title, and its texts when a field is empty or not
// a number and when the LED current is zero (worded for one LED or for several).
QString errorTitle();
QString emptyFieldsMessage();
QString zeroCurrentMessage(bool severalLeds);

// The entries of a result's context menu besides the series: "Copia", with its access key, and
// the one that opens the tolerances' dialog.
QString copyAction();
QString tolerancesAction();

// What assistive technology says of a result label besides its value.
QString resistanceDescription();
QString powerDescription();

// A standard value with every significant digit of its series: "0,56 ohm", "1,0 ohm", "470 ohm",
// "4.700 ohm", "100.000 ohm", "8,2 megaohm"; in E96 "0,100 ohm", "37,4 ohm", "97,6 megaohm".
// Whole ohms from 1000 up are grouped by three with a full stop; from 1 megaohm on the value is
// in megaohm, with the decimal comma.
QString standardValueText(StandardValue value);

// Text of one cell of the E12 table, its standard value: "1,0 ohm", "10 ohm", "1.000 ohm",
// "100.000 ohm", "1,0 megaohm". row is 0..11, column 0..6.
QString e12CellText(int row, int column);

// A series by its name ("E24"), and as the menu offers it ("Serie E24").
QString seriesName(ESeries series);
QString seriesMenuItem(ESeries series);

// A band's colour in Italian ("marrone"), and a value's bands from the first to the tolerance
// band ("giallo, viola, marrone, oro").
QString bandColourName(BandColour colour);
QString colourCodeText(const std::vector<BandColour> &bands);

// The text alternative of a circuit's wiring diagram: the circuit as drawn from top to bottom
// (one LED, two LEDs in series, two LEDs in parallel).
QString diagramText(Circuit circuit);

// The E12 picture for assistive technology: its name, and its values decade by decade, each
// decade named by its first value ("Decade da 1,0 ohm: 1,0 ohm, 1,2 ohm, ... 8,2 ohm. Decade da
// 10 ohm: ...").
QString e12PictureName();
QString e12PictureValues();

// How assistive technology names a control of a panel: the panel's heading, then the control's
// caption or row label without its colon ("Led in serie: Tensione circuito").
QString accessibleNameInPanel(const QString &panel, const QString &caption);

// A result as shown: its value and its unit.
struct ShownResult {
    QString value, unit;
};

// What a panel announces after a click: its results in one sentence, read from what is shown
// ("Resistenza calcolata 120 ohm, potenza dissipata 30 mW"); that "Cancella" emptied it; that
// "Calcola" emptied it because the result was out of range.
QString resultsAnnouncement(const ShownResult &resistance, const ShownResult &power);
QString clearedAnnouncement(const QString &panel);
QString outOfRangeAnnouncement(const QString &panel);

// A rating in watts as resistor makers print it: "1/8 W" below 1 W, "10 W" from 1 W up.
// milliwatts is a divisor of 1000 below 1000 and a multiple of 1000 from 1000 up.
QString ratingText(int milliwatts);

// The lines of a resistance's hint: that the supply is too low for anything to buy; the heading of
// the standard values ("Valori standard E24:"), then one line per value with the LED current it
// gives, nominally and within the tolerances, and its colour bands ("470 ohm (21,3 mA, da 16,1 a
// 27,2 mA): giallo, viola, marrone, oro"), followed by the risk of that current where there is
// one ("I Led possono restare spenti."; empty where there is none); where the resistance lies
// beyond the series, which end ("Il valore calcolato è al di sotto della serie E12"; empty within
// it); for LEDs in parallel, the resistor for each LED ("Più sicuro, una resistenza per ogni Led:
// 150 ohm, 60 mW (1/8 W) ciascuna"), followed by its own standard values; last, the tolerances
// the currents are worked out with ("Tolleranze: alimentazione ±5 %, tensione Led ±10 %,
// resistenza ±5 %").
QString supplyNotAboveLedsHint();
QString standardValuesHeading(ESeries series);
QString standardValueLine(const StandardResistor &resistor, const std::vector<BandColour> &bands);
QString riskSentence(const StandardResistor &resistor);
QString beyondSeriesHint(SeriesReach reach, ESeries series);
QString branchResistorHint(const BranchResistor &branch);
QString tolerancesLine(const Tolerances &tolerances, ESeries series);

// Where the two notes under the panels apply, as their tooltip and accessible description: the
// notes ask for the LEDs' total voltage or current, which the series and parallel panels already
// work out from "Numero Led".
QString notesScope();

// "Resistore consigliato: 1/2 W"; empty when there is no rating to suggest.
QString ratingHint(const ResistorHints &hints);

} // namespace ui
} // namespace varelux
