<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Out of memory: the request is too large for this computer.</source>
        <translation>Nicht genug Speicher: Die Anforderung ist für diesen Computer zu groß.</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Out of memory: this request needs %1 MiB, but only %2 MiB are free.</source>
        <translation>Nicht genug Speicher: Diese Anforderung braucht %1 MiB, frei sind nur %2 MiB.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. Its old content could not be kept safe: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. Ihr alter Inhalt konnte nicht gesichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2. Its old content could not be put back</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2. Ihr alter Inhalt konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>Calculate Possible...</source>
        <translation>Mögliche berechnen ...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Calculating randoms...</source>
        <translation>Zufallszahlen werden berechnet ...</translation>
    </message>
    <message>
        <source>Sorting randoms...</source>
        <translation>Zufallszahlen werden sortiert ...</translation>
    </message>
    <message>
        <source>Format randoms..</source>
        <translation>Zufallszahlen formatieren ..</translation>
    </message>
    <message>
        <source>Format randoms...</source>
        <translation>Zufallszahlen formatieren ...</translation>
    </message>
    <message>
        <source>Write File ...</source>
        <translation>Datei schreiben ...</translation>
    </message>
    <message>
        <source>No chi-square test: without repeats every number is drawn at most once.</source>
        <translation>Kein Chi-Quadrat-Test: Ohne Wiederholungen wird jede Zahl höchstens einmal gezogen.</translation>
    </message>
    <message>
        <source>No chi-square test: fewer than two possible outcomes.</source>
        <translation>Kein Chi-Quadrat-Test: weniger als zwei mögliche Ergebnisse.</translation>
    </message>
    <message>
        <source>No chi-square test: without repeats every item is drawn at most once.</source>
        <translation>Kein Chi-Quadrat-Test: Ohne Wiederholungen wird jeder Eintrag höchstens einmal gezogen.</translation>
    </message>
    <message>
        <source>No chi-square test: fewer than two items.</source>
        <translation>Kein Chi-Quadrat-Test: weniger als zwei Einträge.</translation>
    </message>
    <message>
        <source>%1 values in %2 categories. </source>
        <translation>%1 Werte in %2 Kategorien. </translation>
    </message>
    <message>
        <source>Chi-square %1 with %2 degrees of freedom, p = %3.</source>
        <translation>Chi-Quadrat %1 mit %2 Freiheitsgraden, p = %3.</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;. %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The random file &apos;%1&apos; is generated successfully !     Generated total randoms: %2</source>
        <translation>Die Zufallsdatei „%1“ wurde erfolgreich erzeugt!     Erzeugte Zufallszahlen insgesamt: %2</translation>
    </message>
    <message>
        <source>The user cancel the operation!</source>
        <translation>Der Vorgang wurde vom Benutzer abgebrochen!</translation>
    </message>
    <message>
        <source>The Upper number must greater than<byte value="xd"/><byte value="xd"/>or equal to the Lower number!</source>
        <translation>Die obere Zahl muss größer als<byte value="xd"/><byte value="xd"/>oder gleich der unteren Zahl sein!</translation>
    </message>
    <message>
        <source>Possible total:  Over %1</source>
        <translation>Mögliche insgesamt:  Über %1</translation>
    </message>
    <message>
        <source>Possible total: %1</source>
        <translation>Mögliche insgesamt: %1</translation>
    </message>
    <message>
        <source>Generated total: %1</source>
        <translation>Erzeugt insgesamt: %1</translation>
    </message>
    <message>
        <source>You must check at least one of the Female and Male box!</source>
        <translation>Kreuzen Sie mindestens eines der Felder „Weiblich“ und „Männlich“ an!</translation>
    </message>
    <message>
        <source>You can not exclude all digits!</source>
        <translation>Sie können nicht alle Ziffern ausschließen!</translation>
    </message>
    <message>
        <source>The Upper number minus the Lower number<byte value="xd"/><byte value="xd"/>    must be less than 2147483647!</source>
        <translation>Die obere Zahl minus die untere Zahl<byte value="xd"/><byte value="xd"/>    muss kleiner als 2147483647 sein!</translation>
    </message>
    <message>
        <source>Possible total randoms: %1</source>
        <translation>Mögliche Zufallszahlen insgesamt: %1</translation>
    </message>
    <message>
        <source>Generated total randoms: %1</source>
        <translation>Erzeugte Zufallszahlen insgesamt: %1</translation>
    </message>
    <message>
        <source>Please load items from TXT file,<byte value="xd"/><byte value="xd"/>or manually add item one by one!<byte value="xd"/></source>
        <translation>Bitte laden Sie Einträge aus einer TXT-Datei<byte value="xd"/><byte value="xd"/>oder fügen Sie sie einzeln von Hand hinzu!<byte value="xd"/></translation>
    </message>
    <message>
        <source>No item is checked.<byte value="xd"/><byte value="xd"/>Please check the items to sample from!</source>
        <translation>Kein Eintrag ist angekreuzt.<byte value="xd"/><byte value="xd"/>Bitte kreuzen Sie die Einträge an, aus denen gezogen werden soll!</translation>
    </message>
    <message>
        <source>The edit box of Mask can not be blank!</source>
        <translation>Das Eingabefeld „Maske“ darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Possible total randoms: Over %1</source>
        <translation>Mögliche Zufallszahlen insgesamt: Über %1</translation>
    </message>
    <message>
        <source>Strength: %1 bits</source>
        <translation>Stärke: %1 Bit</translation>
    </message>
    <message>
        <source>When the uppercase A-Z box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all uppercase letter!<byte value="xd"/></source>
        <translation>Wenn das Feld Großbuchstaben A-Z angekreuzt ist,<byte value="xd"/><byte value="xd"/>können Sie nicht alle Großbuchstaben ausschließen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>When the lowercase a-z box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all lowercase letter!<byte value="xd"/></source>
        <translation>Wenn das Feld Kleinbuchstaben a-z angekreuzt ist,<byte value="xd"/><byte value="xd"/>können Sie nicht alle Kleinbuchstaben ausschließen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>When the number 0-9 box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all numbers!<byte value="xd"/></source>
        <translation>Wenn das Feld Ziffern 0-9 angekreuzt ist,<byte value="xd"/><byte value="xd"/>können Sie nicht alle Ziffern ausschließen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>When the special character box is checked<byte value="xd"/><byte value="xd"/>You must select at least one character!<byte value="xd"/></source>
        <translation>Wenn das Feld Sonderzeichen angekreuzt ist,<byte value="xd"/><byte value="xd"/>müssen Sie mindestens ein Zeichen auswählen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>The name of wildcard can not be blank, please input!</source>
        <translation>Der Name des Platzhalters darf nicht leer sein, bitte eingeben!</translation>
    </message>
    <message>
        <source>The Upper,lower,number and special letter<byte value="xd"/>at least one check box must be checked !</source>
        <translation>Von Groß-, Kleinbuchstaben, Ziffern und Sonderzeichen<byte value="xd"/>muss mindestens ein Feld angekreuzt sein!</translation>
    </message>
    <message>
        <source>The name of wildcard is duplicated, please select another!</source>
        <translation>Der Name des Platzhalters ist schon vergeben, bitte wählen Sie einen anderen!</translation>
    </message>
    <message>
        <source>Do you want to delete the item %1 ?</source>
        <translation>Möchten Sie den Eintrag %1 löschen?</translation>
    </message>
    <message>
        <source>The wildcard %1 has no character to draw from!<byte value="xd"/>Please check at least one character for it.</source>
        <translation>Der Platzhalter %1 hat kein Zeichen, aus dem gezogen werden kann!<byte value="xd"/>Bitte kreuzen Sie mindestens ein Zeichen dafür an.</translation>
    </message>
    <message>
        <source>Parse Mask...</source>
        <translation>Maske auswerten ...</translation>
    </message>
    <message>
        <source>Only %1 different strings can be drawn for this mask; all of them have been generated.</source>
        <translation>Für diese Maske lassen sich nur %1 verschiedene Zeichenfolgen ziehen; alle wurden erzeugt.</translation>
    </message>
    <message>
        <source>Sort Randoms...</source>
        <translation>Zufallszahlen sortieren ...</translation>
    </message>
    <message>
        <source>Can&apos;t get more numbers than defined by <byte value="xd"/>the Lower and the Upper components. </source>
        <translation>Es lassen sich nicht mehr Zahlen ziehen, als durch <byte value="xd"/>die untere und die obere Grenze festgelegt sind. </translation>
    </message>
    <message>
        <source>Only %1 different lines can be drawn; all of them have been generated.</source>
        <translation>Es lassen sich nur %1 verschiedene Reihen ziehen; alle wurden erzeugt.</translation>
    </message>
    <message>
        <source>Evaluate Randoms...</source>
        <translation>Zufallszahlen auswerten ...</translation>
    </message>
    <message>
        <source>Load names database...</source>
        <translation>Namenslisten laden ...</translation>
    </message>
    <message>
        <source>Calculating names...</source>
        <translation>Namen werden berechnet ...</translation>
    </message>
    <message>
        <source>Only %1 different names can be drawn from these lists; all of them have been generated.</source>
        <translation>Aus diesen Listen lassen sich nur %1 verschiedene Namen ziehen; alle wurden erzeugt.</translation>
    </message>
    <message>
        <source>Sort Names...</source>
        <translation>Namen sortieren ...</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a regular file</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The system&apos;s random generator is not available.</source>
        <translation>Der Zufallsgenerator des Systems ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Displaying randoms...</source>
        <translation>Zufallszahlen werden angezeigt ...</translation>
    </message>
    <message>
        <source>Displaying numbers...</source>
        <translation>Zahlen werden angezeigt ...</translation>
    </message>
    <message>
        <source>Displaying names...</source>
        <translation>Namen werden angezeigt ...</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Laying out pages...</source>
        <translation>Seiten werden umbrochen ...</translation>
    </message>
    <message>
        <source>The print job has %1 pages.<byte value="xd"/>Do you want to print them all?</source>
        <translation>Der Druckauftrag hat %1 Seiten.<byte value="xd"/>Möchten Sie alle drucken?</translation>
    </message>
    <message>
        <source>Printing pages...</source>
        <translation>Seiten werden gedruckt ...</translation>
    </message>
    <message>
        <source>Writing the print file...</source>
        <translation>Druckdatei wird geschrieben ...</translation>
    </message>
    <message>
        <source>Strength: %1 bits, seed limit %2 bits</source>
        <translation>Stärke: %1 Bit, Grenze des Startwerts %2 Bit</translation>
    </message>
    <message>
        <source>%1 bits, seed limit %2 bits</source>
        <translation>%1 Bit, Grenze des Startwerts %2 Bit</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>Read File ...</source>
        <translation>Datei lesen ...</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>No. Columns per Line</source>
        <translation>Spalten pro Zeile</translation>
    </message>
    <message>
        <source>Out Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>&amp;Tab Delimited</source>
        <translation>&amp;Tabulator-getrennt</translation>
    </message>
    <message>
        <source>Co&amp;mma Separated</source>
        <translation>Ko&amp;mma-getrennt</translation>
    </message>
    <message>
        <source>Sp&amp;ace Separated</source>
        <translation>&amp;Leerzeichen-getrennt</translation>
    </message>
</context>
<context>
    <name>PageTable</name>
    <message>
        <source>Random Number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>Generate Random Numbers</source>
        <translation>Zufallszahlen erzeugen</translation>
    </message>
    <message>
        <source>Save Random Numbers As Text File</source>
        <translation>Zufallszahlen als Textdatei speichern</translation>
    </message>
    <message>
        <source>Print Random Numbers</source>
        <translation>Zufallszahlen drucken</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Lottery Number</source>
        <translation>Lottozahlen</translation>
    </message>
    <message>
        <source>Generate Lottery Numbers</source>
        <translation>Lottozahlen erzeugen</translation>
    </message>
    <message>
        <source>Automatic created</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual created</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Random Sampling</source>
        <translation>Zufallsstichprobe</translation>
    </message>
    <message>
        <source>Save Samplings As Text File</source>
        <translation>Stichproben als Textdatei speichern</translation>
    </message>
    <message>
        <source>Print Samplings</source>
        <translation>Stichproben drucken</translation>
    </message>
    <message>
        <source>Random String</source>
        <translation>Zufallszeichenfolge</translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation>Zufallszeichenfolgen erzeugen</translation>
    </message>
    <message>
        <source>Save Random Strings As Text File</source>
        <translation>Zufallszeichenfolgen als Textdatei speichern</translation>
    </message>
    <message>
        <source>Print Random Strings</source>
        <translation>Zufallszeichenfolgen drucken</translation>
    </message>
    <message>
        <source>Automatic Created</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual    Created</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Random Name</source>
        <translation>Zufallsname</translation>
    </message>
    <message>
        <source>Create Random Names</source>
        <translation>Zufallsnamen erzeugen</translation>
    </message>
    <message>
        <source>Save Random Names As Text File</source>
        <translation>Zufallsnamen als Textdatei speichern</translation>
    </message>
    <message>
        <source>Print Random Names</source>
        <translation>Zufallsnamen drucken</translation>
    </message>
    <message>
        <source>Random File</source>
        <translation>Zufallsdatei</translation>
    </message>
    <message>
        <source>Generate File</source>
        <translation>Datei erzeugen</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>No program on this system can open %1.</source>
        <translation>Kein Programm auf diesem System kann %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>No printer in your system!</source>
        <translation>In Ihrem System ist kein Drucker eingerichtet!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot start a job.</source>
        <translation>Der Drucker „%1“ kann keinen Auftrag beginnen.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The print job could not be sent to the printer.</source>
        <translation>Der Druckauftrag konnte nicht an den Drucker gesendet werden.</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::DistributionDialog</name>
    <message>
        <source>Distribution - %1</source>
        <translation>Verteilung – %1</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>The %1 most frequent of %2 items</source>
        <translation>Die %1 häufigsten von %2 Einträgen</translation>
    </message>
    <message>
        <source>Counts of the last run&apos;s results</source>
        <translation>Häufigkeiten der Ergebnisse des letzten Laufs</translation>
    </message>
    <message>
        <source>Distribution chart</source>
        <translation>Verteilungsdiagramm</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fewer than 5 values are expected per bar (%1): the chi-square test is unreliable. Draw more values for a sound test.</source>
        <translation>Je Balken werden weniger als 5 Werte erwartet (%1): Der Chi-Quadrat-Test ist unzuverlässig. Ziehen Sie mehr Werte für einen belastbaren Test.</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::FileNameEdit</name>
    <message>
        <source>Please select text file name</source>
        <translation>Bitte wählen Sie eine Textdatei</translation>
    </message>
    <message>
        <source>Save randoms to file</source>
        <translation>Zufallszahlen in einer Datei speichern</translation>
    </message>
    <message>
        <source>All text files (*.txt)</source>
        <translation>Alle Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Type the file name, or click the right button to select it</source>
        <translation>Geben Sie den Dateinamen ein oder wählen Sie ihn mit der rechten Schaltfläche</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::FilePage</name>
    <message>
        <source>Display Results In List Box While Create Random File</source>
        <translation>Ergebnisse beim Erzeugen der Zufallsdatei in der Liste anzeigen</translation>
    </message>
    <message>
        <source>Don&apos;t Display Results In List Box While Create Random File</source>
        <translation>Ergebnisse beim Erzeugen der Zufallsdatei nicht in der Liste anzeigen</translation>
    </message>
    <message>
        <source>You have disabled displaying in the list box to generate random bytes file quickly !</source>
        <translation>Sie haben die Anzeige in der Liste ausgeschaltet, damit die Zufallsdatei schnell erzeugt wird!</translation>
    </message>
    <message>
        <source>As Hex</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Display As Hex</source>
        <translation>Hexadezimal anzeigen</translation>
    </message>
    <message>
        <source>As Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Display As Decimal</source>
        <translation>Dezimal anzeigen</translation>
    </message>
    <message>
        <source>As Octet</source>
        <translation>Oktal</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Display As Octet</source>
        <translation>Oktal anzeigen</translation>
    </message>
    <message>
        <source>As Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Display As Binary</source>
        <translation>Binär anzeigen</translation>
    </message>
    <message>
        <source>Enabled Display</source>
        <translation>Anzeige eingeschaltet</translation>
    </message>
    <message>
        <source>&amp;Display Method</source>
        <translation>&amp;Anzeigeart</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation>Zwischen 1 und 2147483647</translation>
    </message>
    <message>
        <source>Please select file to save data</source>
        <translation>Bitte wählen Sie die Datei, in der die Daten gespeichert werden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>All Data File(*.dat)</source>
        <translation>Alle Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>The bytes of this run cannot be shown: they came from the system&apos;s generator, which cannot draw them again, and the file &apos;%1&apos; has changed since the run wrote them.</source>
        <translation>Die Bytes dieses Laufs lassen sich nicht anzeigen: Sie stammen aus dem Generator des Systems, der sie nicht noch einmal ziehen kann, und die Datei „%1“ hat sich geändert, seit der Lauf sie geschrieben hat.</translation>
    </message>
    <message>
        <source>Display radix</source>
        <translation>Zahlenbasis der Anzeige</translation>
    </message>
    <message>
        <source>&amp;Size ( Byte )</source>
        <translation>&amp;Größe ( Byte )</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>N&amp;ame</translation>
    </message>
    <message>
        <source>Au&amp;to add number suffix</source>
        <translation>Nummer au&amp;tomatisch anhängen</translation>
    </message>
    <message>
        <source>to &amp;filename when generate</source>
        <translation>an den &amp;Dateinamen</translation>
    </message>
    <message>
        <source>&amp;Create or overwrite the file</source>
        <translation>Datei an&amp;legen oder überschreiben</translation>
    </message>
    <message>
        <source>A&amp;ppend data to end of the file</source>
        <translation>Daten an das &amp;Ende der Datei anhängen</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::HelpWindow</name>
    <message>
        <source>Quenvar Random Number Generator Help</source>
        <translation>Hilfe zu Quenvar Zufallszahlengenerator</translation>
    </message>
    <message>
        <source>The help topics are missing: %1</source>
        <translation>Die Hilfethemen fehlen: %1</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::LotteryPage</name>
    <message>
        <source>Between -2147483647 and  2147483647</source>
        <translation>Zwischen -2147483647 und  2147483647</translation>
    </message>
    <message>
        <source>Main Lottery Number</source>
        <translation>Hauptzahlen</translation>
    </message>
    <message>
        <source>Between 1 and 300</source>
        <translation>Zwischen 1 und 300</translation>
    </message>
    <message>
        <source>Bonus Number</source>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>Between 1 and 200</source>
        <translation>Zwischen 1 und 200</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Pick bonus numbers from the remaining numbers in main lottery number box</source>
        <translation>Zusatzzahlen aus den übrigen Zahlen des Hauptzahlenbereichs ziehen</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation>Zwischen 1 und 2147483647</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>It will spend much time if you&apos;re requesting a larger numbers</source>
        <translation>Bei großen Anzahlen kann das lange dauern</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>NR.</translation>
    </message>
    <message>
        <source>Column 1</source>
        <translation>Spalte 1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation>Zusatz %1</translation>
    </message>
    <message>
        <source>&amp;Lower</source>
        <translation>&amp;Untere</translation>
    </message>
    <message>
        <source>&amp;Upper</source>
        <translation>&amp;Obere</translation>
    </message>
    <message>
        <source>No. to &amp;pick</source>
        <translation>Anzahl zu &amp;ziehen</translation>
    </message>
    <message>
        <source>Lo&amp;wer</source>
        <translation>Unt&amp;ere</translation>
    </message>
    <message>
        <source>Upp&amp;er</source>
        <translation>O&amp;bere</translation>
    </message>
    <message>
        <source>No. to pic&amp;k</source>
        <translation>Anzahl zu zie&amp;hen</translation>
    </message>
    <message>
        <source>Lotto + &amp;Bonus</source>
        <translation>Lo&amp;tto + Zusatzzahl</translation>
    </message>
    <message>
        <source>Pick bonus numbers from the &amp;remaining numbers</source>
        <translation>Zusatzzahlen aus den &amp;übrigen Zahlen ziehen</translation>
    </message>
    <message>
        <source>N&amp;o Bonus Number</source>
        <translation>&amp;Keine Zusatzzahl</translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation>&amp;Anzahl</translation>
    </message>
    <message>
        <source>Allow &amp;duplicate numbers to appear in a single line if it&apos;s checked</source>
        <translation>&amp;Doppelte Zahlen in einer Reihe erlauben, wenn angekreuzt</translation>
    </message>
    <message>
        <source>Prevent duplicate &amp;sets of lottery numbers in all lines  ( It will spend much time )</source>
        <translation>Doppelte Zahlen&amp;reihen in allen Zeilen verhindern  ( kann lange dauern )</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::NamePage</name>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>View or Edit male first name</source>
        <translation>Männliche Vornamen ansehen oder bearbeiten</translation>
    </message>
    <message>
        <source>View or Edit female first name</source>
        <translation>Weibliche Vornamen ansehen oder bearbeiten</translation>
    </message>
    <message>
        <source>View or Edit last name</source>
        <translation>Nachnamen ansehen oder bearbeiten</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation>Zwischen 1 und 2147483647</translation>
    </message>
    <message>
        <source>&amp;Male first name</source>
        <translation>&amp;Männliche Vornamen</translation>
    </message>
    <message>
        <source>&amp;Female first name</source>
        <translation>&amp;Weibliche Vornamen</translation>
    </message>
    <message>
        <source>&amp;last name</source>
        <translation>Na&amp;chname</translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation>&amp;Anzahl</translation>
    </message>
    <message>
        <source>Allow &amp;duplicate names</source>
        <translation>&amp;Doppelte Namen erlauben</translation>
    </message>
    <message>
        <source>name list</source>
        <translation>Namensliste</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::NumberPage</name>
    <message>
        <source>Between -2147483647 and  2147483647</source>
        <translation>Zwischen -2147483647 und  2147483647</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation>Zwischen 1 und 2147483647</translation>
    </message>
    <message>
        <source>Exclude Digits</source>
        <translation>Ziffern ausschließen</translation>
    </message>
    <message>
        <source>Exclude digit %1</source>
        <translation>Ziffer %1 ausschließen</translation>
    </message>
    <message>
        <source>&amp;Lower</source>
        <translation>&amp;Untere</translation>
    </message>
    <message>
        <source>&amp;Upper</source>
        <translation>&amp;Obere</translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation>&amp;Anzahl</translation>
    </message>
    <message>
        <source>Allow &amp;duplicate randoms</source>
        <translation>&amp;Doppelte Zufallszahlen erlauben</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::ResultPage</name>
    <message>
        <source>Right-Click it to open popup menu</source>
        <translation>Rechtsklick öffnet das Kontextmenü</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel Operation</source>
        <translation>Vorgang abbrechen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Result columns</source>
        <translation>Ergebnisspalten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Sort Randoms</source>
        <translation>Zufallszahlen &amp;sortieren</translation>
    </message>
    <message>
        <source>By Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation>Aufsteigend sortieren</translation>
    </message>
    <message>
        <source>By Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation>Absteigend sortieren</translation>
    </message>
    <message>
        <source>By Original</source>
        <translation>Wie gezogen</translation>
    </message>
    <message>
        <source>Display As Generated</source>
        <translation>Wie erzeugt anzeigen</translation>
    </message>
    <message>
        <source>Separate With &amp;Commas</source>
        <translation>Mit Ko&amp;mmas trennen</translation>
    </message>
    <message>
        <source>Separate With Commas</source>
        <translation>Mit Kommas trennen</translation>
    </message>
    <message>
        <source>C&amp;olumns</source>
        <translation>S&amp;palten</translation>
    </message>
    <message>
        <source>Save &amp;As File</source>
        <translation>&amp;Als Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Print Randoms</source>
        <translation>Zufallszahlen &amp;drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected rows</source>
        <translation>Die ausgewählten Zeilen kopieren</translation>
    </message>
    <message>
        <source>Copy as Command &amp;Line</source>
        <translation>Als &amp;Befehlszeile kopieren</translation>
    </message>
    <message>
        <source>Copy as Command Line</source>
        <translation>Als Befehlszeile kopieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>NR.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>No randoms to be saved!</source>
        <translation>Keine Zufallszahlen zum Speichern!</translation>
    </message>
    <message>
        <source>No randoms to be printed!</source>
        <translation>Keine Zufallszahlen zum Drucken!</translation>
    </message>
    <message>
        <source>No printer in your system!</source>
        <translation>In Ihrem System ist kein Drucker eingerichtet!</translation>
    </message>
    <message>
        <source>Distri&amp;bution…</source>
        <translation>&amp;Verteilung …</translation>
    </message>
    <message>
        <source>Chart of the last run&apos;s results</source>
        <translation>Diagramm der Ergebnisse des letzten Laufs</translation>
    </message>
    <message>
        <source>No randoms to chart: start a run first.</source>
        <translation>Keine Zufallszahlen für ein Diagramm: Starten Sie zuerst einen Lauf.</translation>
    </message>
    <message>
        <source>No run to be copied as a command line!</source>
        <translation>Kein Lauf, der als Befehlszeile kopiert werden kann!</translation>
    </message>
    <message>
        <source>Sort order</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>&amp;More Columns</source>
        <translation>&amp;Mehr Spalten</translation>
    </message>
    <message>
        <source>&amp;Fewer Columns</source>
        <translation>&amp;Weniger Spalten</translation>
    </message>
    <message>
        <source>Copy &amp;Value</source>
        <translation>&amp;Wert kopieren</translation>
    </message>
    <message>
        <source>Copy the value clicked, alone</source>
        <translation>Nur den angeklickten Wert kopieren</translation>
    </message>
    <message>
        <source>Another print is under way: wait for it to end or cancel it first.</source>
        <translation>Ein anderer Druck läuft: Warten Sie, bis er endet, oder brechen Sie ihn zuerst ab.</translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation>Die %1 „%2“ kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Clipboard cleared at %1</source>
        <translation>Zwischenablage geleert um %1</translation>
    </message>
    <message>
        <source>%1 M/s</source>
        <translation>%1 M/s</translation>
    </message>
    <message>
        <source>%1 k/s</source>
        <translation>%1 k/s</translation>
    </message>
    <message>
        <source>%1 /s</source>
        <translation>%1 /s</translation>
    </message>
    <message>
        <source>%1 · %2 min left</source>
        <translation>%1 · noch %2 min</translation>
    </message>
    <message>
        <source>%1 · %2 s left</source>
        <translation>%1 · noch %2 s</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::SamplingPage</name>
    <message>
        <source>All TXT File(*.txt)</source>
        <translation>Alle TXT-Dateien (*.txt)</translation>
    </message>
    <message>
        <source>Load items from TXT  file ( Append method )</source>
        <translation>Einträge aus TXT-Datei laden ( werden angehängt )</translation>
    </message>
    <message>
        <source>Save all the items to TXT file</source>
        <translation>Alle Einträge in einer TXT-Datei speichern</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Check all items</source>
        <translation>Alle Einträge ankreuzen</translation>
    </message>
    <message>
        <source>Uncheck all items</source>
        <translation>Alle Einträge abwählen</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Delete all items</source>
        <translation>Alle Einträge löschen</translation>
    </message>
    <message>
        <source>Right-click it to open popup menu<byte value="xd"/>
Ctrl+Click or Shift+Chick to select multi-item</source>
        <translation>Rechtsklick öffnet das Kontextmenü<byte value="xd"/>
Strg+Klick oder Umschalt+Klick wählt mehrere Einträge</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Insert Before</source>
        <translation>Davor einfügen</translation>
    </message>
    <message>
        <source>Insert After</source>
        <translation>Dahinter einfügen</translation>
    </message>
    <message>
        <source>Delete Current Item</source>
        <translation>Aktuellen Eintrag löschen</translation>
    </message>
    <message>
        <source>Delete Selected Items</source>
        <translation>Ausgewählte Einträge löschen</translation>
    </message>
    <message>
        <source>Delete All Items</source>
        <translation>Alle Einträge löschen</translation>
    </message>
    <message>
        <source>Check All Items</source>
        <translation>Alle Einträge ankreuzen</translation>
    </message>
    <message>
        <source>Uncheck All Items</source>
        <translation>Alle Einträge abwählen</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation>Zwischen 1 und 2147483647</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Random sampling from the %1 checked items below</source>
        <translation>Stichprobe aus den %1 angekreuzten Einträgen unten</translation>
    </message>
    <message>
        <source>In Random Sampling tab, only first 800 items can be saved when exit!</source>
        <translation>Auf der Seite Zufallsstichprobe werden beim Beenden nur die ersten 800 Einträge gespeichert!</translation>
    </message>
    <message>
        <source>Add item window</source>
        <translation>Fenster Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Please input new item</source>
        <translation>Bitte geben Sie einen neuen Eintrag ein</translation>
    </message>
    <message>
        <source>Edit item window</source>
        <translation>Fenster Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Do you want to delete the item?</source>
        <translation>Möchten Sie den Eintrag löschen?</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Möchten Sie die ausgewählten Einträge löschen?</translation>
    </message>
    <message>
        <source>Do you want to delete all the items?</source>
        <translation>Möchten Sie alle Einträge löschen?</translation>
    </message>
    <message>
        <source>Please select file to save data</source>
        <translation>Bitte wählen Sie die Datei, in der die Daten gespeichert werden</translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation>&amp;Anzahl</translation>
    </message>
    <message>
        <source>Allow &amp;duplicate sampling</source>
        <translation>&amp;Doppelte Ziehungen erlauben</translation>
    </message>
    <message>
        <source>Save &amp;left items when exit, so they can be auto loaded next time</source>
        <translation>Übrige Einträge beim Beenden &amp;speichern und beim nächsten Start laden</translation>
    </message>
    <message>
        <source>items file</source>
        <translation>Eintragsdatei</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::SeedGroup</name>
    <message>
        <source>Between -2147483647 and  2147483647</source>
        <translation>Zwischen -2147483647 und  2147483647</translation>
    </message>
    <message>
        <source>System (cryptographic, not repeatable)</source>
        <translation>System (kryptografisch, unwiederholbar)</translation>
    </message>
    <message>
        <source>Draws from the operating system&apos;s cryptographic generator: for passwords and keys</source>
        <translation>Zieht aus dem kryptografischen Generator des Betriebssystems: für Passwörter und Schlüssel</translation>
    </message>
    <message>
        <source>%1 seed</source>
        <translation>%1 (Startwert)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Automat&amp;ic</source>
        <translation>Automat&amp;isch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Ma&amp;nual</source>
        <translation>Ma&amp;nuell</translation>
    </message>
    <message>
        <source>S&amp;ystem (cryptographic, not repeatable)</source>
        <translation>S&amp;ystem (kryptografisch, unwiederholbar)</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::SelectList</name>
    <message>
        <source>Shift, Ctrl+click to select multi-item
Double-click it to move the item</source>
        <translation>Umschalt-, Strg+Klick wählt mehrere Einträge
Doppelklick verschiebt den Eintrag</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::StringPage</name>
    <message>
        <source>Left-click or Double-click it to select</source>
        <translation>Zum Auswählen klicken oder doppelklicken</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>To represent a literal character, &apos;\&apos; should be added before the character.</source>
        <translation>Um ein Zeichen wörtlich darzustellen, setzen Sie &apos;\&apos; davor.</translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation>Zwischen 1 und 2147483647</translation>
    </message>
    <message>
        <source>Select uppercase letters excluded</source>
        <translation>Auszuschließende Großbuchstaben wählen</translation>
    </message>
    <message>
        <source>Uppercase letters excluded</source>
        <translation>Ausgeschlossene Großbuchstaben</translation>
    </message>
    <message>
        <source>Select lowercase letters excluded</source>
        <translation>Auszuschließende Kleinbuchstaben wählen</translation>
    </message>
    <message>
        <source>Lowercase letters excluded</source>
        <translation>Ausgeschlossene Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Select numbers excluded</source>
        <translation>Auszuschließende Ziffern wählen</translation>
    </message>
    <message>
        <source>Numbers excluded</source>
        <translation>Ausgeschlossene Ziffern</translation>
    </message>
    <message>
        <source>Select special characters included</source>
        <translation>Einzuschließende Sonderzeichen wählen</translation>
    </message>
    <message>
        <source>Special characters included</source>
        <translation>Eingeschlossene Sonderzeichen</translation>
    </message>
    <message>
        <source>Wildcard</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Wildcards</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Wildcard columns</source>
        <translation>Platzhalterspalten</translation>
    </message>
    <message>
        <source>&amp;Add  </source>
        <translation>Hinzu&amp;fügen  </translation>
    </message>
    <message>
        <source>Add wildcard</source>
        <translation>Platzhalter hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit wildcard</source>
        <translation>Platzhalter bearbeiten</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete wildcard</source>
        <translation>Platzhalter löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save wildcard</source>
        <translation>Platzhalter speichern</translation>
    </message>
    <message>
        <source>Can&amp;cel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation>Vorgang abbrechen</translation>
    </message>
    <message>
        <source>Please Save or Cancel Wildcard before generate randoms</source>
        <translation>Bitte speichern oder verwerfen Sie den Platzhalter, bevor Sie Zufallszahlen erzeugen</translation>
    </message>
    <message>
        <source>exclude</source>
        <translation>ausschließen</translation>
    </message>
    <message>
        <source>include</source>
        <translation>einschließen</translation>
    </message>
    <message>
        <source>Mas&amp;k</source>
        <translation>Mas&amp;ke</translation>
    </message>
    <message>
        <source>Co&amp;unt to</source>
        <translation>Anza&amp;hl</translation>
    </message>
    <message>
        <source>Allow &amp;duplicate strings</source>
        <translation>&amp;Doppelte Zeichenfolgen erlauben</translation>
    </message>
    <message>
        <source>U&amp;ppercase A-Z </source>
        <translation>&amp;Großbuchstaben A-Z </translation>
    </message>
    <message>
        <source>Lo&amp;wercase a-z  </source>
        <translation>Kl&amp;einbuchstaben a-z  </translation>
    </message>
    <message>
        <source>Num&amp;ber 0-9 </source>
        <translation>&amp;Ziffern 0-9 </translation>
    </message>
    <message>
        <source>Special c&amp;haracter </source>
        <translation>S&amp;onderzeichen </translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>Hin&amp;weis</translation>
    </message>
    <message>
        <source>wildcards file</source>
        <translation>Platzhalterdatei</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormPrinttext</name>
    <message>
        <source>Print Data</source>
        <translation>Daten drucken</translation>
    </message>
    <message>
        <source>Numbers Per Line</source>
        <translation>Zahlen pro Zeile</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>The randoms have been printed!</source>
        <translation>Die Zufallszahlen wurden gedruckt!</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>No. &amp;Columns per Line</source>
        <translation>S&amp;palten pro Zeile</translation>
    </message>
    <message>
        <source>One N&amp;umber per Line</source>
        <translation>Eine Za&amp;hl pro Zeile</translation>
    </message>
    <message>
        <source>Portra&amp;it</source>
        <translation>H&amp;ochformat</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormRandom</name>
    <message>
        <source>Quenvar Random Number Generator</source>
        <translation>Quenvar Zufallszahlengenerator</translation>
    </message>
    <message>
        <source>Visits Website...</source>
        <translation>Website besuchen ...</translation>
    </message>
    <message>
        <source>Help...           </source>
        <translation>Hilfe ...           </translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Copy as Command Line</source>
        <translation>Als Befehlszeile kopieren</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormSaveText</name>
    <message>
        <source>Save Data to Text File</source>
        <translation>Daten als Textdatei speichern</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Numbers Per Line</source>
        <translation>Zahlen pro Zeile</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Please input file name! </source>
        <translation>Bitte geben Sie einen Dateinamen ein! </translation>
    </message>
    <message>
        <source>The randoms have been saved as text file!</source>
        <translation>Die Zufallszahlen wurden als Textdatei gespeichert!</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <source>C&amp;reate or Overwrite file</source>
        <translation>Datei anlegen oder ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Append to &amp;end of file</source>
        <translation>An das Datei&amp;ende anhängen</translation>
    </message>
    <message>
        <source>Single &amp;Line / All numbers in one line</source>
        <translation>Alle &amp;Zahlen in einer Zeile</translation>
    </message>
    <message>
        <source>No. &amp;Columns per Line</source>
        <translation>S&amp;palten pro Zeile</translation>
    </message>
    <message>
        <source>One N&amp;umber per Line</source>
        <translation>Eine Za&amp;hl pro Zeile</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormSelect</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Available Items</source>
        <translation>Verfügbare Einträge</translation>
    </message>
    <message>
        <source>Selected Items</source>
        <translation>Ausgewählte Einträge</translation>
    </message>
    <message>
        <source>Select Item</source>
        <translation>Eintrag auswählen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Unselect Item</source>
        <translation>Eintrag abwählen</translation>
    </message>
    <message>
        <source>Unselect All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Can&amp;cel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Available Items</source>
        <translation>&amp;Verfügbare Einträge</translation>
    </message>
    <message>
        <source>&amp;Selected Items</source>
        <translation>Aus&amp;gewählte Einträge</translation>
    </message>
    <message>
        <source>&amp;Available Items ( %1 )</source>
        <translation>&amp;Verfügbare Einträge ( %1 )</translation>
    </message>
    <message>
        <source>&amp;Selected Items ( %1 )</source>
        <translation>Aus&amp;gewählte Einträge ( %1 )</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TPrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Seite</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>of %1 pages</source>
        <translation>von %1 Seiten</translation>
    </message>
    <message>
        <source>of %1 pages so far, counting…</source>
        <translation>von bisher %1 Seiten, wird gezählt …</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TPrinterSetupDialog</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Querformat</translation>
    </message>
</context>
<context>
    <name>quenvar::ui::Taboutform</name>
    <message>
        <source>About Quenvar Random Number Generator </source>
        <translation>Über Quenvar Zufallszahlengenerator </translation>
    </message>
    <message>
        <source>Quenvar Random Number Generator %1</source>
        <translation>Quenvar Zufallszahlengenerator %1</translation>
    </message>
    <message>
        <source>Free software (MIT licence): random data you can repeat from a seed.</source>
        <translation>Freie Software (MIT-Lizenz): Zufallsdaten, die sich aus einem Startwert wiederholen lassen.</translation>
    </message>
    <message>
        <source>Homepage Site: </source>
        <translation>Homepage: </translation>
    </message>
    <message>
        <source>Technology Support: </source>
        <translation>Technische Unterstützung: </translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
</context>
</TS>
